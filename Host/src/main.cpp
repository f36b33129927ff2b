#include "CommandLine.h"

int main(int argc, char **argv)
{
    return CommandLineRun(argc, argv);
}

/* The command line: parses it and runs the command it names. */
#ifndef POWERMETER_HOST_COMMAND_LINE_H
#define POWERMETER_HOST_COMMAND_LINE_H

/* Returns the exit code (ExitCodes.h); 2 for a bad command line. */
int CommandLineRun(int argc, const char *const *argv);

#endif /* POWERMETER_HOST_COMMAND_LINE_H */

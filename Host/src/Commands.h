/* The four commands. Each returns the program's exit code (ExitCodes.h). */
#ifndef POWERMETER_HOST_COMMANDS_H
#define POWERMETER_HOST_COMMANDS_H

#include "ReadingFormat.h"

#include <string>

/* An empty plugin path means the default one beside the program. */

int InfoCommandRun(const std::string &plugin);

struct ReadOptions {
    std::string plugin;
    long count = 10;
    bool continuous = false;
    OutputFormat format = OutputFormat::Text;
    std::string output; /* empty: stdout */
};
int ReadCommandRun(const ReadOptions &options);

struct WatchOptions {
    std::string plugin;
    long count = 0; /* 0: until Ctrl-C */
};
int WatchCommandRun(const WatchOptions &options);

struct CheckOptions {
    std::string plugin;
    bool live = false;
};
int CheckCommandRun(const CheckOptions &options);

#endif /* POWERMETER_HOST_COMMANDS_H */

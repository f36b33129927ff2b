/* Where the running program lives: the default plug-in sits beside it. */
#ifndef POWERMETER_HOST_EXECUTABLE_PATH_H
#define POWERMETER_HOST_EXECUTABLE_PATH_H

#include <string>

/* The folder of the running executable, or "." when it cannot be told. */
std::string ExecutableFolder();

#endif /* POWERMETER_HOST_EXECUTABLE_PATH_H */

#include "Environment.h"

#include <cstdlib>

void setEnvironment(const char *name, const char *value)
{
#if defined(_WIN32)
    // An empty value removes the variable from msvcrt's environment, which
    // the driver library reads through the same runtime.
    _putenv_s(name, value != nullptr ? value : "");
#else
    if (value != nullptr)
        setenv(name, value, 1);
    else
        unsetenv(name);
#endif
}

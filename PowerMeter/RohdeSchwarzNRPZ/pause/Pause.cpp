#include "Pause.h"

#if defined(_WIN32)
#include <windows.h>

void PlatformPause(unsigned milliseconds)
{
    Sleep(milliseconds);
}

#else
#include <errno.h>
#include <time.h>

void PlatformPause(unsigned milliseconds)
{
    struct timespec remaining;
    remaining.tv_sec = milliseconds / 1000;
    remaining.tv_nsec = (long)(milliseconds % 1000) * 1000000L;
    /* A signal cuts nanosleep short; sleep out the rest. */
    while (nanosleep(&remaining, &remaining) != 0 && errno == EINTR) {
    }
}
#endif

// The pause beside ByteDriver: counts, checks and returns at once.
#include "ByteDriver.h"
#include "pause/Pause.h"

void PlatformPause(unsigned milliseconds)
{
    ByteDriver::countPause(milliseconds);
}

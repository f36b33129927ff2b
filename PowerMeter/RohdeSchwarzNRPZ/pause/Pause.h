/* The operating system's millisecond pause, kept apart so that tests can
 * put a pause that does not wait in its place at link time. */
#ifndef POWERMETER_PAUSE_H
#define POWERMETER_PAUSE_H

void PlatformPause(unsigned milliseconds);

#endif /* POWERMETER_PAUSE_H */

/* The progress line of a long run, shown on a terminal's stderr. */
#ifndef POWERMETER_HOST_PROGRESS_H
#define POWERMETER_HOST_PROGRESS_H

#include <string>

/* "37/100 readings  6.2/s  10 s left"; total 0 means no end is known
 * ("37 readings  6.2/s"). No rate or time left before the first reading. */
std::string ProgressText(long done, long total, double elapsedSeconds);

#endif /* POWERMETER_HOST_PROGRESS_H */

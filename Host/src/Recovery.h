/* What a run does after a failed reading, before it takes the next one. */
#ifndef POWERMETER_HOST_RECOVERY_H
#define POWERMETER_HOST_RECOVERY_H

#include "PowerMeterPlugin.h"

#include <chrono>
#include <cstdio>

/* Sets the sensor up again with PowerMeterReset, so that a sensor pulled
 * and plugged back in is read again, then waits `pause` (less if Ctrl-C
 * comes), so that a run whose readings keep failing at once does not spin.
 * `report` (stderr, or nullptr for a live screen) gets one line a step. */
void RecoverAfterFailedReading(const PowerMeterPlugin &plugin, long index, std::FILE *report,
                               std::chrono::milliseconds pause = std::chrono::seconds(1));

#endif /* POWERMETER_HOST_RECOVERY_H */

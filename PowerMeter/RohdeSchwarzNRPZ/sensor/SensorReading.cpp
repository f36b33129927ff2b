#include "Sensor.h"

#include "../pause/Pause.h"

#include <math.h>

static const double SensorNoReading = NAN;

/* Polls until the driver reports the measurement complete, pausing after
 * every poll. Gives up after too many failed polls in a row or too long. */
static bool SensorWaitForMeasurement(void)
{
    RsnrpzBoolean complete = 0;
    int polls = 0;
    int failedPollsInRow = 0;
    while (complete == 0) {
        RsnrpzStatus status = rsnrpz_chan_isMeasurementComplete(SensorSession, SensorChannel, &complete);
        SensorCheckStatus(status, SensorSession);
        PlatformPause(SensorPollPauseMilliseconds);
        ++polls;
        if (status < 0) {
            complete = 0; /* a failed poll tells nothing about the measurement */
            if (++failedPollsInRow == SensorFailedPollLimit)
                return false;
        } else {
            failedPollsInRow = 0;
        }
        if (complete == 0 && polls == SensorPollLimit) {
            SensorReportError("Measurement timed out");
            return false;
        }
    }
    return true;
}

double SensorReadPower(void)
{
    int32_t readcount = -1;
    double result[SensorResultCapacity];

    RsnrpzStatus status = rsnrpz_chan_initiate(SensorSession, SensorChannel);
    SensorCheckStatus(status, SensorSession);
    if (status < 0)
        return SensorNoReading; /* nothing was started, so anything fetched would be stale */

    if (!SensorWaitForMeasurement())
        return SensorNoReading;

    status = rsnrpz_meass_fetchBufferMeasurement(SensorSession, SensorChannel, SensorBufferSize, result, &readcount);
    SensorCheckStatus(status, SensorSession);
    if (status < 0 || readcount < 1 || readcount > SensorResultCapacity)
        return SensorNoReading;

    double watts = result[readcount - 1];
    return 10.0 * log10(watts * 1000.0);
}

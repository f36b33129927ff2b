#include "Sensor.h"

#include <stdio.h>
#include <string.h>

const char SensorResource[] = "USB::0x0aad::0x000c::*";

RsnrpzSession SensorSession = 0;

/* Reports a set-up step and tells whether it failed. */
static bool SensorSetupStepFailed(RsnrpzStatus status)
{
    SensorCheckStatus(status, SensorSession);
    return status < 0;
}

int32_t SensorOpen(void)
{
    char DriverRev[RSNRPZ_TEXT_LENGTH];
    char firmwareRev[RSNRPZ_TEXT_LENGTH];
    memset(DriverRev, 0, sizeof DriverRev);
    memset(firmwareRev, 0, sizeof firmwareRev);

    RsnrpzStatus status = rsnrpz_init(SensorResource, 1, 1, &SensorSession);
    SensorCheckStatus(status, SensorSession);
    if (status != 0) {
        printf("Cannot open NRP_Z11 USB Power Meter\n");
        printf("\nHit any key to continue\n");
        fflush(stdout);
        return -1;
    }

    /* The revision texts are never used, so its failure is only reported. */
    SensorCheckStatus(rsnrpz_revision_query(SensorSession, DriverRev, firmwareRev), SensorSession);

    /* Every step runs even after one fails, so each failure gets its line;
     * a channel that is not fully set up must not read as opened. */
    bool failed = false;
    failed |= SensorSetupStepFailed(rsnrpz_chan_reset(SensorSession, SensorChannel));
    failed |= SensorSetupStepFailed(rsnrpz_chan_mode(SensorSession, SensorChannel, SensorMeasurementMode));
    failed |= SensorSetupStepFailed(rsnrpz_chan_setContAvBufferSize(SensorSession, SensorChannel, SensorBufferSize));
    failed |= SensorSetupStepFailed(rsnrpz_trigger_setCount(SensorSession, SensorChannel, SensorBufferSize));
    failed |= SensorSetupStepFailed(rsnrpz_avg_setEnabled(SensorSession, SensorChannel, 0));
    return failed ? -1 : 0;
}

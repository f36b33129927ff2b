/* Sensor access inside the plug-in: the one driver session, the failure
 * report and the two routines behind the sensor entry points. */
#ifndef POWERMETER_SENSOR_H
#define POWERMETER_SENSOR_H

#include "../rsnrpz.h"

#include <stdint.h>

/* ---- Fixed settings ------------------------------------------------------ */
enum {
    SensorChannel = 1,
    SensorBufferSize = 4,          /* continuous-average buffer and trigger count */
    SensorMeasurementMode = 1,     /* buffered continuous average */
    SensorResultCapacity = 1024,   /* values the fetch may return */
    SensorPollPauseMilliseconds = 50,
    SensorPollLimit = 200,         /* 10 s of polling */
    SensorFailedPollLimit = 3,     /* failed polls in a row that end a reading */
};

extern const char SensorResource[];

/* Issued by rsnrpz_init; 0 until the first open. */
extern RsnrpzSession SensorSession;

/* ---- Routines ------------------------------------------------------------ */

/* Prints "Error: <driver text>\r\n" for a negative status; nothing else. */
void SensorCheckStatus(RsnrpzStatus status, RsnrpzSession session);

/* Prints "Error: <text>\r\n" for a failure the plug-in finds itself. */
void SensorReportError(const char *text);

/* 0 when the sensor was opened and every set-up step succeeded, else -1. */
int32_t SensorOpen(void);

/* One reading in dBm; NaN when the reading failed. */
double SensorReadPower(void);

#endif /* POWERMETER_SENSOR_H */

#include "Sensor.h"

#include <stdio.h>
#include <string.h>

void SensorReportError(const char *text)
{
    printf("Error: %s\r\n", text);
    /* The host may end abruptly or use another C runtime's buffers. */
    fflush(stdout);
}

void SensorCheckStatus(RsnrpzStatus status, RsnrpzSession session)
{
    if (status >= 0)
        return;

    char error_message[RSNRPZ_TEXT_LENGTH];
    memset(error_message, 0, sizeof error_message);
    rsnrpz_error_message(session, status, error_message);
    /* Never trust the driver to terminate its text. */
    error_message[sizeof error_message - 1] = '\0';
    SensorReportError(error_message);
}

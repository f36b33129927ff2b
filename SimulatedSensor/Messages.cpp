#include "SensorModel.h"
#include "SimulatedSensor.h"

#include <cstdio>

const char *SimStatusText(int32_t status)
{
    switch (status) {
    case SimStatusSuccess:
        return "No error";
    case SimStatusNoSensor:
        return "No NRP-Z sensor found on USB";
    case SimStatusInvalidSession:
        return "Invalid session handle";
    case SimStatusSensorRemoved:
        return "Connection to the sensor lost: the sensor was removed";
    case SimStatusInvalidResource:
        return "Invalid resource descriptor";
    case SimStatusInvalidChannel:
        return "Invalid channel number";
    case SimStatusInvalidArgument:
        return "Parameter out of range";
    case SimStatusNullPointer:
        return "Null pointer passed for a result";
    case SimStatusNotInitiated:
        return "No measurement was started";
    case SimStatusNotComplete:
        return "Measurement not yet complete";
    case SimStatusWrongMode:
        return "Channel is not in buffered measurement mode";
    default:
        break;
    }
    static char unknown[64];
    std::snprintf(unknown, sizeof unknown, "Unknown status code 0x%08lX", (unsigned long)(uint32_t)status);
    return unknown;
}

/* The sensor entry points: each hands over to one sensor routine. */
#include "../RohdeSchwarzNRPZ.h"

#include "../sensor/Sensor.h"

int32_t POWERMETER_CALL EquipmentSetup(void)
{
    return SensorOpen();
}

int32_t POWERMETER_CALL PowerMeterReset(void)
{
    return SensorOpen();
}

double POWERMETER_CALL PowerMeterPower(void)
{
    return SensorReadPower();
}

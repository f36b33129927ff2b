/* The entry points with fixed answers: name, limits and the setters that
 * accept a setting and ignore it. None touches the sensor. */
#include "../RohdeSchwarzNRPZ.h"

static const char InstrumentName[] = "Rohde&Schwarz NRPZ";

const char *POWERMETER_CALL EquipmentName(void)
{
    return InstrumentName;
}

const char *POWERMETER_CALL PowerMeterModel(void)
{
    return InstrumentName;
}

double POWERMETER_CALL PowerMeterPowerMinimum(void)
{
    return -100.0;
}

double POWERMETER_CALL PowerMeterPowerMaximum(void)
{
    return 100.0;
}

double POWERMETER_CALL PowerMeterFrequencyMinimum(void)
{
    return 0.0;
}

double POWERMETER_CALL PowerMeterFrequencyMaximum(void)
{
    return 1.0e12;
}

double POWERMETER_CALL PowerMeterDurationMinimum(void)
{
    return 0.0;
}

double POWERMETER_CALL PowerMeterDurationMaximum(void)
{
    return 1.0;
}

int32_t POWERMETER_CALL PowerMeterFrequencySet(void)
{
    return 0;
}

int32_t POWERMETER_CALL PowerMeterPowerLevelSet(void)
{
    return 0;
}

int32_t POWERMETER_CALL PowerMeterDurationSet(void)
{
    return 0;
}

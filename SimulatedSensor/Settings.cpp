#include "SensorModel.h"
#include "SimulatedSensor.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <ctime>

static bool SimReadNumber(const char *name, double *value)
{
    const char *text = std::getenv(name);
    if (text == nullptr || *text == '\0')
        return false;
    char *end = nullptr;
    errno = 0;
    double parsed = std::strtod(text, &end);
    if (errno != 0 || *end != '\0' || !std::isfinite(parsed))
        return false;
    *value = parsed;
    return true;
}

SimSettings SimReadSettings(void)
{
    SimSettings settings;
    settings.levelDbm = -20.0;
    settings.noiseDb = 0.02;
    settings.seed = (uint32_t)std::time(nullptr);
    settings.absent = false;
    settings.removeAfterReadings = -1;
    settings.apertureMilliseconds = 20.0;

    double value;
    if (SimReadNumber(SIM_ENV_LEVEL_DBM, &value))
        settings.levelDbm = value;
    if (SimReadNumber(SIM_ENV_NOISE_DB, &value) && value >= 0.0)
        settings.noiseDb = value;
    if (SimReadNumber(SIM_ENV_SEED, &value) && value >= 0.0)
        settings.seed = (uint32_t)value;
    if (SimReadNumber(SIM_ENV_ABSENT, &value))
        settings.absent = value != 0.0;
    if (SimReadNumber(SIM_ENV_REMOVE_AFTER, &value) && value >= 0.0)
        settings.removeAfterReadings = (long)value;
    if (SimReadNumber(SIM_ENV_APERTURE_MS, &value) && value >= 0.0)
        settings.apertureMilliseconds = value;
    return settings;
}

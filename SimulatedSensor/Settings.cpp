#include "SensorModel.h"
#include "SimulatedSensor.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <climits>
#include <cstring>

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

/* A whole decimal number from 0 to `maximum`; anything else is ignored. */
static bool SimReadCount(const char *name, unsigned long maximum, unsigned long *value)
{
    const char *text = std::getenv(name);
    if (text == nullptr || *text < '0' || *text > '9')
        return false;
    char *end = nullptr;
    errno = 0;
    unsigned long parsed = std::strtoul(text, &end, 10);
    if (errno != 0 || *end != '\0' || parsed > maximum)
        return false;
    *value = parsed;
    return true;
}

SimSettings SimReadSettings(void)
{
    SimSettings settings;
    settings.levelDbm = -20.0;
    settings.noiseDb = 0.02;
    settings.seedGiven = false;
    settings.seed = 0;
    settings.absent = false;
    settings.removeAfterReadings = -1;
    settings.apertureMilliseconds = 20.0;

    double value;
    unsigned long count;
    if (SimReadNumber(SIM_ENV_LEVEL_DBM, &value))
        settings.levelDbm = value;
    if (SimReadNumber(SIM_ENV_NOISE_DB, &value) && value >= 0.0)
        settings.noiseDb = value;
    if (SimReadCount(SIM_ENV_SEED, UINT32_MAX, &count)) {
        settings.seedGiven = true;
        settings.seed = (uint32_t)count;
    }
    /* Any value but "0" unplugs the sensor: "1", "yes", "true" alike. */
    const char *absent = std::getenv(SIM_ENV_ABSENT);
    settings.absent = absent != nullptr && *absent != '\0' && std::strcmp(absent, "0") != 0;
    if (SimReadCount(SIM_ENV_REMOVE_AFTER, LONG_MAX, &count))
        settings.removeAfterReadings = (long)count;
    if (SimReadNumber(SIM_ENV_APERTURE_MS, &value) && value >= 0.0)
        settings.apertureMilliseconds = value;
    return settings;
}

/* Inner parts of the simulated sensor, shared by its source files. */
#ifndef SIMULATED_SENSOR_MODEL_H
#define SIMULATED_SENSOR_MODEL_H

#include <stdint.h>

struct SimSettings {
    double levelDbm;
    double noiseDb;
    bool seedGiven; /* otherwise the noise goes on from where it was */
    uint32_t seed;
    bool absent;
    long removeAfterReadings; /* < 0: never */
    double apertureMilliseconds;
};

/* Reads the environment; unset or malformed variables keep their defaults. */
SimSettings SimReadSettings(void);

/* Milliseconds on a clock that never goes back. */
double SimNowMilliseconds(void);

/* Noise source for the measured values. */
void SimNoiseSeed(uint32_t seed);
double SimNoiseGaussian(double standardDeviation);

/* The driver's text for a status, never longer than 255 characters. */
const char *SimStatusText(int32_t status);

#endif /* SIMULATED_SENSOR_MODEL_H */

#include "SensorModel.h"

#include <ctime>
#include <random>

/* Seeded from the clock once, when the library loads, so that readings stay
 * random across opens unless a seed is asked for. */
static std::mt19937 SimNoiseGenerator((uint32_t)std::time(nullptr));

void SimNoiseSeed(uint32_t seed)
{
    SimNoiseGenerator.seed(seed);
}

double SimNoiseGaussian(double standardDeviation)
{
    if (standardDeviation <= 0.0)
        return 0.0;
    std::normal_distribution<double> distribution(0.0, standardDeviation);
    return distribution(SimNoiseGenerator);
}

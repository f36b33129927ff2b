#include "SensorModel.h"

#include <random>

static std::mt19937 SimNoiseGenerator;

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

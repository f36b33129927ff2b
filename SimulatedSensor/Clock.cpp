#include "SensorModel.h"

#include <chrono>

double SimNowMilliseconds(void)
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

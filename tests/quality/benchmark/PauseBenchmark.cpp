// A whole reading with the operating system's 50 ms pause over a driver
// that completes at once: one poll, one pause. The floor of any reading is
// that pause; the ratio shows what sleeping and waking add on top.
#include "ByteDriver.h"
#include "RohdeSchwarzNRPZ.h"
#include "sensor/Sensor.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr double FloorSeconds = 0.050;

void BM_ReadingWithRealPause(benchmark::State &state)
{
    SensorSession = 0;
    ByteDriver::expectSession(0);
    ByteDriver::start(nullptr, 0);
    EquipmentSetup();
    double seconds = 0.0;
    for (auto _ : state) {
        ByteDriver::clearRecord();
        auto begin = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(PowerMeterPower());
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    }
    state.counters["ratio_to_50ms_floor"] = seconds / (FloorSeconds * static_cast<double>(state.iterations()));
}
BENCHMARK(BM_ReadingWithRealPause)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();

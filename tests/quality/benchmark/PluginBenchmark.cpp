// The plug-in's own cost per call: the driver answers at once from
// ByteDriver and the pause returns at once, so what is left is the
// plug-in's work (its calls, checks, buffers and the dBm conversion).
#include "ByteDriver.h"
#include "OutputRecorder.h"
#include "RohdeSchwarzNRPZ.h"
#include "sensor/Sensor.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

void openSession()
{
    SensorSession = 0;
    ByteDriver::expectSession(0);
    ByteDriver::start(nullptr, 0);
    EquipmentSetup();
}

// Complete at the first poll, four values, the last one read.
void BM_Reading(benchmark::State &state)
{
    openSession();
    for (auto _ : state) {
        ByteDriver::clearRecord();
        benchmark::DoNotOptimize(PowerMeterPower());
    }
}
BENCHMARK(BM_Reading);

// The measurement completes at the tenth poll: ten polls and pauses.
void BM_ReadingTenPolls(benchmark::State &state)
{
    openSession();
    static const uint8_t tenPolls[] = {0, 9};
    for (auto _ : state) {
        ByteDriver::start(tenPolls, sizeof tenPolls);
        ByteDriver::clearRecord();
        benchmark::DoNotOptimize(PowerMeterPower());
    }
}
BENCHMARK(BM_ReadingTenPolls);

// A failed fetch: the driver's text fetched and one "Error: " line printed
// and flushed (into memory, so no terminal or file is timed).
void BM_ReadingFailedFetch(benchmark::State &state)
{
    openSession();
    static const uint8_t failedFetch[] = {0, 0, 0, 0, 1, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                          0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 21, 'N',
                                          'o', ' ', 's', 'e', 'n', 's', 'o', 'r', ' ', 'r', 'e', 's', 'p',
                                          'o', 'n', 'd', 'i', 'n', 'g', '.'};
    RecordedStdout recorded;
    for (auto _ : state) {
        ByteDriver::start(failedFetch, sizeof failedFetch);
        ByteDriver::clearRecord();
        OutputRecorder::clear();
        benchmark::DoNotOptimize(PowerMeterPower());
    }
}
BENCHMARK(BM_ReadingFailedFetch);

// Opening and setting up: seven driver calls.
void BM_Setup(benchmark::State &state)
{
    openSession();
    for (auto _ : state) {
        ByteDriver::clearRecord();
        benchmark::DoNotOptimize(PowerMeterReset());
    }
}
BENCHMARK(BM_Setup);

// The eleven entry points with fixed answers, one round of all of them.
void BM_IdentityEntryPoints(benchmark::State &state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(EquipmentName());
        benchmark::DoNotOptimize(PowerMeterModel());
        benchmark::DoNotOptimize(PowerMeterPowerMinimum());
        benchmark::DoNotOptimize(PowerMeterPowerMaximum());
        benchmark::DoNotOptimize(PowerMeterFrequencyMinimum());
        benchmark::DoNotOptimize(PowerMeterFrequencyMaximum());
        benchmark::DoNotOptimize(PowerMeterDurationMinimum());
        benchmark::DoNotOptimize(PowerMeterDurationMaximum());
        benchmark::DoNotOptimize(PowerMeterFrequencySet());
        benchmark::DoNotOptimize(PowerMeterPowerLevelSet());
        benchmark::DoNotOptimize(PowerMeterDurationSet());
    }
}
BENCHMARK(BM_IdentityEntryPoints);

} // namespace

BENCHMARK_MAIN();

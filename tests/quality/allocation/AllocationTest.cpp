// The plug-in must never touch the heap: it runs inside a host that may
// not expect it to, on every reading. Counts allocations around set-up,
// readings and the failure paths (driven by the fuzz seeds).
#include "AllocationCounter.h"
#include "ByteDriver.h"
#include "OutputRecorder.h"
#include "PluginScript.h"
#include "RohdeSchwarzNRPZ.h"
#include "sensor/Sensor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

class AllocationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SensorSession = 0;
        ByteDriver::expectSession(0);
        ByteDriver::start(nullptr, 0);
        ByteDriver::clearRecord();
        // glibc gives stdout its buffer on first use; that is the host's
        // stream and not the plug-in's doing.
        std::printf("[ warming stdout ]\n");
        std::fflush(stdout);
        // The same for the stand-in stdout the scripts print to.
        std::fflush(OutputRecorder::stream());
    }
};

TEST_F(AllocationTest, CounterSeesAllocations)
{
    AllocationCounter::start();
    int *volatile number = new int(1);
    delete number;
    void *volatile block = std::malloc(16);
    std::free(block);
    EXPECT_EQ(AllocationCounter::stop(), 2);
}

TEST_F(AllocationTest, SetUpAndReadingsAllocateNothing)
{
    AllocationCounter::start();
    int32_t opened = EquipmentSetup();
    double sum = 0.0;
    for (int i = 0; i < 1000; ++i) {
        ByteDriver::clearRecord();
        sum += PowerMeterPower();
    }
    int32_t reopened = PowerMeterReset();
    long allocations = AllocationCounter::stop();

    EXPECT_EQ(allocations, 0);
    EXPECT_EQ(opened, 0);
    EXPECT_EQ(reopened, 0);
    EXPECT_DOUBLE_EQ(sum, 0.0); // 1 mW each time
}

TEST_F(AllocationTest, IdentityEntryPointsAllocateNothing)
{
    AllocationCounter::start();
    const char *name = EquipmentName();
    const char *model = PowerMeterModel();
    double limits = PowerMeterPowerMinimum() + PowerMeterPowerMaximum() + PowerMeterFrequencyMinimum() +
                    PowerMeterFrequencyMaximum() + PowerMeterDurationMinimum() + PowerMeterDurationMaximum();
    int32_t set = PowerMeterFrequencySet() + PowerMeterPowerLevelSet() + PowerMeterDurationSet();
    EXPECT_EQ(AllocationCounter::stop(), 0);
    EXPECT_EQ(name, model);
    EXPECT_EQ(limits, 1.0e12 + 1.0);
    EXPECT_EQ(set, 0);
}

TEST_F(AllocationTest, PrintedFailuresAllocateNothing)
{
    // A failing open (status -1, then its text) and a failed fetch, printed
    // to the real stdout.
    const std::string text = "allocation test: an expected failure";
    std::vector<uint8_t> failingOpen = {1, 0, static_cast<uint8_t>(text.size())};
    failingOpen.insert(failingOpen.end(), text.begin(), text.end());
    const std::vector<uint8_t> failedFetch = {0, 0, 0, 0, 1, 4};
    int32_t opened = 0;
    double reading = 0.0;

    AllocationCounter::start();
    ByteDriver::start(failingOpen.data(), failingOpen.size());
    opened = EquipmentSetup();
    ByteDriver::start(nullptr, 0);
    EquipmentSetup();
    ByteDriver::start(failedFetch.data(), failedFetch.size());
    reading = PowerMeterPower();
    long allocations = AllocationCounter::stop();

    EXPECT_EQ(allocations, 0);
    EXPECT_EQ(opened, -1);
    EXPECT_TRUE(std::isnan(reading));
}

// Every seed is a different mix of failures, odd texts and counts.
TEST_F(AllocationTest, EveryFuzzSeedRunsWithoutAllocating)
{
    std::vector<std::filesystem::path> seeds;
    for (const auto &entry : std::filesystem::directory_iterator(QUALITY_SEED_DIR))
        seeds.push_back(entry.path());
    ASSERT_FALSE(seeds.empty());
    for (const auto &seed : seeds) {
        std::ifstream file(seed, std::ios::binary);
        std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        AllocationCounter::start();
        runPluginScript(bytes.data(), bytes.size());
        EXPECT_EQ(AllocationCounter::stop(), 0) << seed.filename();
    }
}

} // namespace

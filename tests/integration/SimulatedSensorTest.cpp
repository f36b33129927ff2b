// The built plug-in, loaded by path, over the simulated sensor beside it.
#include "Environment.h"
#include "PowerMeterPlugin.h"
#include "SimulatedSensor.h"
#include "StdoutCapture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

const char CannotOpen[] = "Cannot open NRP_Z11 USB Power Meter\n\nHit any key to continue\n";
const char Removed[] = "Error: Connection to the sensor lost: the sensor was removed\r\n";
const char NotFound[] = "Error: No NRP-Z sensor found on USB\r\n";

class SimulatedSensorTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (library.load(POWERMETER_PLUGIN_PATH, loadError))
            missingNames = PowerMeterBind(library, plugin);
    }

    void SetUp() override
    {
        ASSERT_EQ(loadError, "");
        ASSERT_EQ(missingNames, std::vector<std::string>{});
        // A sensor that answers at once and reads exactly its level.
        setEnvironment(SIM_ENV_APERTURE_MS, "0");
        setEnvironment(SIM_ENV_NOISE_DB, "0");
        setEnvironment(SIM_ENV_SEED, "1");
        setEnvironment(SIM_ENV_LEVEL_DBM, "-20");
        setEnvironment(SIM_ENV_ABSENT, nullptr);
        setEnvironment(SIM_ENV_REMOVE_AFTER, nullptr);
    }

    int32_t setup()
    {
        int32_t result = 0;
        output = captureStdout([&] { result = plugin.EquipmentSetup(); });
        sessionOpened |= result == 0;
        return result;
    }

    int32_t reset()
    {
        int32_t result = 0;
        output = captureStdout([&] { result = plugin.PowerMeterReset(); });
        sessionOpened |= result == 0;
        return result;
    }

    double read()
    {
        double reading = 0.0;
        output = captureStdout([&] { reading = plugin.PowerMeterPower(); });
        return reading;
    }

    static PluginLibrary library;
    static PowerMeterPlugin plugin;
    static std::string loadError;
    static std::vector<std::string> missingNames;
    static bool sessionOpened; // the plug-in keeps its session for the process
    std::string output;
};

PluginLibrary SimulatedSensorTest::library;
PowerMeterPlugin SimulatedSensorTest::plugin;
std::string SimulatedSensorTest::loadError;
std::vector<std::string> SimulatedSensorTest::missingNames;
bool SimulatedSensorTest::sessionOpened = false;

TEST_F(SimulatedSensorTest, ReadsTheSimulatedLevel)
{
    setEnvironment(SIM_ENV_LEVEL_DBM, "-37.5");
    ASSERT_EQ(setup(), 0);
    EXPECT_EQ(output, "");
    EXPECT_NEAR(read(), -37.5, 1e-9);
    EXPECT_EQ(output, "");
}

TEST_F(SimulatedSensorTest, SeededNoiseRepeatsAfterEachOpen)
{
    setEnvironment(SIM_ENV_NOISE_DB, "0.5");
    setEnvironment(SIM_ENV_SEED, "42");
    double first[3], second[3];
    ASSERT_EQ(setup(), 0);
    for (double &reading : first)
        reading = read();
    ASSERT_EQ(reset(), 0);
    for (double &reading : second)
        reading = read();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(first[i], second[i]);
        EXPECT_NEAR(first[i], -20.0, 3.0);
    }
    EXPECT_NE(first[0], first[1]);
}

TEST_F(SimulatedSensorTest, AbsentSensorFailsTheOpen)
{
    setEnvironment(SIM_ENV_ABSENT, "1");
    EXPECT_EQ(setup(), -1);
    EXPECT_EQ(output, std::string(NotFound) + CannotOpen);
}

TEST_F(SimulatedSensorTest, ReadingWithoutAnOpenSessionFails)
{
    if (sessionOpened)
        GTEST_SKIP() << "an earlier test in this process opened a session";
    EXPECT_TRUE(std::isnan(read()));
    EXPECT_EQ(output, "Error: Invalid session handle\r\n");
}

TEST_F(SimulatedSensorTest, RemovedSensorFailsUntilPluggedBackAndReset)
{
    setEnvironment(SIM_ENV_REMOVE_AFTER, "2");
    ASSERT_EQ(setup(), 0);
    EXPECT_NEAR(read(), -20.0, 1e-9);
    EXPECT_NEAR(read(), -20.0, 1e-9);

    EXPECT_TRUE(std::isnan(read()));
    EXPECT_EQ(output, Removed);
    EXPECT_EQ(reset(), -1);
    EXPECT_EQ(output, std::string(NotFound) + CannotOpen);

    setEnvironment(SIM_ENV_REMOVE_AFTER, nullptr);
    ASSERT_EQ(reset(), 0);
    EXPECT_NEAR(read(), -20.0, 1e-9);
    EXPECT_EQ(output, "");
}

TEST_F(SimulatedSensorTest, IdentityAndLimitsNeedNoSensor)
{
    setEnvironment(SIM_ENV_ABSENT, "1");
    EXPECT_STREQ(plugin.EquipmentName(), "Rohde&Schwarz NRPZ");
    EXPECT_EQ(plugin.PowerMeterModel(), plugin.EquipmentName());
    EXPECT_EQ(plugin.PowerMeterPowerMinimum(), -100.0);
    EXPECT_EQ(plugin.PowerMeterPowerMaximum(), 100.0);
    EXPECT_EQ(plugin.PowerMeterFrequencyMinimum(), 0.0);
    EXPECT_EQ(plugin.PowerMeterFrequencyMaximum(), 1.0e12);
    EXPECT_EQ(plugin.PowerMeterDurationMinimum(), 0.0);
    EXPECT_EQ(plugin.PowerMeterDurationMaximum(), 1.0);
    EXPECT_EQ(plugin.PowerMeterFrequencySet(), 0);
    EXPECT_EQ(plugin.PowerMeterPowerLevelSet(), 0);
    EXPECT_EQ(plugin.PowerMeterDurationSet(), 0);
}

} // namespace

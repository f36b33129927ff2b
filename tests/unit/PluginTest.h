// Fixture for unit tests: a fresh fake driver and a plug-in that has never
// opened a session.
#ifndef TESTS_PLUGIN_TEST_H
#define TESTS_PLUGIN_TEST_H

#include "FakeDriver.h"
#include "RohdeSchwarzNRPZ.h"
#include "StdoutCapture.h"
#include "sensor/Sensor.h"

#include <gtest/gtest.h>

class PluginTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetFakeDriver();
        SensorSession = 0;
    }

    FakeDriver &driver() { return fakeDriver(); }

    // Opens the session and forgets the calls and output it made.
    void openQuietly()
    {
        std::string ignored = captureStdout([] { EquipmentSetup(); });
        driver().calls.clear();
    }
};

#endif

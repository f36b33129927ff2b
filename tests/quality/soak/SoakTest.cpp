// A long run of readings over a sensor that misbehaves at random: removed
// and plugged in again, failing polls and fetches, counts that make no
// sense, warnings, measurements that never finish. Nothing waits (the fake
// pause returns at once). Every failure must come back as NaN with exactly
// its lines, every recovery must read correctly again, and the run must
// leave nothing behind (the sanitizer and valgrind runs watch for leaks).
#include "FakeDriver.h"
#include "OutputRecorder.h"
#include "RohdeSchwarzNRPZ.h"
#include "sensor/Sensor.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <sstream>
#include <string>

namespace {

constexpr int Readings = 100000;

constexpr RsnrpzStatus SensorRemoved = -1073807194;
constexpr RsnrpzStatus SensorNotFound = -1073807343;
constexpr RsnrpzStatus PollFailed = -2;
constexpr RsnrpzStatus FetchFailed = -7;
constexpr RsnrpzStatus Warning = 0x3FFC0101;

const char RemovedLine[] = "Error: Connection to the sensor lost: the sensor was removed\r\n";
const char NotFoundLine[] = "Error: No NRP-Z sensor found on USB\r\n";
const char CannotOpenLines[] = "Cannot open NRP_Z11 USB Power Meter\n\nHit any key to continue\n";
const char PollFailedLine[] = "Error: Sensor not responding\r\n";
const char FetchFailedLine[] = "Error: Buffer fetch failed\r\n";
const char TimedOutLine[] = "Error: Measurement timed out\r\n";

enum class Fault {
    None,
    Removal,
    FailedPolls,
    ThreeFailedPolls,
    FailedFetch,
    BadCount,
    Warnings,
    NeverCompletes,
};

const char *faultName(Fault fault)
{
    switch (fault) {
    case Fault::None: return "none";
    case Fault::Removal: return "removal";
    case Fault::FailedPolls: return "failed polls";
    case Fault::ThreeFailedPolls: return "three failed polls";
    case Fault::FailedFetch: return "failed fetch";
    case Fault::BadCount: return "bad count";
    case Fault::Warnings: return "warnings";
    case Fault::NeverCompletes: return "never completes";
    }
    return "?";
}

// Runs an entry point with stdout recorded; returns what it printed.
template <typename Action> std::string recorded(Action action)
{
    RecordedStdout swap;
    OutputRecorder::clear();
    action();
    EXPECT_FALSE(OutputRecorder::pending()) << "output left unflushed";
    std::string bytes(OutputRecorder::recorded());
    OutputRecorder::clear();
    return bytes;
}

bool sameReading(double actual, double expected)
{
    return std::isnan(expected) ? std::isnan(actual) : actual == expected;
}

class SoakTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetFakeDriver();
        SensorSession = 0;
        driver().errorTexts = {{SensorRemoved, "Connection to the sensor lost: the sensor was removed"},
                               {SensorNotFound, "No NRP-Z sensor found on USB"},
                               {PollFailed, "Sensor not responding"},
                               {FetchFailed, "Buffer fetch failed"}};
    }

    FakeDriver &driver() { return fakeDriver(); }

    Fault pickFault()
    {
        int roll = std::uniform_int_distribution<int>(0, 999)(random);
        if (roll < 600) return Fault::None;
        if (roll < 680) return Fault::Removal;
        if (roll < 760) return Fault::FailedPolls;
        if (roll < 810) return Fault::ThreeFailedPolls;
        if (roll < 880) return Fault::FailedFetch;
        if (roll < 950) return Fault::BadCount;
        if (roll < 995) return Fault::Warnings;
        return Fault::NeverCompletes;
    }

    // A power between -100 and +30 dBm, as the fetch's last value.
    double pickWatts()
    {
        double dbm = std::uniform_real_distribution<double>(-100.0, 30.0)(random);
        double watts = std::pow(10.0, dbm / 10.0) / 1000.0;
        driver().values = {watts * 0.5, watts * 0.7, watts * 0.9, watts};
        return 10.0 * std::log10(watts * 1000.0);
    }

    // Scripts one reading with `fault`; returns the expected value and sets
    // `expectedOutput`.
    double script(Fault fault, std::string &expectedOutput)
    {
        const double nan = std::nan("");
        double good = pickWatts();
        driver().completeOnPoll = std::uniform_int_distribution<int>(1, 4)(random);
        driver().overrideReadCount = false;
        driver().writeReadCount = true;
        expectedOutput.clear();
        switch (fault) {
        case Fault::None:
            return good;
        case Fault::Removal:
            driver().failNext("rsnrpz_chan_initiate", {SensorRemoved});
            expectedOutput = RemovedLine;
            return nan;
        case Fault::FailedPolls: {
            // One or two failures in a row: the reading carries on.
            int failures = std::uniform_int_distribution<int>(1, 2)(random);
            driver().completeOnPoll = failures + 1;
            for (int i = 0; i < failures; ++i) {
                driver().failNext("rsnrpz_chan_isMeasurementComplete", {PollFailed});
                expectedOutput += PollFailedLine;
            }
            return good;
        }
        case Fault::ThreeFailedPolls:
            driver().failNext("rsnrpz_chan_isMeasurementComplete", {PollFailed, PollFailed, PollFailed});
            expectedOutput = std::string(PollFailedLine) + PollFailedLine + PollFailedLine;
            return nan;
        case Fault::FailedFetch:
            driver().failNext("rsnrpz_meass_fetchBufferMeasurement", {FetchFailed});
            expectedOutput = FetchFailedLine;
            return nan;
        case Fault::BadCount: {
            static const int32_t counts[] = {0, -1, 1025, INT32_MIN, INT32_MAX};
            int pick = std::uniform_int_distribution<int>(0, 5)(random);
            if (pick == 5) {
                driver().writeReadCount = false;
            } else {
                driver().overrideReadCount = true;
                driver().readCount = counts[pick];
            }
            return nan;
        }
        case Fault::Warnings:
            driver().failNext("rsnrpz_chan_initiate", {Warning});
            driver().failNext("rsnrpz_chan_isMeasurementComplete", {Warning});
            driver().failNext("rsnrpz_meass_fetchBufferMeasurement", {Warning});
            return good;
        case Fault::NeverCompletes:
            driver().completeOnPoll = 0;
            expectedOutput = TimedOutLine;
            return nan;
        }
        return nan;
    }

    // The sensor is plugged in again after some failed attempts to open it;
    // it gets a new handle. Returns "" or what went wrong.
    std::string recover()
    {
        int failedOpens = std::uniform_int_distribution<int>(0, 3)(random);
        for (int i = 0; i < failedOpens; ++i) {
            driver().failNext("rsnrpz_init", {SensorNotFound});
            int32_t result = 0;
            std::string output = recorded([&] { result = PowerMeterReset(); });
            if (result != -1 || output != std::string(NotFoundLine) + CannotOpenLines)
                return "a reset without a sensor gave " + std::to_string(result) + " and printed '" + output + "'";
        }
        driver().sessionToIssue = ++lastSession;
        int32_t result = 0;
        std::string output = recorded([&] { result = PowerMeterReset(); });
        if (result != 0 || !output.empty())
            return "the reset after plugging in gave " + std::to_string(result) + " and printed '" + output + "'";
        driver().calls.clear();
        ++recoveries;
        return "";
    }

    // Checks one reading against its script. Returns "" or what went wrong.
    std::string takeReading(Fault fault)
    {
        std::string expectedOutput;
        double expected = script(fault, expectedOutput);
        double reading = 0.0;
        std::string output = recorded([&] { reading = PowerMeterPower(); });
        std::ostringstream problem;
        if (!sameReading(reading, expected))
            problem << "read " << reading << " instead of " << expected << "; ";
        if (output != expectedOutput)
            problem << "printed '" << output << "' instead of '" << expectedOutput << "'; ";
        for (const auto &[operation, queue] : driver().statuses)
            if (!queue.empty())
                problem << operation << " was not called as often as scripted; ";
        const std::string session = "(" + std::to_string(lastSession) + ",";
        for (const std::string &call : driver().calls)
            if (call.rfind("pause", 0) != 0 && call.find(session) == std::string::npos)
                problem << "call with a stale session: " << call << "; ";
        driver().calls.clear();
        ++taken[fault];
        return problem.str();
    }

    std::mt19937 random{20240611};
    RsnrpzSession lastSession = 7;
    int recoveries = 0;
    std::map<Fault, int> taken;
};

TEST_F(SoakTest, HundredThousandReadingsWithRandomFaultsAndRecoveries)
{
    driver().sessionToIssue = lastSession;
    int32_t opened = 0;
    ASSERT_EQ(recorded([&] { opened = EquipmentSetup(); }), "");
    ASSERT_EQ(opened, 0);
    driver().calls.clear();

    for (int i = 0; i < Readings; ++i) {
        Fault fault = pickFault();
        std::string problem = takeReading(fault);
        ASSERT_EQ(problem, "") << "reading " << i << ", fault: " << faultName(fault);
        if (fault == Fault::Removal) {
            ASSERT_EQ(recover(), "") << "after reading " << i;
            // The first reading after a recovery must be right.
            ++i;
            ASSERT_EQ(takeReading(Fault::None), "") << "first reading after the recovery at " << i;
        }
    }

    std::ostringstream summary;
    int total = 0;
    for (const auto &[fault, count] : taken) {
        summary << faultName(fault) << ": " << count << ", ";
        total += count;
    }
    summary << "recoveries: " << recoveries;
    std::printf("soak: %d readings (%s)\n", total, summary.str().c_str());
    RecordProperty("readings", total);
    RecordProperty("recoveries", recoveries);
    EXPECT_GE(total, Readings);
    EXPECT_GT(recoveries, 1000);
}

} // namespace

// Opening and setting up the sensor: EquipmentSetup and PowerMeterReset.
#include "PluginTest.h"

#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

const Calls FullSetUp = {
    "rsnrpz_init(USB::0x0aad::0x000c::*,1,1)",
    "rsnrpz_revision_query(7)",
    "rsnrpz_chan_reset(7,1)",
    "rsnrpz_chan_mode(7,1,1)",
    "rsnrpz_chan_setContAvBufferSize(7,1,4)",
    "rsnrpz_trigger_setCount(7,1,4)",
    "rsnrpz_avg_setEnabled(7,1,0)",
};

const char CannotOpen[] = "Cannot open NRP_Z11 USB Power Meter\n\nHit any key to continue\n";

class SessionTest : public PluginTest {};

TEST_F(SessionTest, OpensAndSetsUpTheChannelInOrder)
{
    int32_t result = -2;
    std::string output = captureStdout([&] { result = EquipmentSetup(); });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(output, "");
    EXPECT_EQ(driver().calls, FullSetUp);
    EXPECT_EQ(SensorSession, 7u);
}

TEST_F(SessionTest, ResetBeforeAnySetupDoesTheSame)
{
    int32_t result = -2;
    std::string output = captureStdout([&] { result = PowerMeterReset(); });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(output, "");
    EXPECT_EQ(driver().calls, FullSetUp);
}

TEST_F(SessionTest, FailedOpenReportsAndStops)
{
    driver().failNext("rsnrpz_init", {-1073807343});
    driver().errorTexts[-1073807343] = "No sensor found";
    int32_t result = 0;
    std::string output = captureStdout([&] { result = EquipmentSetup(); });
    EXPECT_EQ(result, -1);
    EXPECT_EQ(output, std::string("Error: No sensor found\r\n") + CannotOpen);
    EXPECT_EQ(driver().calls,
              (Calls{"rsnrpz_init(USB::0x0aad::0x000c::*,1,1)", "rsnrpz_error_message(7,-1073807343)"}));
}

TEST_F(SessionTest, PositiveOpenStatusFailsWithoutAnErrorLine)
{
    driver().failNext("rsnrpz_init", {1});
    int32_t result = 0;
    std::string output = captureStdout([&] { result = EquipmentSetup(); });
    EXPECT_EQ(result, -1);
    EXPECT_EQ(output, CannotOpen);
    EXPECT_EQ(driver().calls, Calls{"rsnrpz_init(USB::0x0aad::0x000c::*,1,1)"});
}

// A channel that is not fully set up must not read as opened, but every
// step still runs and reports.
class SetUpStepFailure : public SessionTest, public ::testing::WithParamInterface<const char *> {};

TEST_P(SetUpStepFailure, RunsEveryStepAndFails)
{
    driver().failNext(GetParam(), {-20});
    driver().errorTexts[-20] = "step failed";
    int32_t result = 0;
    std::string output = captureStdout([&] { result = EquipmentSetup(); });
    EXPECT_EQ(result, -1);
    EXPECT_EQ(output, "Error: step failed\r\n");
    EXPECT_EQ(driver().count("rsnrpz_avg_setEnabled"), 1);
    EXPECT_EQ(driver().count("rsnrpz_error_message"), 1);
}

INSTANTIATE_TEST_SUITE_P(EachStep, SetUpStepFailure,
                         ::testing::Values("rsnrpz_chan_reset", "rsnrpz_chan_mode", "rsnrpz_chan_setContAvBufferSize",
                                           "rsnrpz_trigger_setCount", "rsnrpz_avg_setEnabled"));

TEST_F(SessionTest, FailedModeStillMakesTheRemainingCallsAfterItsReport)
{
    driver().failNext("rsnrpz_chan_mode", {-20});
    std::string ignored = captureStdout([] { EquipmentSetup(); });
    Calls expected = FullSetUp;
    expected.insert(expected.begin() + 4, "rsnrpz_error_message(7,-20)");
    EXPECT_EQ(driver().calls, expected);
}

TEST_F(SessionTest, FailedRevisionQueryIsReportedButHarmless)
{
    driver().failNext("rsnrpz_revision_query", {-3});
    int32_t result = -2;
    std::string output = captureStdout([&] { result = EquipmentSetup(); });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(output, "Error: driver error -3\r\n");
}

TEST_F(SessionTest, WarningsFromSetUpStepsDoNotFailIt)
{
    driver().failNext("rsnrpz_chan_reset", {5});
    driver().failNext("rsnrpz_trigger_setCount", {6});
    int32_t result = -2;
    std::string output = captureStdout([&] { result = EquipmentSetup(); });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(output, "");
}

TEST_F(SessionTest, SecondSetupOpensAgainAndKeepsTheNewHandle)
{
    std::string ignored = captureStdout([this] {
        EquipmentSetup();
        driver().sessionToIssue = 8;
        EquipmentSetup();
    });
    EXPECT_EQ(driver().count("rsnrpz_init"), 2);
    EXPECT_EQ(SensorSession, 8u);
    EXPECT_EQ(driver().calls.back(), "rsnrpz_avg_setEnabled(8,1,0)");
}

TEST_F(SessionTest, ErrorLineOfAFailedOpenNamesTheHandleItStored)
{
    driver().sessionToIssue = 0;
    driver().failNext("rsnrpz_init", {-1});
    std::string ignored = captureStdout([] { EquipmentSetup(); });
    EXPECT_EQ(driver().calls.back(), "rsnrpz_error_message(0,-1)");
}

} // namespace

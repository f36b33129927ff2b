// What a run does between a failed reading and the next one.
#include "Recovery.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

int ResetCalls = 0;
int32_t ResetResult = 0;

int32_t POWERMETER_CALL FakeReset(void)
{
    ++ResetCalls;
    return ResetResult;
}

std::string recoverAndReport(int32_t resetResult)
{
    ResetCalls = 0;
    ResetResult = resetResult;
    PowerMeterPlugin plugin;
    plugin.PowerMeterReset = FakeReset;
    std::FILE *report = std::tmpfile();
    RecoverAfterFailedReading(plugin, 7, report, std::chrono::milliseconds(0));
    std::string text;
    std::rewind(report);
    for (int c; (c = std::fgetc(report)) != EOF;)
        text += static_cast<char>(c);
    std::fclose(report);
    return text;
}

TEST(RecoveryTest, SetsTheSensorUpAgainAndSaysSo)
{
    EXPECT_EQ(recoverAndReport(0), "powermeter: reading 7 failed; setting the sensor up again\n");
    EXPECT_EQ(ResetCalls, 1);
}

TEST(RecoveryTest, FailedSetUpIsReportedWithTheWait)
{
    EXPECT_EQ(recoverAndReport(-1), "powermeter: reading 7 failed; setting the sensor up again\n"
                                    "powermeter: sensor set-up failed (PowerMeterReset returned -1); "
                                    "next try in 0 ms\n");
    EXPECT_EQ(ResetCalls, 1);
}

TEST(RecoveryTest, LiveScreenGetsNoLines)
{
    ResetCalls = 0;
    PowerMeterPlugin plugin;
    plugin.PowerMeterReset = FakeReset;
    RecoverAfterFailedReading(plugin, 1, nullptr, std::chrono::milliseconds(0));
    EXPECT_EQ(ResetCalls, 1);
}

} // namespace

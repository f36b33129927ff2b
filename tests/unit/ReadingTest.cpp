// Taking a reading: PowerMeterPower.
#include "PluginTest.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

const char Initiate[] = "rsnrpz_chan_initiate(7,1)";
const char Poll[] = "rsnrpz_chan_isMeasurementComplete(7,1)";
const char Pause[] = "pause(50)";
const char Fetch[] = "rsnrpz_meass_fetchBufferMeasurement(7,1,4)";

class ReadingTest : public PluginTest {
protected:
    void SetUp() override
    {
        PluginTest::SetUp();
        openQuietly();
    }

    // Takes one reading and keeps what it printed.
    double read()
    {
        double reading = 0.0;
        output = captureStdout([&] { reading = PowerMeterPower(); });
        return reading;
    }

    std::string output;
};

TEST_F(ReadingTest, StartsPollsPausesFetchesInOrder)
{
    driver().completeOnPoll = 3;
    EXPECT_DOUBLE_EQ(read(), 0.0);
    EXPECT_EQ(output, "");
    EXPECT_EQ(driver().calls, (Calls{Initiate, Poll, Pause, Poll, Pause, Poll, Pause, Fetch}));
}

TEST_F(ReadingTest, MeasurementCompleteAtOnceStillPausesOnce)
{
    read();
    EXPECT_EQ(driver().calls, (Calls{Initiate, Poll, Pause, Fetch}));
}

TEST_F(ReadingTest, TakesTheLastValueFetched)
{
    driver().values = {1e-6, 1e-5, 1e-4, 1.0};
    EXPECT_DOUBLE_EQ(read(), 30.0);
}

struct Conversion {
    double watts;
    double dbm;
};

void PrintTo(const Conversion &conversion, std::ostream *out)
{
    *out << conversion.watts << " W";
}

class ConversionCases : public ReadingTest, public ::testing::WithParamInterface<Conversion> {};

TEST_P(ConversionCases, WattsBecomeDbm)
{
    driver().values = {GetParam().watts};
    EXPECT_NEAR(read(), GetParam().dbm, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Powers, ConversionCases,
                         ::testing::Values(Conversion{0.001, 0.0}, Conversion{1.0, 30.0}, Conversion{1e-13, -100.0},
                                           Conversion{2e-3, 3.0102999566398121}, Conversion{100.0, 50.0}));

TEST_F(ReadingTest, ZeroWattsIsMinusInfinityAndNegativeIsNaN)
{
    driver().values = {0.0};
    double zero = read();
    EXPECT_TRUE(std::isinf(zero) && zero < 0);
    driver().values = {-1e-3};
    EXPECT_TRUE(std::isnan(read()));
    EXPECT_EQ(output, "");
}

// The count the driver gives decides which value is read; a count outside
// the array must never be used as an index.
struct CountCase {
    const char *name;
    bool writeReadCount;
    int32_t readCount;
    bool valid;
};

void PrintTo(const CountCase &count, std::ostream *out)
{
    *out << count.name;
}

class ReadCountCases : public ReadingTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(ReadCountCases, OnlyCountsThatFitTheArrayGiveAReading)
{
    driver().values.assign(1024, 1e-3);
    driver().writeReadCount = GetParam().writeReadCount;
    driver().overrideReadCount = true;
    driver().readCount = GetParam().readCount;
    double reading = read();
    if (GetParam().valid)
        EXPECT_DOUBLE_EQ(reading, 0.0);
    else
        EXPECT_TRUE(std::isnan(reading));
    EXPECT_EQ(output, "");
}

INSTANTIATE_TEST_SUITE_P(Counts, ReadCountCases,
                         ::testing::Values(CountCase{"LeftUnwritten", false, 0, false},
                                           CountCase{"Zero", true, 0, false}, CountCase{"MinusOne", true, -1, false},
                                           CountCase{"Negative", true, -70000, false},
                                           CountCase{"One", true, 1, true}, CountCase{"Full", true, 1024, true},
                                           CountCase{"PastTheArray", true, 1025, false},
                                           CountCase{"Huge", true, std::numeric_limits<int32_t>::max(), false}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ReadingTest, FailedFetchGivesNaNWithItsLine)
{
    driver().failNext("rsnrpz_meass_fetchBufferMeasurement", {-7});
    EXPECT_TRUE(std::isnan(read()));
    EXPECT_EQ(output, "Error: driver error -7\r\n");
}

TEST_F(ReadingTest, WarningFromTheFetchStillReads)
{
    driver().failNext("rsnrpz_meass_fetchBufferMeasurement", {7});
    EXPECT_DOUBLE_EQ(read(), 0.0);
}

TEST_F(ReadingTest, FailedStartEndsTheReadingBeforeAnyPoll)
{
    driver().failNext("rsnrpz_chan_initiate", {-4});
    EXPECT_TRUE(std::isnan(read()));
    EXPECT_EQ(output, "Error: driver error -4\r\n");
    EXPECT_EQ(driver().calls, (Calls{Initiate, "rsnrpz_error_message(7,-4)"}));
}

TEST_F(ReadingTest, ThreeFailedPollsInARowEndTheReading)
{
    driver().completeOnPoll = 0;
    driver().failNext("rsnrpz_chan_isMeasurementComplete", {-2, -2, -2});
    EXPECT_TRUE(std::isnan(read()));
    EXPECT_EQ(output, "Error: driver error -2\r\nError: driver error -2\r\nError: driver error -2\r\n");
    EXPECT_EQ(driver().count("rsnrpz_chan_isMeasurementComplete"), 3);
    EXPECT_EQ(driver().count("pause"), 3);
    EXPECT_EQ(driver().count("rsnrpz_meass_fetchBufferMeasurement"), 0);
}

TEST_F(ReadingTest, FailedPollsBetweenGoodOnesDoNotEndTheReading)
{
    driver().completeOnPoll = 6;
    driver().failNext("rsnrpz_chan_isMeasurementComplete", {-2, -2, 0, -2, -2});
    EXPECT_DOUBLE_EQ(read(), 0.0);
    EXPECT_EQ(driver().count("rsnrpz_chan_isMeasurementComplete"), 6);
    EXPECT_EQ(driver().count("rsnrpz_error_message"), 4);
}

TEST_F(ReadingTest, CompletionClaimedByAFailedPollIsNotBelieved)
{
    driver().completeOnPoll = 1;
    driver().failNext("rsnrpz_chan_isMeasurementComplete", {-2});
    EXPECT_DOUBLE_EQ(read(), 0.0);
    EXPECT_EQ(driver().count("rsnrpz_chan_isMeasurementComplete"), 2);
}

TEST_F(ReadingTest, MeasurementThatNeverCompletesTimesOutAfter200Polls)
{
    driver().completeOnPoll = 0;
    EXPECT_TRUE(std::isnan(read()));
    EXPECT_EQ(output, "Error: Measurement timed out\r\n");
    EXPECT_EQ(driver().count("rsnrpz_chan_isMeasurementComplete"), 200);
    EXPECT_EQ(driver().count("pause"), 200);
    EXPECT_EQ(driver().count("rsnrpz_meass_fetchBufferMeasurement"), 0);
}

TEST_F(ReadingTest, CompletionOnTheLastAllowedPollStillReads)
{
    driver().completeOnPoll = 200;
    EXPECT_DOUBLE_EQ(read(), 0.0);
    EXPECT_EQ(output, "");
}

TEST_F(ReadingTest, EachReadingStartsAfresh)
{
    driver().values = {1.0};
    EXPECT_DOUBLE_EQ(read(), 30.0);
    driver().failNext("rsnrpz_meass_fetchBufferMeasurement", {-1});
    EXPECT_TRUE(std::isnan(read()));
    driver().values = {1e-3};
    EXPECT_DOUBLE_EQ(read(), 0.0);
}

TEST(ReadingWithoutSessionTest, UsesHandleZeroAndGivesUpOnFailedPolls)
{
    resetFakeDriver();
    SensorSession = 0;
    // What a driver says to a handle it never issued.
    fakeDriver().failNext("rsnrpz_chan_isMeasurementComplete", {-1, -1, -1});
    double reading = 0.0;
    std::string ignored = captureStdout([&] { reading = PowerMeterPower(); });
    EXPECT_TRUE(std::isnan(reading));
    EXPECT_EQ(fakeDriver().calls.front(), "rsnrpz_chan_initiate(0,1)");
}

} // namespace

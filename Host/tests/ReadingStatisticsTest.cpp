#include "ReadingStatistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

const double Infinity = std::numeric_limits<double>::infinity();
const double NotANumber = std::numeric_limits<double>::quiet_NaN();

struct StatusCase {
    double dbm;
    ReadingStatus status;
    const char *name;
};

TEST(ReadingStatusTest, ClassifiesWhatThePlugInReturns)
{
    const StatusCase cases[] = {
        {-20.0, ReadingStatus::Ok, "ok"},
        {0.0, ReadingStatus::Ok, "ok"},
        {-1000.0, ReadingStatus::Ok, "ok"},
        {NotANumber, ReadingStatus::Failed, "failed"},
        {-Infinity, ReadingStatus::MinusInfinity, "-inf"},
        {Infinity, ReadingStatus::PlusInfinity, "+inf"},
    };
    for (const StatusCase &c : cases) {
        SCOPED_TRACE(c.dbm);
        EXPECT_EQ(ReadingStatusOf(c.dbm), c.status);
        EXPECT_STREQ(ReadingStatusName(ReadingStatusOf(c.dbm)), c.name);
    }
}

TEST(ReadingStatisticsTest, MeanIsAveragedInLinearPower)
{
    ReadingStatistics statistics;
    statistics.add(0.0);  // 1 mW
    statistics.add(10.0); // 10 mW
    EXPECT_DOUBLE_EQ(statistics.meanMilliwatts(), 5.5);
    // Not the 5 dBm an average of the dBm figures would give.
    EXPECT_NEAR(statistics.meanDbm(), 10.0 * std::log10(5.5), 1e-12);
}

TEST(ReadingStatisticsTest, ExtremesAndSampleStandardDeviationOfDbm)
{
    ReadingStatistics statistics;
    for (double dbm : {-22.0, -20.0, -21.0, -19.0, -18.0})
        statistics.add(dbm);
    EXPECT_EQ(statistics.count(), 5);
    EXPECT_DOUBLE_EQ(statistics.minimumDbm(), -22.0);
    EXPECT_DOUBLE_EQ(statistics.maximumDbm(), -18.0);
    // Deviations -2, 0, -1, 1, 2 from -20: 10 / (5 - 1).
    EXPECT_NEAR(statistics.standardDeviationDb(), std::sqrt(2.5), 1e-12);
}

TEST(ReadingStatisticsTest, FailedAndInfiniteReadingsAreCountedApart)
{
    ReadingStatistics statistics;
    statistics.add(NotANumber);
    statistics.add(-30.0);
    statistics.add(-Infinity);
    statistics.add(NotANumber);
    statistics.add(Infinity);
    EXPECT_EQ(statistics.count(), 5);
    EXPECT_EQ(statistics.failed(), 2);
    EXPECT_EQ(statistics.outOfRange(), 2);
    EXPECT_EQ(statistics.valid(), 1);
    EXPECT_DOUBLE_EQ(statistics.meanDbm(), -30.0);
    EXPECT_DOUBLE_EQ(statistics.minimumDbm(), -30.0);
    EXPECT_DOUBLE_EQ(statistics.maximumDbm(), -30.0);
    EXPECT_DOUBLE_EQ(statistics.standardDeviationDb(), 0.0);
}

TEST(ReadingStatisticsTest, NoNumberGivesNoFigures)
{
    ReadingStatistics statistics;
    statistics.add(NotANumber);
    EXPECT_EQ(statistics.failed(), 1);
    EXPECT_TRUE(std::isnan(statistics.meanDbm()));
    EXPECT_TRUE(std::isnan(statistics.meanMilliwatts()));
    EXPECT_TRUE(std::isnan(statistics.minimumDbm()));
    EXPECT_TRUE(std::isnan(statistics.maximumDbm()));
    EXPECT_TRUE(std::isnan(statistics.standardDeviationDb()));
}

TEST(ReadingStatisticsTest, SpreadStaysExactOverALongRunFarFromZero)
{
    // A naive sum of squares loses the 0.01 dB spread next to 1e4 dB^2.
    ReadingStatistics statistics;
    for (int i = 0; i < 1000000; ++i)
        statistics.add(i % 2 == 0 ? -100.01 : -99.99);
    EXPECT_NEAR(statistics.standardDeviationDb(), 0.01, 1e-6);
}

} // namespace

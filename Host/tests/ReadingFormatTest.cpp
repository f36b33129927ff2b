#include "ReadingFormat.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

const double Infinity = std::numeric_limits<double>::infinity();
const double NotANumber = std::numeric_limits<double>::quiet_NaN();

struct ReadingCase {
    double dbm;
    const char *text;
    const char *csv;
    const char *json;
};

TEST(ReadingFormatTest, EachFormatWritesEveryKindOfReading)
{
    const ReadingCase cases[] = {
        {-20.0031754, "-20.003 dBm\n", "3,0.150,-20.003175\n",
         "{\"type\":\"reading\",\"index\":3,\"time_s\":0.150,\"dbm\":-20.003175,\"status\":\"ok\"}\n"},
        {0.0, "0.000 dBm\n", "3,0.150,0.000000\n",
         "{\"type\":\"reading\",\"index\":3,\"time_s\":0.150,\"dbm\":0.000000,\"status\":\"ok\"}\n"},
        {NotANumber, "failed\n", "3,0.150,nan\n",
         "{\"type\":\"reading\",\"index\":3,\"time_s\":0.150,\"dbm\":null,\"status\":\"failed\"}\n"},
        {-Infinity, "-inf dBm\n", "3,0.150,-inf\n",
         "{\"type\":\"reading\",\"index\":3,\"time_s\":0.150,\"dbm\":null,\"status\":\"-inf\"}\n"},
        {Infinity, "inf dBm\n", "3,0.150,inf\n",
         "{\"type\":\"reading\",\"index\":3,\"time_s\":0.150,\"dbm\":null,\"status\":\"+inf\"}\n"},
    };
    for (const ReadingCase &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatTextReading(c.dbm), c.text);
        EXPECT_EQ(FormatCsvReading(3, 0.15, c.dbm), c.csv);
        EXPECT_EQ(FormatJsonReading(3, 0.15, c.dbm), c.json);
    }
    EXPECT_EQ(FormatCsvHeader(), "index,time_s,dbm\n");
}

ReadingStatistics StatisticsOf(std::initializer_list<double> readings)
{
    ReadingStatistics statistics;
    for (double dbm : readings)
        statistics.add(dbm);
    return statistics;
}

TEST(ReadingFormatTest, TextSummaryGivesCountsMeanInBothUnitsAndSpread)
{
    std::string summary = FormatTextSummary(StatisticsOf({0.0, 10.0, NotANumber}), RunEnd::Completed);
    EXPECT_EQ(summary, "--\n"
                       "readings  3\n"
                       "failed    1\n"
                       "mean      7.404 dBm = 5.5 mW (averaged in linear power)\n"
                       "minimum   0.000 dBm\n"
                       "maximum   10.000 dBm\n"
                       "std dev   7.071 dB\n");
}

TEST(ReadingFormatTest, TextSummarySaysHowTheRunEndedAndWhatWasLeftOut)
{
    std::string summary = FormatTextSummary(StatisticsOf({NotANumber, -Infinity}), RunEnd::Interrupted);
    EXPECT_EQ(summary, "--\n"
                       "readings  2 (stopped by Ctrl-C)\n"
                       "failed    1\n"
                       "infinite  1 (not in the figures below)\n"
                       "no readings to average\n");
}

TEST(ReadingFormatTest, JsonSummaryHasNullForFiguresItCannotGive)
{
    EXPECT_EQ(FormatJsonSummary(StatisticsOf({NotANumber}), RunEnd::Interrupted),
              "{\"type\":\"summary\",\"readings\":1,\"failed\":1,\"infinite\":0,\"mean_dbm\":null,"
              "\"mean_mw\":null,\"min_dbm\":null,\"max_dbm\":null,\"stddev_db\":null,"
              "\"stopped\":\"interrupted\"}\n");
    EXPECT_EQ(FormatJsonSummary(StatisticsOf({0.0, 10.0}), RunEnd::Completed),
              "{\"type\":\"summary\",\"readings\":2,\"failed\":0,\"infinite\":0,\"mean_dbm\":7.403627,"
              "\"mean_mw\":5.5,\"min_dbm\":0.000000,\"max_dbm\":10.000000,\"stddev_db\":7.071068,"
              "\"stopped\":\"completed\"}\n");
}

} // namespace

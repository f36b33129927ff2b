// The failure report that follows every driver call.
#include "PluginTest.h"

#include <string>

namespace {

class StatusReportTest : public PluginTest {};

struct ReportCase {
    const char *name;
    RsnrpzStatus status;
    const char *expectedOutput;
};

void PrintTo(const ReportCase &report, std::ostream *out)
{
    *out << report.name;
}

class StatusReportCases : public StatusReportTest, public ::testing::WithParamInterface<ReportCase> {};

TEST_P(StatusReportCases, PrintsOnlyNegativeStatuses)
{
    driver().errorTexts[-5] = "Sensor not responding";
    std::string output = captureStdout([] { SensorCheckStatus(GetParam().status, 7); });
    EXPECT_EQ(output, GetParam().expectedOutput);
}

INSTANTIATE_TEST_SUITE_P(Statuses, StatusReportCases,
                         ::testing::Values(ReportCase{"Success", 0, ""}, ReportCase{"Warning", 1073, ""},
                                           ReportCase{"Error", -5, "Error: Sensor not responding\r\n"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(StatusReportTest, AsksTheDriverForTheTextOfThatStatusAndSession)
{
    std::string ignored = captureStdout([] { SensorCheckStatus(-9, 42); });
    EXPECT_EQ(driver().calls, std::vector<std::string>{"rsnrpz_error_message(42,-9)"});
}

TEST_F(StatusReportTest, EmptyDriverTextStillGivesTheLine)
{
    driver().errorTexts[-1] = "";
    EXPECT_EQ(captureStdout([] { SensorCheckStatus(-1, 7); }), "Error: \r\n");
}

TEST_F(StatusReportTest, TwoFailuresGiveTwoLinesInOrder)
{
    driver().errorTexts[-1] = "first";
    driver().errorTexts[-2] = "second";
    std::string output = captureStdout([] {
        SensorCheckStatus(-1, 7);
        SensorCheckStatus(-2, 7);
    });
    EXPECT_EQ(output, "Error: first\r\nError: second\r\n");
}

TEST_F(StatusReportTest, UnterminatedDriverTextIsCutAt255Characters)
{
    driver().unterminatedErrorText = true;
    std::string output = captureStdout([] { SensorCheckStatus(-1, 7); });
    EXPECT_EQ(output, "Error: " + std::string(255, 'x') + "\r\n");
}

TEST_F(StatusReportTest, LineIsFlushedBeforeTheReportReturns)
{
    // A marker written past stdio lands before any line still buffered there.
    std::string output = captureStdout([] {
        SensorCheckStatus(-1, 7);
        writeToStdoutDescriptor("|marker");
    });
    EXPECT_EQ(output, "Error: driver error -1\r\n|marker");
}

} // namespace

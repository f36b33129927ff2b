#include "WatchScreen.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

const double Infinity = std::numeric_limits<double>::infinity();
const double NotANumber = std::numeric_limits<double>::quiet_NaN();

struct BarCase {
    double dbm;
    const char *bar;
};

TEST(WatchBarTest, FillsInProportionBetweenThePowerLimits)
{
    const BarCase cases[] = {
        {-100.0, ".........."}, {-20.0, "####......"}, {0.0, "#####....."},
        {100.0, "##########"},  {150.0, "##########"}, {-150.0, ".........."},
        {-Infinity, ".........."}, {Infinity, "##########"}, {NotANumber, ".........."},
    };
    for (const BarCase &c : cases) {
        SCOPED_TRACE(c.dbm);
        EXPECT_EQ(WatchBar(c.dbm, -100.0, 100.0, 10, false), c.bar);
    }
}

TEST(WatchBarTest, EmptyRangeOrNoRoomDrawsNothingWrong)
{
    EXPECT_EQ(WatchBar(5.0, 0.0, 0.0, 4, false), "....");
    EXPECT_EQ(WatchBar(5.0, -100.0, 100.0, -3, false), "");
}

class WatchScreenTest : public ::testing::Test {
protected:
    WatchScreenTest()
    {
        state.instrument = "Rohde&Schwarz NRPZ";
        state.powerMinimum = -100.0;
        state.powerMaximum = 100.0;
        for (double dbm : {-20.5, NotANumber, -19.5}) {
            state.latestDbm = dbm;
            state.statistics.add(dbm);
            ++state.index;
        }
    }
    WatchState state;
};

TEST_F(WatchScreenTest, ScreenShowsNameBigReadingBarAndRunningFigures)
{
    std::string screen = WatchScreenRender(state, 80, false);
    EXPECT_NE(screen.find("Rohde&Schwarz NRPZ    reading 3\n"), std::string::npos);
    EXPECT_NE(screen.find("dBm\n"), std::string::npos);
    EXPECT_NE(screen.find(" -100 dBm [####"), std::string::npos);
    EXPECT_NE(screen.find("] 100 dBm\n"), std::string::npos);
    EXPECT_NE(screen.find("min -20.500   max -19.500   mean -19.971 dBm   failed 1"), std::string::npos);
    // Nothing wider than the terminal.
    std::size_t start = 0;
    for (std::size_t end; (end = screen.find('\n', start)) != std::string::npos; start = end + 1)
        EXPECT_LE(end - start, 80u) << screen.substr(start, end - start);
}

TEST_F(WatchScreenTest, NarrowTerminalGetsNarrowDigits)
{
    std::string screen = WatchScreenRender(state, 60, false);
    std::size_t start = 0;
    for (std::size_t end; (end = screen.find('\n', start)) != std::string::npos; start = end + 1)
        EXPECT_LE(end - start, 60u) << screen.substr(start, end - start);
}

TEST_F(WatchScreenTest, LineModeGivesOneLinePerReading)
{
    EXPECT_EQ(WatchLine(state), "3 -19.500 dBm  min -20.500  max -19.500  mean -19.971\n");
    state.latestDbm = NotANumber;
    EXPECT_EQ(WatchLine(state), "3 failed  min -20.500  max -19.500  mean -19.971\n");
}

} // namespace

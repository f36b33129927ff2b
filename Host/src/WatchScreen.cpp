#include "WatchScreen.h"

#include "BigText.h"
#include "ReadingFormat.h"

#include <algorithm>
#include <cmath>

/* The reading as the big digits show it: two decimals, or what went wrong. */
static std::string WatchBigValue(double dbm)
{
    switch (ReadingStatusOf(dbm)) {
    case ReadingStatus::Failed:
        return "nan";
    case ReadingStatus::MinusInfinity:
        return "-inf";
    case ReadingStatus::PlusInfinity:
        return "+inf";
    case ReadingStatus::Ok:
        break;
    }
    return FormatNumber("%.2f", dbm);
}

static std::string WatchFigure(double dbm)
{
    return std::isfinite(dbm) ? FormatNumber("%.3f", dbm) : "--";
}

std::string WatchBar(double dbm, double minimum, double maximum, int width, bool utf8)
{
    width = std::max(width, 0);
    int filled = 0;
    if (!std::isnan(dbm)) {
        double fraction = maximum > minimum ? (dbm - minimum) / (maximum - minimum) : 0.0;
        if (std::isnan(fraction))
            fraction = 0.0;
        fraction = std::min(1.0, std::max(0.0, fraction));
        filled = static_cast<int>(std::lround(fraction * width));
    }
    std::string bar;
    for (int i = 0; i < width; ++i)
        bar += i < filled ? (utf8 ? "\u2588" : "#") : (utf8 ? "\u2591" : ".");
    return bar;
}

std::string WatchScreenRender(const WatchState &state, int columns, bool utf8)
{
    std::string value = WatchBigValue(state.latestDbm);
    std::string ink = utf8 ? "\u2588" : "#";
    // Square-looking dots where they fit, narrow ones otherwise.
    int dotWidth = BigTextColumns(value, 2) + 5 <= columns ? 2 : 1;

    std::string screen = " " + state.instrument + "    reading " + std::to_string(state.index) + "\n\n";
    std::vector<std::string> rows = BigTextRender(value, dotWidth, ink);
    for (std::size_t row = 0; row < rows.size(); ++row)
        screen += " " + rows[row] + (row + 1 == rows.size() ? "  dBm" : "") + "\n";
    screen += "\n";

    std::string low = FormatNumber("%g", state.powerMinimum) + " dBm ";
    std::string high = " " + FormatNumber("%g", state.powerMaximum) + " dBm";
    int barWidth = columns - 2 - static_cast<int>(low.size() + high.size()) - 2;
    screen += " " + low + "[" +
              WatchBar(state.latestDbm, state.powerMinimum, state.powerMaximum, barWidth, utf8) + "]" +
              high + "\n\n";

    const ReadingStatistics &s = state.statistics;
    screen += " min " + WatchFigure(s.minimumDbm()) + "   max " + WatchFigure(s.maximumDbm()) +
              "   mean " + WatchFigure(s.meanDbm()) + " dBm   failed " + std::to_string(s.failed()) +
              "\n\n Ctrl-C to stop\n";
    return screen;
}

std::string WatchLine(const WatchState &state)
{
    const ReadingStatistics &s = state.statistics;
    std::string reading = FormatTextReading(state.latestDbm);
    reading.pop_back(); // its newline
    return std::to_string(state.index) + " " + reading + "  min " + WatchFigure(s.minimumDbm()) +
           "  max " + WatchFigure(s.maximumDbm()) + "  mean " + WatchFigure(s.meanDbm()) + "\n";
}

#include "ReadingFormat.h"

#include <cmath>
#include <cstdio>

std::string FormatNumber(const char *format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string FormatJsonNumber(const char *format, double value)
{
    return std::isfinite(value) ? FormatNumber(format, value) : "null";
}

/* printf spells the non-finite values differently from one C library to the
 * next (MSVCRT: "-1.#INF"); write them one way everywhere. */
static std::string FormatPortable(const char *format, double value)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0.0 ? "-inf" : "inf";
    return FormatNumber(format, value);
}

std::string FormatTextReading(double dbm)
{
    if (ReadingStatusOf(dbm) == ReadingStatus::Failed)
        return "failed\n";
    return FormatPortable("%.3f", dbm) + " dBm\n";
}

std::string FormatTextSummary(const ReadingStatistics &statistics, RunEnd end)
{
    std::string text = "--\n";
    text += "readings  " + std::to_string(statistics.count());
    text += end == RunEnd::Interrupted ? " (stopped by Ctrl-C)\n" : "\n";
    text += "failed    " + std::to_string(statistics.failed()) + "\n";
    if (statistics.outOfRange() > 0)
        text += "infinite  " + std::to_string(statistics.outOfRange()) + " (not in the figures below)\n";
    if (statistics.valid() == 0) {
        text += "no readings to average\n";
        return text;
    }
    text += "mean      " + FormatNumber("%.3f", statistics.meanDbm()) + " dBm = " +
            FormatNumber("%.6g", statistics.meanMilliwatts()) + " mW (averaged in linear power)\n";
    text += "minimum   " + FormatNumber("%.3f", statistics.minimumDbm()) + " dBm\n";
    text += "maximum   " + FormatNumber("%.3f", statistics.maximumDbm()) + " dBm\n";
    text += "std dev   " + FormatNumber("%.3f", statistics.standardDeviationDb()) + " dB\n";
    return text;
}

std::string FormatCsvHeader()
{
    return "index,time_s,dbm\n";
}

std::string FormatCsvReading(long index, double seconds, double dbm)
{
    return std::to_string(index) + "," + FormatNumber("%.3f", seconds) + "," +
           FormatPortable("%.6f", dbm) + "\n";
}

std::string FormatJsonReading(long index, double seconds, double dbm)
{
    return "{\"type\":\"reading\",\"index\":" + std::to_string(index) +
           ",\"time_s\":" + FormatJsonNumber("%.3f", seconds) +
           ",\"dbm\":" + FormatJsonNumber("%.6f", dbm) + ",\"status\":\"" +
           ReadingStatusName(ReadingStatusOf(dbm)) + "\"}\n";
}

std::string FormatJsonSummary(const ReadingStatistics &statistics, RunEnd end)
{
    return "{\"type\":\"summary\",\"readings\":" + std::to_string(statistics.count()) +
           ",\"failed\":" + std::to_string(statistics.failed()) +
           ",\"infinite\":" + std::to_string(statistics.outOfRange()) +
           ",\"mean_dbm\":" + FormatJsonNumber("%.6f", statistics.meanDbm()) +
           ",\"mean_mw\":" + FormatJsonNumber("%.9g", statistics.meanMilliwatts()) +
           ",\"min_dbm\":" + FormatJsonNumber("%.6f", statistics.minimumDbm()) +
           ",\"max_dbm\":" + FormatJsonNumber("%.6f", statistics.maximumDbm()) +
           ",\"stddev_db\":" + FormatJsonNumber("%.6f", statistics.standardDeviationDb()) +
           ",\"stopped\":\"" + (end == RunEnd::Interrupted ? "interrupted" : "completed") + "\"}\n";
}

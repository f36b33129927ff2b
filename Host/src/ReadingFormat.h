/* How readings and run summaries are written: text for people, CSV and
 * JSON Lines for programs. Every function returns whole lines. */
#ifndef POWERMETER_HOST_READING_FORMAT_H
#define POWERMETER_HOST_READING_FORMAT_H

#include "ReadingStatistics.h"

#include <string>

enum class OutputFormat { Text, Csv, Json };

/* How a run ended, for its summary. */
enum class RunEnd { Completed, Interrupted };

/* ---- Text ------------------------------------------------------------------
 * "-20.003 dBm"; a failed reading is "failed", an infinite one "-inf dBm". */
std::string FormatTextReading(double dbm);
std::string FormatTextSummary(const ReadingStatistics &statistics, RunEnd end);

/* ---- CSV -------------------------------------------------------------------
 * Header "index,time_s,dbm"; a NaN or infinite reading is written "nan",
 * "-inf" or "inf", which spreadsheet and numeric libraries read back. */
std::string FormatCsvHeader();
std::string FormatCsvReading(long index, double seconds, double dbm);

/* ---- JSON Lines ------------------------------------------------------------
 * One object a line. A reading that is not a number has "dbm": null; its
 * "status" says which ("ok", "failed", "-inf", "+inf"). The run ends with
 * one object of "type" "summary". */
std::string FormatJsonReading(long index, double seconds, double dbm);
std::string FormatJsonSummary(const ReadingStatistics &statistics, RunEnd end);

/* ---- Numbers ---------------------------------------------------------------
 * printf-style, but never "nan"/"inf" in JSON: a non-finite value is null. */
std::string FormatNumber(const char *format, double value);
std::string FormatJsonNumber(const char *format, double value);

#endif /* POWERMETER_HOST_READING_FORMAT_H */

#include "Commands.h"
#include "ExitCodes.h"
#include "Interrupt.h"
#include "PowerMeterPlugin.h"
#include "Progress.h"
#include "Recovery.h"
#include "Terminal.h"

#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

/* The progress line on a terminal's stderr, once a run has lasted a while. */
class ReadProgress {
public:
    ReadProgress(long total) : total_(total), enabled_(TerminalIsInteractive(stderr)) {}

    void show(long done, double elapsedSeconds)
    {
        if (!enabled_ || elapsedSeconds < 1.0)
            return;
        std::string text = ProgressText(done, total_, elapsedSeconds);
        std::fprintf(stderr, "\r%s", text.c_str());
        std::fflush(stderr);
        shown_ = text.size();
    }

    /* Before any other output: the line is erased, to be drawn again. */
    void clear()
    {
        if (shown_ == 0)
            return;
        std::fprintf(stderr, "\r%s\r", std::string(shown_, ' ').c_str());
        std::fflush(stderr);
        shown_ = 0;
    }

private:
    long total_;
    bool enabled_;
    std::size_t shown_ = 0;
};

void ReadWrite(std::FILE *stream, const std::string &text)
{
    std::fputs(text.c_str(), stream);
    // The plug-in writes to stdout too; keep the lines in order.
    std::fflush(stream);
}

std::string ReadFormatReading(OutputFormat format, long index, double seconds, double dbm)
{
    switch (format) {
    case OutputFormat::Csv:
        return FormatCsvReading(index, seconds, dbm);
    case OutputFormat::Json:
        return FormatJsonReading(index, seconds, dbm);
    case OutputFormat::Text:
        break;
    }
    return FormatTextReading(dbm);
}

} // namespace

int ReadCommandRun(const ReadOptions &options)
{
    PluginLibrary library;
    PowerMeterPlugin plugin;
    if (!PowerMeterOpen(options.plugin, library, plugin))
        return ExitPluginUnusable;

    // Open the file before the sensor, so a bad path costs no set-up.
    std::FILE *out = stdout;
    std::FILE *file = nullptr;
    if (!options.output.empty()) {
        file = std::fopen(options.output.c_str(), "w");
        if (file == nullptr) {
            std::fprintf(stderr, "powermeter: cannot write %s: %s\n", options.output.c_str(),
                         std::strerror(errno));
            return ExitOutputFailed;
        }
        out = file;
    }

    InterruptCatch();
    if (!PowerMeterSetUp(plugin)) {
        if (file != nullptr)
            std::fclose(file);
        return ExitSetupFailed;
    }

    if (options.format == OutputFormat::Csv)
        ReadWrite(out, FormatCsvHeader());

    ReadingStatistics statistics;
    ReadProgress progress(options.continuous ? 0 : options.count);
    RunEnd end = RunEnd::Completed;
    auto start = std::chrono::steady_clock::now();
    for (long index = 1; options.continuous || index <= options.count; ++index) {
        if (InterruptRequested()) {
            end = RunEnd::Interrupted;
            break;
        }
        double dbm = plugin.PowerMeterPower();
        double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        statistics.add(dbm);
        progress.clear();
        ReadWrite(out, ReadFormatReading(options.format, index, seconds, dbm));
        bool more = options.continuous || index < options.count;
        if (std::isnan(dbm) && more)
            RecoverAfterFailedReading(plugin, index, stderr);
        progress.show(index, seconds);
    }
    progress.clear();

    if (options.format == OutputFormat::Text)
        ReadWrite(out, FormatTextSummary(statistics, end));
    else if (options.format == OutputFormat::Json)
        ReadWrite(out, FormatJsonSummary(statistics, end));
    if (file != nullptr) {
        bool written = std::ferror(file) == 0;
        written = std::fclose(file) == 0 && written;
        // The file holds the record; the screen gets the summary.
        ReadWrite(stdout, FormatTextSummary(statistics, end));
        if (!written) {
            std::fprintf(stderr, "powermeter: cannot write %s\n", options.output.c_str());
            return ExitOutputFailed;
        }
    }
    return statistics.failed() > 0 ? ExitReadingFailed : ExitSuccess;
}

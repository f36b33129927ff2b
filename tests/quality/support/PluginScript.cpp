#include "PluginScript.h"

#include "ByteDriver.h"
#include "OutputRecorder.h"
#include "RohdeSchwarzNRPZ.h"
#include "sensor/Sensor.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

constexpr int MaxSteps = 64;

constexpr std::string_view ErrorPrefix = "Error: ";
constexpr std::string_view LineEnd = "\r\n";
constexpr std::string_view TimedOutLine = "Error: Measurement timed out\r\n";
constexpr std::string_view CannotOpenLines = "Cannot open NRP_Z11 USB Power Meter\n\nHit any key to continue\n";

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "PluginScript: %s\n", what);
    std::string_view out = OutputRecorder::recorded();
    std::fprintf(stderr, "output (%zu bytes): ", out.size());
    for (char c : out.substr(0, 2048))
        std::fprintf(stderr, c >= 32 && c < 127 ? "%c" : "\\x%02x", static_cast<unsigned char>(c));
    std::fprintf(stderr, "\n");
    std::fflush(stderr);
    std::abort();
}

void expect(bool holds, const char *what)
{
    if (!holds)
        fail(what);
}

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

// What one entry point printed, taken apart into its lines.
struct Lines {
    bool timedOut = false;
    bool cannotOpen = false;
};

// Every byte printed must belong to a whole line of a known form, and every
// driver failure must have exactly its one line, in order. The plug-in's
// own lines may only end the output.
Lines takeLines()
{
    expect(!OutputRecorder::pending(), "an entry point returned with output not flushed");
    expect(!OutputRecorder::overflowed(), "an entry point printed more than 1 MiB");
    std::string_view out = OutputRecorder::recorded();
    const ByteDriver::Record &r = ByteDriver::record();
    Lines lines;
    int nextText = 0;
    while (!out.empty()) {
        if (nextText < r.texts && startsWith(out, ErrorPrefix)) {
            std::string_view text = r.text[nextText];
            std::string_view rest = out.substr(ErrorPrefix.size());
            if (startsWith(rest, text) && startsWith(rest.substr(text.size()), LineEnd)) {
                out = rest.substr(text.size() + LineEnd.size());
                ++nextText;
                continue;
            }
        }
        if (out == TimedOutLine) {
            lines.timedOut = true;
            break;
        }
        if (out == CannotOpenLines) {
            lines.cannotOpen = true;
            break;
        }
        fail("printed bytes that are not whole lines of the documented forms");
    }
    expect(nextText == r.texts, "a driver failure was not reported with its text");
    OutputRecorder::clear();
    return lines;
}

void checkOpen(int32_t result)
{
    const ByteDriver::Record &r = ByteDriver::record();
    Lines lines = takeLines();
    expect(r.inits == 1, "an open did not call rsnrpz_init exactly once");
    expect(!lines.timedOut, "an open printed a time-out");
    if (r.initStatus != 0) {
        expect(result == -1, "a failed rsnrpz_init did not give -1");
        expect(r.revisionQueries == 0 && r.setupSteps == 0, "set-up went on after a failed rsnrpz_init");
        expect(lines.cannotOpen, "a failed rsnrpz_init did not print the two lines");
        return;
    }
    expect(!lines.cannotOpen, "an open that succeeded printed that it cannot open");
    expect(r.revisionQueries == 1 && r.setupSteps == 5, "an open skipped a set-up step");
    expect(result == (r.setupStepFailed ? -1 : 0), "the open's result does not match its set-up steps");
}

void checkReading(double result)
{
    const ByteDriver::Record &r = ByteDriver::record();
    Lines lines = takeLines();
    expect(!lines.cannotOpen, "a reading printed that it cannot open");
    expect(r.initiates == 1, "a reading did not start exactly one measurement");
    expect(r.pauses == r.polls, "a poll without its pause, or a pause without a poll");
    if (r.initiateStatus < 0) {
        expect(r.polls == 0 && r.fetches == 0, "a reading went on after its start failed");
        expect(std::isnan(result), "a failed start did not give NaN");
        return;
    }
    expect(r.polls >= 1, "a reading fetched without polling");
    if (r.fetches == 0) {
        expect(std::isnan(result), "a reading that fetched nothing did not give NaN");
        if (lines.timedOut)
            expect(r.polls == ByteDriver::PollLimit && !r.lastPollFoundComplete, "a time-out before 200 polls");
        else
            expect(r.failedPollsInRow == 3, "a reading gave up without a time-out or three failed polls");
        return;
    }
    expect(!lines.timedOut, "a reading that fetched printed a time-out");
    expect(r.fetches == 1, "a reading fetched more than once");
    expect(r.lastPollFoundComplete, "a reading fetched before a good poll found the measurement complete");
    bool countFits = r.readCountWritten && r.readCount >= 1 && r.readCount <= ByteDriver::ResultCapacity;
    if (r.fetchStatus < 0 || !countFits) {
        expect(std::isnan(result), "a failed fetch or an unusable count did not give NaN");
        return;
    }
    if (r.readCount <= r.valuesWritten) {
        double expected = 10.0 * std::log10(r.values[r.readCount - 1] * 1000.0);
        bool same = std::isnan(expected) ? std::isnan(result) : result == expected;
        expect(same, "a reading is not the last fetched value in dBm");
    }
}

void checkIdentity()
{
    const char *name = EquipmentName();
    expect(std::strcmp(name, "Rohde&Schwarz NRPZ") == 0 && PowerMeterModel() == name, "the name changed");
    expect(PowerMeterPowerMinimum() == -100.0 && PowerMeterPowerMaximum() == 100.0 &&
               PowerMeterFrequencyMinimum() == 0.0 && PowerMeterFrequencyMaximum() == 1.0e12 &&
               PowerMeterDurationMinimum() == 0.0 && PowerMeterDurationMaximum() == 1.0,
           "a limit changed");
    expect(PowerMeterFrequencySet() == 0 && PowerMeterPowerLevelSet() == 0 && PowerMeterDurationSet() == 0,
           "a setter did not answer 0");
    const ByteDriver::Record &r = ByteDriver::record();
    expect(r.inits + r.initiates + r.polls + r.pauses + r.texts == 0, "an identity entry point used the driver");
    expect(OutputRecorder::recorded().empty() && !OutputRecorder::pending(), "an identity entry point printed");
}

} // namespace

void runPluginScript(const uint8_t *data, size_t size)
{
    RecordedStdout recorded;
    OutputRecorder::clear();
    SensorSession = 0;
    ByteDriver::expectSession(0);
    ByteDriver::start(data, size);
    for (int step = 0; step < MaxSteps && !ByteDriver::exhausted(); ++step) {
        ByteDriver::clearRecord();
        switch (ByteDriver::takeByte(0) % 4) {
        case 0: checkOpen(EquipmentSetup()); break;
        case 1: checkOpen(PowerMeterReset()); break;
        case 2: checkReading(PowerMeterPower()); break;
        default: checkIdentity(); break;
        }
    }
}

#include "ScenarioRun.h"

#include "ProcessWatch.h"
#include "RohdeSchwarzNRPZ.h"
#include "StdoutCapture.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#if defined(_WIN32)
#include <windows.h>
#endif

/* A setter called the way a host passes its setting. The entry points use
 * the C convention, so the caller removes the argument again. */
typedef int32_t(POWERMETER_CALL *PowerMeterSetWithSetting)(double);

/* The mismatch with the (void) definition is the point of the call, so
 * the sanitizer's function-type check must not stop it. */
#if defined(__clang__)
#define CHECK_HOST_STYLE_CALL __attribute__((no_sanitize("function")))
#else
#define CHECK_HOST_STYLE_CALL
#endif

void ScriptDriver(const Scenario &scenario, DriverExchange &exchange)
{
    std::memset(&exchange, 0, sizeof exchange);
    exchange.magic = CHECK_EXCHANGE_MAGIC;
    exchange.size = sizeof exchange;
    for (const ScenarioAnswer &scripted : scenario.answers) {
        CheckAnswerQueue &queue = exchange.queues[scripted.operation];
        queue.answers[queue.count++] = scripted.answer;
    }
    for (const CheckMessage &message : scenario.messages)
        exchange.messages[exchange.messageCount++] = message;
}

bool PublishExchange(DriverExchange &exchange)
{
    char address[32];
    std::snprintf(address, sizeof address, "%llx",
                  static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(&exchange)));
#if defined(_WIN32)
    return SetEnvironmentVariableA(CHECK_EXCHANGE_VARIABLE, address) != 0;
#else
    return setenv(CHECK_EXCHANGE_VARIABLE, address, 1) == 0;
#endif
}

namespace {

/* What one call gave back. */
struct Outcome {
    long long integer = 0;
    double number = 0.0;
    const char *text = nullptr;
};

std::string ShowNumber(double value)
{
    char shown[64];
    std::snprintf(shown, sizeof shown, "%.17g", value);
    return shown;
}

std::string ShowOutcome(EntryKind kind, const Outcome &outcome)
{
    switch (kind) {
    case EntryKind::Setup:
    case EntryKind::Set:
        return std::to_string(outcome.integer);
    case EntryKind::Read:
    case EntryKind::Limit:
        return ShowNumber(outcome.number);
    case EntryKind::Text:
        if (outcome.text == nullptr)
            return "NULL";
        return ShowText(outcome.text);
    }
    return "?";
}

/* "" when the result is as expected, else what is wrong. */
std::string CompareResult(const ExpectedResult &expected, const Outcome &outcome)
{
    double value = outcome.number;
    switch (expected.kind) {
    case ResultKind::Unchecked:
        return "";
    case ResultKind::Integer:
        return outcome.integer == expected.integer ? "" : "expected " + std::to_string(expected.integer);
    case ResultKind::Number:
        return std::fabs(value - expected.number) <= expected.tolerance
                   ? ""
                   : "expected " + ShowNumber(expected.number) + " within " + ShowNumber(expected.tolerance);
    case ResultKind::NotANumber:
        return std::isnan(value) ? "" : "expected NaN";
    case ResultKind::PlusInfinity:
        return std::isinf(value) && value > 0 ? "" : "expected inf";
    case ResultKind::MinusInfinity:
        return std::isinf(value) && value < 0 ? "" : "expected -inf";
    case ResultKind::Text:
        if (outcome.text == nullptr)
            return "expected " + ShowText(expected.text);
        return expected.text == outcome.text ? "" : "expected " + ShowText(expected.text);
    }
    return "unknown expectation";
}

CHECK_HOST_STYLE_CALL int32_t CallSetterWithSetting(void *entry, double setting)
{
    return reinterpret_cast<PowerMeterSetWithSetting>(entry)(setting);
}

Outcome Call(const EntryPointInfo &info, void *entry, const ScenarioStep &step)
{
    Outcome outcome;
    switch (info.kind) {
    case EntryKind::Setup:
        outcome.integer = reinterpret_cast<PowerMeterSetupFunction>(entry)();
        break;
    case EntryKind::Read:
        outcome.number = reinterpret_cast<PowerMeterReadFunction>(entry)();
        break;
    case EntryKind::Text:
        outcome.text = reinterpret_cast<PowerMeterTextFunction>(entry)();
        break;
    case EntryKind::Limit:
        outcome.number = reinterpret_cast<PowerMeterLimitFunction>(entry)();
        break;
    case EntryKind::Set:
        if (step.hasArgument)
            outcome.integer = CallSetterWithSetting(entry, step.argument);
        else
            outcome.integer = reinterpret_cast<PowerMeterSetFunction>(entry)();
        break;
    }
    return outcome;
}

std::vector<std::string> ExpectedLog(const ScenarioStep &step, bool pausesObserved)
{
    std::vector<std::string> expected;
    for (const std::string &line : step.log) {
        if (pausesObserved || line.compare(0, 6, "pause ") != 0)
            expected.push_back(line);
    }
    return expected;
}

/* Prints both logs around their first difference. */
void ShowLogDifference(const std::vector<std::string> &expected, const std::vector<std::string> &actual)
{
    size_t first = 0;
    while (first < expected.size() && first < actual.size() && expected[first] == actual[first])
        ++first;
    std::fprintf(stderr, "    driver log: %zu lines expected, %zu seen; first difference at line %zu\n",
                 expected.size(), actual.size(), first + 1);
    size_t from = first >= 3 ? first - 3 : 0;
    for (size_t i = from; i < first + 4; ++i) {
        if (i >= expected.size() && i >= actual.size())
            break;
        const char *mark = i == first ? ">" : " ";
        std::fprintf(stderr, "   %s %4zu expected: %s\n", mark, i + 1,
                     i < expected.size() ? expected[i].c_str() : "(nothing)");
        std::fprintf(stderr, "   %s %4zu seen:     %s\n", mark, i + 1,
                     i < actual.size() ? actual[i].c_str() : "(nothing)");
    }
}

size_t CountPauses(const std::vector<std::string> &log)
{
    size_t pauses = 0;
    for (const std::string &line : log)
        pauses += line.compare(0, 6, "pause ") == 0;
    return pauses;
}

} // namespace

int RunScenario(const Scenario &scenario, const std::vector<void *> &entries, DriverExchange &exchange,
                Observation observation)
{
    int failedSteps = 0;
    const char *previousText = nullptr;
    for (size_t index = 0; index < scenario.steps.size(); ++index) {
        const ScenarioStep &step = scenario.steps[index];
        const EntryPointInfo &info = PluginEntryPoints()[step.entry];
        exchange.logCount = 0;
        exchange.logDropped = 0;

        std::fflush(stdout);
        PauseWatchBegin(&exchange);
        HeapWatchBegin();
        Outcome outcome = Call(info, entries[step.entry], step);
        long allocations = HeapWatchEnd();
        PauseWatchEnd();
        std::string printed = CaptureTake();
        std::fflush(stdout);
        std::string unflushed = CaptureTake();

        std::vector<std::string> actualLog(exchange.log, exchange.log + exchange.logCount);
        std::vector<std::string> expectedLog = ExpectedLog(step, observation.pauses);

        std::vector<std::string> problems;
        std::string resultProblem = CompareResult(step.result, outcome);
        if (!resultProblem.empty())
            problems.push_back("result " + ShowOutcome(info.kind, outcome) + ", " + resultProblem);
        if (step.sameAddress && (outcome.text == nullptr || outcome.text != previousText))
            problems.push_back("text is not at the address the previous text had");
        if (printed + unflushed != step.output)
            problems.push_back("output " + ShowText(printed + unflushed) + "\n    expected " + ShowText(step.output));
        if (!unflushed.empty())
            problems.push_back("still in stdout's buffer when the call returned: " + ShowText(unflushed));
        if (exchange.logDropped > 0)
            problems.push_back("driver log overflowed by " + std::to_string(exchange.logDropped) + " lines");
        bool logMatches = actualLog == expectedLog;
        if (!logMatches)
            problems.push_back("driver calls differ");
        if (observation.heap && allocations != 0)
            problems.push_back(std::to_string(allocations) + " heap allocations");

        std::fprintf(stderr, "step %zu (line %d) %s: %s [result %s, %zu log lines, %zu pauses%s]\n", index + 1,
                     step.line, info.name, problems.empty() ? "ok" : "FAILED", ShowOutcome(info.kind, outcome).c_str(),
                     actualLog.size(), CountPauses(actualLog),
                     observation.heap ? (", " + std::to_string(allocations) + " allocations").c_str() : "");
        for (const std::string &problem : problems)
            std::fprintf(stderr, "    %s\n", problem.c_str());
        if (!logMatches)
            ShowLogDifference(expectedLog, actualLog);
        if (!problems.empty())
            ++failedSteps;
        if (info.kind == EntryKind::Text)
            previousText = outcome.text;
    }
    return failedSteps;
}

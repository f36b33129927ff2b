/*
 * Scenario.h - one scenario file: what the scripted driver answers, which
 * entry points the host calls, and what each call must give.
 *
 * The file format, one directive a line ('#' starts a comment):
 *
 *   answer <operation> status=<n> [session=<n>] [complete=<n>] [readcount=<n>]
 *          [values=<w>,<w>...] [fill=<w>] [repeat=<n>]
 *       Queues one answer of a driver operation (rsnrpz_...). Answers are
 *       used in order; the last one is used again once they run out; an
 *       operation with none answers 0 and writes nothing. session, complete
 *       and readcount are written only when given.
 *   message <status> <text>|none
 *       What rsnrpz_error_message writes for that status (nothing if none).
 *   call <EntryPoint> [<argument>]
 *       Starts a step: the host calls the entry point (a setter may be given
 *       one number, as a host would pass its setting).
 *   result <int> | <number> [within <tolerance>] | nan | inf | -inf | <text>
 *   address same         the text is at the address the previous text had
 *   output <text>        bytes printed during the call (lines add up)
 *   log <line>           one driver call, or "pause 50 ms", in call order
 *   repeat <n> ... end   the log lines between, n times
 *
 * A step's output and log are exact: none given means none allowed. Every
 * call must also allocate nothing. Texts are "quoted" (escapes \r \n \t \\
 * \" \xNN) and/or <char>*<count> runs, joined: "Error: " X*255 "\r\n".
 */
#ifndef POWERMETER_CHECK_SCENARIO_H
#define POWERMETER_CHECK_SCENARIO_H

#include "DriverExchange.h"

#include <string>
#include <vector>

/* ---- The plug-in's entry points -------------------------------------------- */
enum class EntryKind { Setup, Read, Text, Limit, Set };

struct EntryPointInfo {
    const char *name;
    EntryKind kind;
};

const std::vector<EntryPointInfo> &PluginEntryPoints();

/* ---- Expectations ---------------------------------------------------------- */
enum class ResultKind { Unchecked, Integer, Number, NotANumber, PlusInfinity, MinusInfinity, Text };

struct ExpectedResult {
    ResultKind kind = ResultKind::Unchecked;
    long long integer = 0;
    double number = 0.0;
    double tolerance = 1e-9;
    std::string text;
};

struct ScenarioStep {
    int line = 0;
    size_t entry = 0; /* index into PluginEntryPoints() */
    bool hasArgument = false;
    double argument = 0.0;
    ExpectedResult result;
    bool sameAddress = false;
    std::string output;
    std::vector<std::string> log;
};

struct ScenarioAnswer {
    CheckOperation operation;
    CheckAnswer answer;
};

struct Scenario {
    std::vector<ScenarioAnswer> answers;
    std::vector<CheckMessage> messages;
    std::vector<ScenarioStep> steps;
};

/* ---- Reading and showing --------------------------------------------------- */

/* false and a message naming the line when the file cannot be read. */
bool ReadScenario(const std::string &path, Scenario &scenario, std::string &error);

/* Bytes written back in the scenario's own text notation. */
std::string ShowText(const std::string &bytes);

#endif /* POWERMETER_CHECK_SCENARIO_H */

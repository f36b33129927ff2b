#include "Scenario.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

const std::vector<EntryPointInfo> &PluginEntryPoints()
{
    static const std::vector<EntryPointInfo> entries = {
        {"EquipmentSetup", EntryKind::Setup},
        {"PowerMeterReset", EntryKind::Setup},
        {"PowerMeterPower", EntryKind::Read},
        {"EquipmentName", EntryKind::Text},
        {"PowerMeterModel", EntryKind::Text},
        {"PowerMeterPowerMinimum", EntryKind::Limit},
        {"PowerMeterPowerMaximum", EntryKind::Limit},
        {"PowerMeterFrequencyMinimum", EntryKind::Limit},
        {"PowerMeterFrequencyMaximum", EntryKind::Limit},
        {"PowerMeterDurationMinimum", EntryKind::Limit},
        {"PowerMeterDurationMaximum", EntryKind::Limit},
        {"PowerMeterFrequencySet", EntryKind::Set},
        {"PowerMeterPowerLevelSet", EntryKind::Set},
        {"PowerMeterDurationSet", EntryKind::Set},
    };
    return entries;
}

namespace {

const char *const OperationNames[CheckOperationCount] = {
    "rsnrpz_init",
    "rsnrpz_revision_query",
    "rsnrpz_error_message",
    "rsnrpz_chan_reset",
    "rsnrpz_chan_mode",
    "rsnrpz_chan_setContAvBufferSize",
    "rsnrpz_trigger_setCount",
    "rsnrpz_avg_setEnabled",
    "rsnrpz_chan_initiate",
    "rsnrpz_chan_isMeasurementComplete",
    "rsnrpz_meass_fetchBufferMeasurement",
};

/* A failure while reading one line. */
struct LineError {
    std::string message;
};

std::string Trim(const std::string &text)
{
    size_t begin = text.find_first_not_of(" \t\r");
    if (begin == std::string::npos)
        return "";
    size_t end = text.find_last_not_of(" \t\r");
    return text.substr(begin, end - begin + 1);
}

/* Splits at blanks; a quoted part stays one word with its quotes. */
std::vector<std::string> Words(const std::string &text)
{
    std::vector<std::string> words;
    size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
            ++at;
        if (at >= text.size())
            break;
        std::string word;
        bool quoted = false;
        while (at < text.size() && (quoted || (text[at] != ' ' && text[at] != '\t'))) {
            if (text[at] == '\\' && quoted && at + 1 < text.size()) {
                word += text[at++];
            } else if (text[at] == '"') {
                quoted = !quoted;
            }
            word += text[at++];
        }
        if (quoted)
            throw LineError{"unterminated quote"};
        words.push_back(word);
    }
    return words;
}

long long Integer(const std::string &text)
{
    errno = 0;
    char *end = nullptr;
    long long value = std::strtoll(text.c_str(), &end, 0);
    if (text.empty() || *end != '\0' || errno != 0)
        throw LineError{"not an integer: " + text};
    return value;
}

double Number(const std::string &text)
{
    char *end = nullptr;
    double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0')
        throw LineError{"not a number: " + text};
    return value;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    throw LineError{std::string("bad hexadecimal digit ") + c};
}

std::string QuotedText(const std::string &word)
{
    std::string bytes;
    for (size_t i = 1; i + 1 < word.size(); ++i) {
        char c = word[i];
        if (c != '\\') {
            bytes += c;
            continue;
        }
        char escape = word[++i];
        switch (escape) {
        case 'r': bytes += '\r'; break;
        case 'n': bytes += '\n'; break;
        case 't': bytes += '\t'; break;
        case '\\': bytes += '\\'; break;
        case '"': bytes += '"'; break;
        case 'x':
            if (i + 2 >= word.size() - 1)
                throw LineError{"short \\x escape"};
            bytes += static_cast<char>(HexDigit(word[i + 1]) * 16 + HexDigit(word[i + 2]));
            i += 2;
            break;
        default:
            throw LineError{std::string("unknown escape \\") + escape};
        }
    }
    return bytes;
}

/* Joins the words from `first` on: "quoted" parts and <char>*<count> runs. */
std::string Text(const std::vector<std::string> &words, size_t first)
{
    std::string bytes;
    for (size_t i = first; i < words.size(); ++i) {
        const std::string &word = words[i];
        if (word.size() >= 2 && word.front() == '"' && word.back() == '"') {
            bytes += QuotedText(word);
        } else if (word.size() >= 3 && word[1] == '*') {
            long long count = Integer(word.substr(2));
            if (count < 0 || count > 100000)
                throw LineError{"bad run length: " + word};
            bytes.append(static_cast<size_t>(count), word[0]);
        } else {
            throw LineError{"not a text part: " + word};
        }
    }
    return bytes;
}

CheckOperation Operation(const std::string &name)
{
    for (int i = 0; i < CheckOperationCount; ++i) {
        if (name == OperationNames[i])
            return static_cast<CheckOperation>(i);
    }
    throw LineError{"unknown driver operation: " + name};
}

ScenarioAnswer Answer(const std::vector<std::string> &words)
{
    if (words.size() < 2)
        throw LineError{"answer needs an operation"};
    ScenarioAnswer scripted{};
    scripted.operation = Operation(words[1]);
    CheckAnswer &answer = scripted.answer;
    answer.repeat = 1;
    for (size_t i = 2; i < words.size(); ++i) {
        size_t equals = words[i].find('=');
        if (equals == std::string::npos)
            throw LineError{"expected key=value: " + words[i]};
        std::string key = words[i].substr(0, equals);
        std::string value = words[i].substr(equals + 1);
        if (key == "status") {
            answer.status = static_cast<int32_t>(Integer(value));
        } else if (key == "session") {
            answer.writesSession = 1;
            answer.session = static_cast<uint32_t>(Integer(value));
        } else if (key == "complete") {
            answer.writesComplete = 1;
            answer.complete = static_cast<uint16_t>(Integer(value));
        } else if (key == "readcount") {
            answer.writesReadcount = 1;
            answer.readcount = static_cast<int32_t>(Integer(value));
        } else if (key == "values") {
            std::stringstream list(value);
            std::string item;
            while (std::getline(list, item, ',')) {
                if (answer.valueCount == CheckMaxValues)
                    throw LineError{"too many values"};
                answer.values[answer.valueCount++] = Number(item);
            }
        } else if (key == "fill") {
            answer.hasFill = 1;
            answer.fill = Number(value);
        } else if (key == "repeat") {
            answer.repeat = static_cast<int32_t>(Integer(value));
            if (answer.repeat < 1)
                throw LineError{"repeat must be at least 1"};
        } else {
            throw LineError{"unknown answer key: " + key};
        }
    }
    return scripted;
}

CheckMessage Message(const std::vector<std::string> &words)
{
    if (words.size() < 3)
        throw LineError{"message needs a status and a text"};
    CheckMessage message{};
    message.status = static_cast<int32_t>(Integer(words[1]));
    if (words.size() == 3 && words[2] == "none")
        return message;
    std::string text = Text(words, 2);
    if (text.size() > CheckMessageCapacity)
        throw LineError{"message longer than the driver can hold"};
    message.writesText = 1;
    message.length = static_cast<int32_t>(text.size());
    std::memcpy(message.text, text.data(), text.size());
    return message;
}

ExpectedResult Result(EntryKind kind, const std::vector<std::string> &words)
{
    if (words.size() < 2)
        throw LineError{"result needs a value"};
    ExpectedResult result;
    switch (kind) {
    case EntryKind::Setup:
    case EntryKind::Set:
        if (words.size() != 2)
            throw LineError{"an integer result takes one value"};
        result.kind = ResultKind::Integer;
        result.integer = Integer(words[1]);
        break;
    case EntryKind::Text:
        result.kind = ResultKind::Text;
        result.text = Text(words, 1);
        break;
    case EntryKind::Read:
    case EntryKind::Limit:
        if (words[1] == "nan") {
            result.kind = ResultKind::NotANumber;
        } else if (words[1] == "inf") {
            result.kind = ResultKind::PlusInfinity;
        } else if (words[1] == "-inf") {
            result.kind = ResultKind::MinusInfinity;
        } else {
            result.kind = ResultKind::Number;
            result.number = Number(words[1]);
            if (words.size() == 4 && words[2] == "within")
                result.tolerance = Number(words[3]);
            else if (words.size() != 2)
                throw LineError{"expected: result <number> [within <tolerance>]"};
            return result;
        }
        if (words.size() != 2)
            throw LineError{"nan and infinities take nothing more"};
        break;
    }
    return result;
}

size_t Entry(const std::string &name)
{
    const std::vector<EntryPointInfo> &entries = PluginEntryPoints();
    for (size_t i = 0; i < entries.size(); ++i) {
        if (name == entries[i].name)
            return i;
    }
    throw LineError{"unknown entry point: " + name};
}

/* Open repeat blocks: where their lines start in the step's log, and n. */
struct RepeatBlock {
    size_t firstLine;
    long long count;
};

void ReadLine(const std::string &raw, int number, Scenario &scenario, std::vector<RepeatBlock> &repeats)
{
    std::string line = Trim(raw);
    if (line.empty() || line[0] == '#')
        return;
    std::string keyword = line.substr(0, line.find_first_of(" \t"));
    if (keyword == "log") {
        if (scenario.steps.empty())
            throw LineError{"log before the first call"};
        scenario.steps.back().log.push_back(Trim(line.substr(3)));
        return;
    }
    std::vector<std::string> words = Words(line);
    if (keyword == "answer") {
        scenario.answers.push_back(Answer(words));
    } else if (keyword == "message") {
        scenario.messages.push_back(Message(words));
    } else if (keyword == "call") {
        if (!repeats.empty())
            throw LineError{"repeat block still open"};
        if (words.size() < 2 || words.size() > 3)
            throw LineError{"expected: call <EntryPoint> [<argument>]"};
        ScenarioStep step;
        step.line = number;
        step.entry = Entry(words[1]);
        if (words.size() == 3) {
            if (PluginEntryPoints()[step.entry].kind != EntryKind::Set)
                throw LineError{"only the setters are given an argument"};
            step.hasArgument = true;
            step.argument = Number(words[2]);
        }
        scenario.steps.push_back(step);
    } else {
        if (scenario.steps.empty())
            throw LineError{keyword + " before the first call"};
        ScenarioStep &step = scenario.steps.back();
        if (keyword == "result") {
            step.result = Result(PluginEntryPoints()[step.entry].kind, words);
        } else if (keyword == "address") {
            if (words.size() != 2 || words[1] != "same")
                throw LineError{"expected: address same"};
            step.sameAddress = true;
        } else if (keyword == "output") {
            step.output += Text(words, 1);
        } else if (keyword == "repeat") {
            if (words.size() != 2)
                throw LineError{"expected: repeat <count>"};
            long long count = Integer(words[1]);
            if (count < 1 || count > CheckMaxLogLines)
                throw LineError{"bad repeat count"};
            repeats.push_back({step.log.size(), count});
        } else if (keyword == "end") {
            if (repeats.empty())
                throw LineError{"end without repeat"};
            RepeatBlock block = repeats.back();
            repeats.pop_back();
            std::vector<std::string> body(step.log.begin() + static_cast<long>(block.firstLine), step.log.end());
            for (long long i = 1; i < block.count; ++i)
                step.log.insert(step.log.end(), body.begin(), body.end());
        } else {
            throw LineError{"unknown directive: " + keyword};
        }
    }
}

} // namespace

bool ReadScenario(const std::string &path, Scenario &scenario, std::string &error)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot open " + path;
        return false;
    }
    std::vector<RepeatBlock> repeats;
    std::string line;
    int number = 0;
    try {
        while (std::getline(file, line)) {
            ++number;
            ReadLine(line, number, scenario, repeats);
        }
        if (!repeats.empty())
            throw LineError{"repeat block not ended"};
        if (scenario.steps.empty())
            throw LineError{"no call"};
        if (scenario.messages.size() > CheckMaxMessages)
            throw LineError{"too many messages"};
        int perOperation[CheckOperationCount] = {};
        for (const ScenarioAnswer &answer : scenario.answers) {
            if (++perOperation[answer.operation] > CheckMaxAnswers)
                throw LineError{"too many answers for " + std::string(OperationNames[answer.operation])};
        }
    } catch (const LineError &failure) {
        error = path + ":" + std::to_string(number) + ": " + failure.message;
        return false;
    }
    return true;
}

std::string ShowText(const std::string &bytes)
{
    std::string shown;
    bool inQuote = false;
    auto quote = [&](bool open) {
        if (open != inQuote) {
            if (open && !shown.empty())
                shown += ' ';
            shown += '"';
            inQuote = open;
        }
    };
    for (size_t i = 0; i < bytes.size();) {
        size_t run = 1;
        while (i + run < bytes.size() && bytes[i + run] == bytes[i])
            ++run;
        unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (run >= 8 && c > ' ' && c < 127 && c != '"' && c != '\\') {
            quote(false);
            if (!shown.empty())
                shown += ' ';
            shown += static_cast<char>(c);
            shown += '*' + std::to_string(run);
            i += run;
            continue;
        }
        quote(true);
        switch (c) {
        case '\r': shown += "\\r"; break;
        case '\n': shown += "\\n"; break;
        case '\t': shown += "\\t"; break;
        case '\\': shown += "\\\\"; break;
        case '"': shown += "\\\""; break;
        default:
            if (c < ' ' || c >= 127) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\x%02x", c);
                shown += hex;
            } else {
                shown += static_cast<char>(c);
            }
        }
        ++i;
    }
    quote(false);
    return shown.empty() ? "\"\"" : shown;
}

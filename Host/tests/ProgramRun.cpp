#include "ProgramRun.h"

#include "ExecutablePath.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#if !defined(_WIN32)
#include <sys/wait.h>
#endif

namespace fs = std::filesystem;

fs::path ProgramFolder()
{
    return fs::u8path(ExecutableFolder());
}

static std::string ProgramQuote(const std::string &text)
{
    return "\"" + text + "\"";
}

/* Windows text streams end lines in "\r\n" (and the plug-in's own "\r\n"
 * in "\r\r\n"); the tests look at the text, not at the line ends. */
static std::string ProgramUnixLineEnds(const std::string &text)
{
    std::string plain;
    for (char c : text) {
        if (c == '\n')
            while (!plain.empty() && plain.back() == '\r')
                plain.pop_back();
        plain += c;
    }
    return plain;
}

ProgramResult ProgramRun(const std::vector<std::string> &arguments, const fs::path &scratch,
                         const std::string &prefix)
{
    fs::path out = scratch / "stdout.txt";
    fs::path err = scratch / "stderr.txt";
    std::string command = prefix + ProgramQuote((ProgramFolder() / POWERMETER_PROGRAM_FILE).string());
    for (const std::string &argument : arguments)
        command += " " + ProgramQuote(argument);
    command += " >" + ProgramQuote(out.string()) + " 2>" + ProgramQuote(err.string());

    ProgramResult result;
#if defined(_WIN32)
    // cmd /c drops the first and last quote of its line: give it a pair.
    result.exitCode = std::system(("\"" + command + "\"").c_str());
#else
    int status = std::system(command.c_str());
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    result.out = ProgramUnixLineEnds(ProgramReadFile(out));
    result.err = ProgramUnixLineEnds(ProgramReadFile(err));
    return result;
}

void ProgramSetEnvironment(const char *name, const std::string &value)
{
#if defined(_WIN32)
    _putenv_s(name, value.c_str());
#else
    if (value.empty())
        unsetenv(name);
    else
        setenv(name, value.c_str(), 1);
#endif
}

std::vector<std::string> ProgramLines(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::string ProgramReadFile(const fs::path &file)
{
    std::ifstream stream(file, std::ios::binary);
    std::ostringstream text;
    text << stream.rdbuf();
    return text.str();
}

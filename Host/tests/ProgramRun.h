/* Runs the built powermeter as a user would, with its output in files. */
#ifndef POWERMETER_HOST_TESTS_PROGRAM_RUN_H
#define POWERMETER_HOST_TESTS_PROGRAM_RUN_H

#include <filesystem>
#include <string>
#include <vector>

/* Line ends are '\n' on every platform. */
struct ProgramResult {
    int exitCode = -1;
    std::string out; /* stdout */
    std::string err; /* stderr */
};

/* The folder the test program and powermeter are built into. */
std::filesystem::path ProgramFolder();

/* Runs "<prefix> powermeter <arguments>" through the shell, stdout and
 * stderr into files in scratch. Arguments are quoted here. */
ProgramResult ProgramRun(const std::vector<std::string> &arguments, const std::filesystem::path &scratch,
                         const std::string &prefix = std::string());

/* Sets (or with an empty value, removes) an environment variable for the
 * programs this process starts. */
void ProgramSetEnvironment(const char *name, const std::string &value);

/* The lines of text, without their line ends. */
std::vector<std::string> ProgramLines(const std::string &text);

std::string ProgramReadFile(const std::filesystem::path &file);

#endif /* POWERMETER_HOST_TESTS_PROGRAM_RUN_H */

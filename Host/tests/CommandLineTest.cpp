#include "CommandLine.h"
#include "ExitCodes.h"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <vector>

namespace {

struct UsageCase {
    std::vector<const char *> arguments;
    int exitCode;
};

/* Only cases that end before a plug-in is loaded: parsing alone. */
TEST(CommandLineTest, HelpVersionAndBadArgumentsEndWithTheirExitCodes)
{
    const UsageCase cases[] = {
        {{"--version"}, ExitSuccess},
        {{"--help"}, ExitSuccess},
        {{"read", "--help"}, ExitSuccess},
        {{"check", "--version"}, ExitSuccess},
        {{}, ExitUsage},
        {{"measure"}, ExitUsage},
        {{"read", "-n", "0"}, ExitUsage},
        {{"read", "-n", "-3"}, ExitUsage},
        {{"read", "-n", "2x"}, ExitUsage},
        {{"read", "-n", "3", "--continuous"}, ExitUsage},
        {{"read", "--format", "xml"}, ExitUsage},
        {{"watch", "-n", "0"}, ExitUsage},
        {{"check"}, ExitUsage},
        {{"info", "--live"}, ExitUsage},
    };
    for (const UsageCase &c : cases) {
        std::vector<const char *> argv = {"powermeter"};
        argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
        std::string line;
        for (const char *argument : c.arguments)
            line += std::string(argument) + " ";
        SCOPED_TRACE(line);
        // Help and parse errors go to std::cout and std::cerr; keep them here.
        std::ostringstream printed;
        std::streambuf *out = std::cout.rdbuf(printed.rdbuf());
        std::streambuf *err = std::cerr.rdbuf(printed.rdbuf());
        int exitCode = CommandLineRun(static_cast<int>(argv.size()), argv.data());
        std::cout.rdbuf(out);
        std::cerr.rdbuf(err);
        EXPECT_EQ(exitCode, c.exitCode) << printed.str();
        EXPECT_FALSE(printed.str().empty()) << "every case says something";
    }
}

} // namespace

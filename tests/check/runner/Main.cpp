/*
 * rsnrpz_check: checks the built plug-in, unchanged, against the scripted
 * driver. It loads the plug-in copy in its own folder, so the plug-in finds
 * the scripted rsnrpz_32 beside it, and plays one scenario file.
 *
 *   rsnrpz_check <scenario.txt>     exit 0 when every step holds
 */
#include "DriverExchange.h"
#include "PluginLibrary.h"
#include "ProcessWatch.h"
#include "Scenario.h"
#include "ScenarioRun.h"
#include "StdoutCapture.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

/* Lives as long as the process: the driver writes into it. */
DriverExchange exchange;

std::string ScenarioName(const std::string &path)
{
    std::string name = path.substr(path.find_last_of("/\\") + 1);
    return name.substr(0, name.find_last_of('.'));
}

int Fail(const std::string &message)
{
    std::fprintf(stderr, "rsnrpz_check: %s\n", message.c_str());
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: rsnrpz_check <scenario.txt>\n");
        return 2;
    }
    const std::string name = ScenarioName(argv[1]);
    PrepareStdout("scenario " + name);

    Scenario scenario;
    std::string error;
    if (!ReadScenario(argv[1], scenario, error))
        return Fail(error);
    ScriptDriver(scenario, exchange);
    if (!PublishExchange(exchange))
        return Fail("cannot set " CHECK_EXCHANGE_VARIABLE);

    const std::string folder = ExecutableFolder();
    std::vector<void *> entries;
    if (!LoadPlugin(folder, entries, error))
        return Fail(error);
    std::fprintf(stderr, "plug-in loaded from %s, all %zu entry points found\n", folder.c_str(), entries.size());

    /* The plug-in must have found the scripted driver, never the simulator. */
    const std::string driver = LoadedDriverPath();
    if (driver.empty() || !SameFolder(FolderOf(driver), folder))
        return Fail("the plug-in loaded its driver from '" + driver + "', not from " + folder);
    std::fprintf(stderr, "driver: %s\n", driver.c_str());

    Observation observation{HeapWatchAvailable() != 0, PauseWatchAvailable() != 0};
    if (!observation.heap)
        std::fprintf(stderr, "note: heap allocations are not observed on this platform or build; "
                             "the import-table check covers them here\n");
    if (!observation.pauses)
        std::fprintf(stderr, "note: pauses are not observed on this platform; "
                             "bounded time is checked by the number of polls, 'pause' log lines are skipped\n");

    if (!CaptureStart(name + ".stdout", error))
        return Fail(error);
    int failedSteps = RunScenario(scenario, entries, exchange, observation);
    CaptureStop();

    std::fprintf(stderr, "%s: %zu steps, %d failed\n", name.c_str(), scenario.steps.size(), failedSteps);
    return failedSteps == 0 ? 0 : 1;
}

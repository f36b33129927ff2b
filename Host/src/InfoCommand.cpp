#include "Commands.h"
#include "ExitCodes.h"
#include "PowerMeterPlugin.h"

#include <cstdio>

int InfoCommandRun(const std::string &plugin)
{
    PluginLibrary library;
    PowerMeterPlugin entries;
    if (!PowerMeterOpen(plugin, library, entries))
        return ExitPluginUnusable;
    PowerMeterDescription d = PowerMeterDescribe(entries);
    std::string path = plugin.empty() ? PowerMeterDefaultPluginPath() : plugin;
    std::printf("plug-in    %s\n", path.c_str());
    std::printf("name       %s\n", d.name.c_str());
    std::printf("model      %s\n", d.model.c_str());
    std::printf("\n%-12s %14s %14s\n", "limit", "minimum", "maximum");
    std::printf("%-12s %14g %14g\n", "power", d.powerMinimum, d.powerMaximum);
    std::printf("%-12s %14g %14g\n", "frequency", d.frequencyMinimum, d.frequencyMaximum);
    std::printf("%-12s %14g %14g\n", "duration", d.durationMinimum, d.durationMaximum);
    std::fflush(stdout);
    return ExitSuccess;
}

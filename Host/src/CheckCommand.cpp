#include "Commands.h"
#include "ExitCodes.h"
#include "PowerMeterPlugin.h"

#include <cstdio>

namespace {

constexpr int CheckLiveReadings = 3;

void CheckRow(const std::string &label, const std::string &value)
{
    std::printf("  %-28s %s\n", label.c_str(), value.c_str());
}

std::string CheckLimit(PowerMeterLimitFunction function)
{
    return function != nullptr ? FormatNumber("%g", function()) : "(missing)";
}

std::string CheckText(PowerMeterTextFunction function)
{
    if (function == nullptr)
        return "(missing)";
    const char *text = function();
    return text != nullptr ? "\"" + std::string(text) + "\"" : "(null pointer)";
}

/* Set-up and a few readings; returns the exit code they earn. */
int CheckLive(const PowerMeterPlugin &plugin)
{
    std::printf("live\n");
    if (plugin.EquipmentSetup == nullptr || plugin.PowerMeterPower == nullptr) {
        CheckRow("(not run)", "EquipmentSetup or PowerMeterPower is missing");
        return ExitPluginUnusable;
    }
    std::fflush(stdout);
    int32_t setup = plugin.EquipmentSetup();
    CheckRow("EquipmentSetup", std::to_string(setup) + (setup == 0 ? " (sensor ready)" : " (failed)"));
    if (setup != 0)
        return ExitSetupFailed;
    int result = ExitSuccess;
    for (int i = 1; i <= CheckLiveReadings; ++i) {
        std::fflush(stdout);
        double dbm = plugin.PowerMeterPower();
        std::string reading = FormatTextReading(dbm);
        reading.pop_back();
        CheckRow("PowerMeterPower #" + std::to_string(i), reading);
        if (ReadingStatusOf(dbm) == ReadingStatus::Failed)
            result = ExitReadingFailed;
    }
    return result;
}

} // namespace

int CheckCommandRun(const CheckOptions &options)
{
    std::printf("plug-in   %s\n", options.plugin.c_str());
    PluginLibrary library;
    std::string error;
    if (!library.load(options.plugin, error)) {
        std::printf("load      failed: %s\n", error.c_str());
        std::printf("result    not loaded\n");
        return ExitPluginUnusable;
    }
    std::printf("load      ok\n");

    PowerMeterPlugin plugin;
    std::vector<std::string> missing = PowerMeterBind(library, plugin);
    const std::vector<std::string> &names = PowerMeterEntryPointNames();
    std::printf("entry points: %s of %s found\n", std::to_string(names.size() - missing.size()).c_str(),
                std::to_string(names.size()).c_str());
    for (const std::string &name : names) {
        bool found = library.symbol(name.c_str()) != nullptr;
        CheckRow(name, found ? "found" : "MISSING");
    }

    std::printf("identity and limits\n");
    CheckRow("EquipmentName", CheckText(plugin.EquipmentName));
    CheckRow("PowerMeterModel", CheckText(plugin.PowerMeterModel));
    CheckRow("PowerMeterPowerMinimum", CheckLimit(plugin.PowerMeterPowerMinimum));
    CheckRow("PowerMeterPowerMaximum", CheckLimit(plugin.PowerMeterPowerMaximum));
    CheckRow("PowerMeterFrequencyMinimum", CheckLimit(plugin.PowerMeterFrequencyMinimum));
    CheckRow("PowerMeterFrequencyMaximum", CheckLimit(plugin.PowerMeterFrequencyMaximum));
    CheckRow("PowerMeterDurationMinimum", CheckLimit(plugin.PowerMeterDurationMinimum));
    CheckRow("PowerMeterDurationMaximum", CheckLimit(plugin.PowerMeterDurationMaximum));

    int result = ExitSuccess;
    if (options.live)
        result = CheckLive(plugin);

    if (!missing.empty()) {
        std::string list;
        for (const std::string &name : missing)
            list += (list.empty() ? "" : ", ") + name;
        std::printf("result    %s missing: %s\n", std::to_string(missing.size()).c_str(), list.c_str());
        std::fflush(stdout);
        return ExitPluginUnusable;
    }
    std::printf("result    %s\n", result == ExitSuccess ? "ok: all 14 entry points found"
                                                         : "all 14 entry points found; live test failed");
    std::fflush(stdout);
    return result;
}

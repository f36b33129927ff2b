#include "PowerMeterPlugin.h"

#include "ExecutablePath.h"

#include <cmath>
#include <cstdio>
#include <filesystem>

namespace {

template <typename Function>
void PowerMeterBindOne(const PluginLibrary &library, const char *name, Function &target,
                       std::vector<std::string> &missing)
{
    void *address = library.symbol(name);
    target = reinterpret_cast<Function>(address);
    if (address == nullptr)
        missing.push_back(name);
}

std::string PowerMeterText(PowerMeterTextFunction function)
{
    if (function == nullptr)
        return std::string();
    const char *text = function();
    return text != nullptr ? text : "(null)";
}

double PowerMeterLimit(PowerMeterLimitFunction function)
{
    return function != nullptr ? function() : std::nan("");
}

} // namespace

const std::vector<std::string> &PowerMeterEntryPointNames()
{
    static const std::vector<std::string> names = {
        "EquipmentSetup",
        "PowerMeterReset",
        "PowerMeterPower",
        "EquipmentName",
        "PowerMeterModel",
        "PowerMeterPowerMinimum",
        "PowerMeterPowerMaximum",
        "PowerMeterFrequencyMinimum",
        "PowerMeterFrequencyMaximum",
        "PowerMeterDurationMinimum",
        "PowerMeterDurationMaximum",
        "PowerMeterFrequencySet",
        "PowerMeterPowerLevelSet",
        "PowerMeterDurationSet",
    };
    return names;
}

std::vector<std::string> PowerMeterBind(const PluginLibrary &library, PowerMeterPlugin &plugin)
{
    std::vector<std::string> missing;
#define POWERMETER_BIND(name) PowerMeterBindOne(library, #name, plugin.name, missing)
    POWERMETER_BIND(EquipmentSetup);
    POWERMETER_BIND(PowerMeterReset);
    POWERMETER_BIND(PowerMeterPower);
    POWERMETER_BIND(EquipmentName);
    POWERMETER_BIND(PowerMeterModel);
    POWERMETER_BIND(PowerMeterPowerMinimum);
    POWERMETER_BIND(PowerMeterPowerMaximum);
    POWERMETER_BIND(PowerMeterFrequencyMinimum);
    POWERMETER_BIND(PowerMeterFrequencyMaximum);
    POWERMETER_BIND(PowerMeterDurationMinimum);
    POWERMETER_BIND(PowerMeterDurationMaximum);
    POWERMETER_BIND(PowerMeterFrequencySet);
    POWERMETER_BIND(PowerMeterPowerLevelSet);
    POWERMETER_BIND(PowerMeterDurationSet);
#undef POWERMETER_BIND
    return missing;
}

std::string PowerMeterDefaultPluginPath()
{
    return (std::filesystem::u8path(ExecutableFolder()) / POWERMETER_DEFAULT_PLUGIN).u8string();
}

bool PowerMeterOpen(const std::string &path, PluginLibrary &library, PowerMeterPlugin &plugin)
{
    std::string file = path.empty() ? PowerMeterDefaultPluginPath() : path;
    std::string error;
    if (!library.load(file, error)) {
        std::fprintf(stderr, "powermeter: cannot load plug-in %s: %s\n", file.c_str(), error.c_str());
        return false;
    }
    std::vector<std::string> missing = PowerMeterBind(library, plugin);
    if (!missing.empty()) {
        std::string list;
        for (const std::string &name : missing)
            list += (list.empty() ? "" : ", ") + name;
        std::fprintf(stderr, "powermeter: %s is not a power-meter plug-in: missing %s\n", file.c_str(),
                     list.c_str());
        return false;
    }
    return true;
}

bool PowerMeterSetUp(const PowerMeterPlugin &plugin)
{
    int32_t setup = plugin.EquipmentSetup();
    if (setup == 0)
        return true;
    std::fprintf(stderr,
                 "powermeter: sensor set-up failed (EquipmentSetup returned %d); "
                 "is the sensor connected?\n",
                 static_cast<int>(setup));
    return false;
}

PowerMeterDescription PowerMeterDescribe(const PowerMeterPlugin &plugin)
{
    PowerMeterDescription description;
    description.name = PowerMeterText(plugin.EquipmentName);
    description.model = PowerMeterText(plugin.PowerMeterModel);
    description.powerMinimum = PowerMeterLimit(plugin.PowerMeterPowerMinimum);
    description.powerMaximum = PowerMeterLimit(plugin.PowerMeterPowerMaximum);
    description.frequencyMinimum = PowerMeterLimit(plugin.PowerMeterFrequencyMinimum);
    description.frequencyMaximum = PowerMeterLimit(plugin.PowerMeterFrequencyMaximum);
    description.durationMinimum = PowerMeterLimit(plugin.PowerMeterDurationMinimum);
    description.durationMaximum = PowerMeterLimit(plugin.PowerMeterDurationMaximum);
    return description;
}

/* The fourteen entry points of a power-meter plug-in, looked up by name
 * with the types the plug-in's own header gives hosts. */
#ifndef POWERMETER_HOST_POWER_METER_PLUGIN_H
#define POWERMETER_HOST_POWER_METER_PLUGIN_H

#include "PluginLibrary.h"
#include "RohdeSchwarzNRPZ.h"

#include <string>
#include <vector>

/* ---- Entry points -------------------------------------------------------
 * A member is nullptr when the plug-in does not export that name. The
 * setters are only looked up: the host never calls them. */
struct PowerMeterPlugin {
    PowerMeterSetupFunction EquipmentSetup = nullptr;
    PowerMeterSetupFunction PowerMeterReset = nullptr;
    PowerMeterReadFunction PowerMeterPower = nullptr;
    PowerMeterTextFunction EquipmentName = nullptr;
    PowerMeterTextFunction PowerMeterModel = nullptr;
    PowerMeterLimitFunction PowerMeterPowerMinimum = nullptr;
    PowerMeterLimitFunction PowerMeterPowerMaximum = nullptr;
    PowerMeterLimitFunction PowerMeterFrequencyMinimum = nullptr;
    PowerMeterLimitFunction PowerMeterFrequencyMaximum = nullptr;
    PowerMeterLimitFunction PowerMeterDurationMinimum = nullptr;
    PowerMeterLimitFunction PowerMeterDurationMaximum = nullptr;
    PowerMeterSetFunction PowerMeterFrequencySet = nullptr;
    PowerMeterSetFunction PowerMeterPowerLevelSet = nullptr;
    PowerMeterSetFunction PowerMeterDurationSet = nullptr;
};

/* The fourteen names, in the order of the struct. */
const std::vector<std::string> &PowerMeterEntryPointNames();

/* Looks every entry point up in library; returns the names not found. */
std::vector<std::string> PowerMeterBind(const PluginLibrary &library, PowerMeterPlugin &plugin);

/* ---- Loading for the reading commands -----------------------------------
 * Resolves the plug-in path (empty: the default one beside the program),
 * loads it and binds all fourteen entry points. On failure prints
 * "powermeter: ..." with the file and the reason to stderr and returns false. */
std::string PowerMeterDefaultPluginPath();
bool PowerMeterOpen(const std::string &path, PluginLibrary &library, PowerMeterPlugin &plugin);

/* Runs EquipmentSetup; on failure prints why to stderr and returns false. */
bool PowerMeterSetUp(const PowerMeterPlugin &plugin);

/* The plug-in's identity and its six limits. */
struct PowerMeterDescription {
    std::string name;
    std::string model;
    double powerMinimum, powerMaximum;
    double frequencyMinimum, frequencyMaximum;
    double durationMinimum, durationMaximum;
};
PowerMeterDescription PowerMeterDescribe(const PowerMeterPlugin &plugin);

#endif /* POWERMETER_HOST_POWER_METER_PLUGIN_H */

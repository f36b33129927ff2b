// The built plug-in, loaded the way a host loads it, with the entry points
// looked up by name.
#ifndef TESTS_PLUGIN_LIBRARY_H
#define TESTS_PLUGIN_LIBRARY_H

#include "RohdeSchwarzNRPZ.h"

#include <string>

struct PluginLibrary {
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

    std::string error;         // why loading failed, empty when it did not
    std::string missingNames;  // entry points not found, space-separated
};

// Loads the plug-in at `path` with its own folder searched for the driver.
PluginLibrary loadPlugin(const std::string &path);

// Sets or removes (value == nullptr) a variable for this process.
void setEnvironment(const char *name, const char *value);

#endif

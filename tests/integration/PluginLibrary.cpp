#include "PluginLibrary.h"

#include <cstdlib>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace {

#if defined(_WIN32)
using Handle = HMODULE;

Handle openLibrary(const std::string &path, std::string &error)
{
    // Search the plug-in's own folder for the driver it imports.
    Handle handle = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (handle == nullptr)
        error = "LoadLibraryEx failed with error " + std::to_string(GetLastError());
    return handle;
}

void *findSymbol(Handle handle, const char *name)
{
    return reinterpret_cast<void *>(GetProcAddress(handle, name));
}
#else
using Handle = void *;

Handle openLibrary(const std::string &path, std::string &error)
{
    Handle handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr)
        error = dlerror();
    return handle;
}

void *findSymbol(Handle handle, const char *name)
{
    return dlsym(handle, name);
}
#endif

template <typename Function> void bind(Handle handle, const char *name, Function &function, std::string &missing)
{
    void *symbol = findSymbol(handle, name);
    if (symbol == nullptr)
        missing += missing.empty() ? name : std::string(" ") + name;
    function = reinterpret_cast<Function>(symbol);
}

} // namespace

PluginLibrary loadPlugin(const std::string &path)
{
    PluginLibrary plugin;
    Handle handle = openLibrary(path, plugin.error);
    if (handle == nullptr)
        return plugin;

    std::string &missing = plugin.missingNames;
#define POWERMETER_BIND(name) bind(handle, #name, plugin.name, missing)
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
    return plugin;
}

void setEnvironment(const char *name, const char *value)
{
#if defined(_WIN32)
    _putenv_s(name, value != nullptr ? value : "");
#else
    if (value != nullptr)
        setenv(name, value, 1);
    else
        unsetenv(name);
#endif
}

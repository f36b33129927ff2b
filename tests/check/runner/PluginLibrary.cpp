#include "PluginLibrary.h"

#include "Scenario.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#include <limits.h>
#include <stdlib.h>
#include <unistd.h>
#endif

#if defined(_WIN32)
static const char PluginFileName[] = "RohdeSchwarzNRPZ.dll";
static const char DriverFileName[] = "rsnrpz_32.dll";
#else
static const char PluginFileName[] = "libRohdeSchwarzNRPZ.so";
static const char DriverFileName[] = "librsnrpz_32.so";
#endif

std::string FolderOf(const std::string &path)
{
    size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

#if defined(_WIN32)

std::string ExecutableFolder()
{
    char path[MAX_PATH] = {0};
    GetModuleFileNameA(nullptr, path, sizeof path);
    return FolderOf(path);
}

bool LoadPlugin(const std::string &folder, std::vector<void *> &entries, std::string &error)
{
    std::string path = folder + "\\" + PluginFileName;
    /* No error dialog if a dependency is missing: the test would hang. */
    DWORD oldMode = 0;
    SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &oldMode);
    HMODULE plugin = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    SetThreadErrorMode(oldMode, nullptr);
    if (plugin == nullptr) {
        error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    entries.clear();
    for (const EntryPointInfo &entry : PluginEntryPoints()) {
        void *address = reinterpret_cast<void *>(GetProcAddress(plugin, entry.name));
        if (address == nullptr)
            error += std::string(error.empty() ? "" : ", ") + "missing entry point " + entry.name;
        entries.push_back(address);
    }
    return error.empty();
}

std::string LoadedDriverPath()
{
    HMODULE driver = GetModuleHandleA(DriverFileName);
    if (driver == nullptr)
        return "";
    char path[MAX_PATH] = {0};
    GetModuleFileNameA(driver, path, sizeof path);
    return path;
}

bool SameFolder(const std::string &a, const std::string &b)
{
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

#else

std::string ExecutableFolder()
{
    char path[PATH_MAX] = {0};
    ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return ".";
    path[length] = '\0';
    return FolderOf(path);
}

bool LoadPlugin(const std::string &folder, std::vector<void *> &entries, std::string &error)
{
    std::string path = folder + "/" + PluginFileName;
    void *plugin = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (plugin == nullptr) {
        error = std::string("cannot load: ") + dlerror();
        return false;
    }
    entries.clear();
    for (const EntryPointInfo &entry : PluginEntryPoints()) {
        void *address = dlsym(plugin, entry.name);
        if (address == nullptr)
            error += std::string(error.empty() ? "" : ", ") + "missing entry point " + entry.name;
        entries.push_back(address);
    }
    return error.empty();
}

std::string LoadedDriverPath()
{
    /* Matches by the name the plug-in asked for, whichever file it was. */
    void *driver = dlopen(DriverFileName, RTLD_LAZY | RTLD_NOLOAD);
    if (driver == nullptr)
        return "";
    Dl_info info{};
    void *operation = dlsym(driver, "rsnrpz_init");
    std::string path;
    if (operation != nullptr && dladdr(operation, &info) != 0 && info.dli_fname != nullptr)
        path = info.dli_fname;
    dlclose(driver);
    return path;
}

bool SameFolder(const std::string &a, const std::string &b)
{
    char realA[PATH_MAX];
    char realB[PATH_MAX];
    if (realpath(a.c_str(), realA) == nullptr || realpath(b.c_str(), realB) == nullptr)
        return false;
    return std::string(realA) == realB;
}

#endif

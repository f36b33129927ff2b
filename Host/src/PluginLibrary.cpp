#include "PluginLibrary.h"

#include <filesystem>
#include <system_error>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace fs = std::filesystem;

#if defined(_WIN32)
static std::string PluginLibrarySystemMessage(DWORD code)
{
    char *text = nullptr;
    DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                      FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, reinterpret_cast<char *>(&text), 0, nullptr);
    std::string message(text != nullptr ? text : "", length);
    LocalFree(text);
    while (!message.empty() && (message.back() == '\r' || message.back() == '\n' ||
                                message.back() == '.' || message.back() == ' '))
        message.pop_back();
    if (message.empty())
        message = "unknown error";
    return message + " (error " + std::to_string(code) + ")";
}
#endif

/* The loader's own messages rarely say which dependency is missing; the
 * usual one is the driver, so say whether it is beside the plug-in. */
static std::string PluginLibraryDriverHint(const fs::path &plugin)
{
    std::error_code ignored;
    fs::path driver = plugin.parent_path() / POWERMETER_DRIVER_FILE;
    if (fs::exists(driver, ignored))
        return std::string();
    return "; the driver " + std::string(POWERMETER_DRIVER_FILE) + " is not beside the plug-in in " +
           plugin.parent_path().string();
}

PluginLibrary::~PluginLibrary()
{
    if (handle_ == nullptr)
        return;
#if defined(_WIN32)
    FreeLibrary(static_cast<HMODULE>(handle_));
#else
    dlclose(handle_);
#endif
}

bool PluginLibrary::load(const std::string &path, std::string &error)
{
    std::error_code failure;
    // An absolute path keeps the system from searching its own folders for
    // the plug-in, and lets Windows search the plug-in's folder for the driver.
    fs::path file = fs::absolute(fs::u8path(path), failure);
    if (failure) {
        error = failure.message();
        return false;
    }
    if (!fs::exists(file, failure)) {
        error = "no such file";
        return false;
    }
    if (fs::is_directory(file, failure)) {
        error = "is a folder, not a library";
        return false;
    }

#if defined(_WIN32)
    // No "missing DLL" dialog box: a missing file is an error message here.
    DWORD previousMode = 0;
    SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previousMode);
    HMODULE module = LoadLibraryExW(file.wstring().c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    DWORD code = GetLastError();
    SetThreadErrorMode(previousMode, nullptr);
    if (module == nullptr) {
        error = PluginLibrarySystemMessage(code);
        if (code == ERROR_MOD_NOT_FOUND)
            error += PluginLibraryDriverHint(file);
        return false;
    }
    handle_ = module;
#else
    void *handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char *reason = dlerror();
        error = reason != nullptr ? reason : "unknown error";
        if (error.find(POWERMETER_DRIVER_FILE) != std::string::npos)
            error += PluginLibraryDriverHint(file);
        return false;
    }
    handle_ = handle;
#endif
    return true;
}

void *PluginLibrary::symbol(const char *name) const
{
    if (handle_ == nullptr)
        return nullptr;
#if defined(_WIN32)
    return reinterpret_cast<void *>(GetProcAddress(static_cast<HMODULE>(handle_), name));
#else
    dlerror();
    return dlsym(handle_, name);
#endif
}

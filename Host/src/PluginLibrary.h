/* A shared library loaded at run time: dlopen on POSIX, LoadLibraryEx on
 * Windows. Its dependencies are looked for in its own folder first, so a
 * plug-in finds the driver that sits beside it. */
#ifndef POWERMETER_HOST_PLUGIN_LIBRARY_H
#define POWERMETER_HOST_PLUGIN_LIBRARY_H

#include <string>

class PluginLibrary {
public:
    PluginLibrary() = default;
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary &) = delete;
    PluginLibrary &operator=(const PluginLibrary &) = delete;

    /* Loads the library at path. On failure returns false and sets error to
     * a readable reason (without the path, which the caller prints). */
    bool load(const std::string &path, std::string &error);

    /* The address of an exported name, or nullptr. */
    void *symbol(const char *name) const;

    bool loaded() const { return handle_ != nullptr; }

private:
    void *handle_ = nullptr;
};

#endif /* POWERMETER_HOST_PLUGIN_LIBRARY_H */

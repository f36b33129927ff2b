/*
 * PluginLibrary.h - loads the plug-in copy that sits beside the runner and
 * looks up its fourteen entry points, as a host would.
 */
#ifndef POWERMETER_CHECK_PLUGINLIBRARY_H
#define POWERMETER_CHECK_PLUGINLIBRARY_H

#include <string>
#include <vector>

/* Where the running executable lives, without a trailing separator. */
std::string ExecutableFolder();

/* Loads the plug-in from `folder` and fills `entries` in the order of
 * PluginEntryPoints(). On failure `error` lists what went wrong (every
 * missing entry point, not just the first). */
bool LoadPlugin(const std::string &folder, std::vector<void *> &entries, std::string &error);

/* The file the process loaded as the driver (rsnrpz_32), or "" if none. */
std::string LoadedDriverPath();

/* The folder part of a path. */
std::string FolderOf(const std::string &path);

/* true when both name the same folder. */
bool SameFolder(const std::string &a, const std::string &b);

#endif /* POWERMETER_CHECK_PLUGINLIBRARY_H */

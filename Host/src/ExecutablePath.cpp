#include "ExecutablePath.h"

#include <filesystem>
#include <system_error>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace fs = std::filesystem;

std::string ExecutableFolder()
{
#if defined(_WIN32)
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return ".";
        if (length < buffer.size())
            return fs::path(std::wstring(buffer.data(), length)).parent_path().u8string();
        buffer.resize(buffer.size() * 2);
    }
#else
    std::error_code failure;
    fs::path self = fs::read_symlink("/proc/self/exe", failure);
    if (failure)
        return ".";
    return self.parent_path().string();
#endif
}

#include "Terminal.h"

#include <cctype>
#include <cstdlib>
#include <string>

#if defined(_WIN32)
#include <io.h>
#include <windows.h>
#else
#include <sys/ioctl.h>
#include <unistd.h>
#endif

#if defined(_WIN32)
static HANDLE TerminalHandle(std::FILE *stream)
{
    return reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
}
#endif

bool TerminalIsInteractive(std::FILE *stream)
{
#if defined(_WIN32)
    // _isatty is also true for the NUL device; a console has a console mode.
    DWORD mode = 0;
    return _isatty(_fileno(stream)) && GetConsoleMode(TerminalHandle(stream), &mode);
#else
    return isatty(fileno(stream)) != 0;
#endif
}

int TerminalColumns(std::FILE *stream, int fallback)
{
#if defined(_WIN32)
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (GetConsoleScreenBufferInfo(TerminalHandle(stream), &info))
        return info.srWindow.Right - info.srWindow.Left + 1;
#else
    struct winsize size;
    if (ioctl(fileno(stream), TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
#endif
    return fallback;
}

bool TerminalEnableAnsi(std::FILE *stream)
{
#if defined(_WIN32)
    HANDLE handle = TerminalHandle(stream);
    DWORD mode = 0;
    if (!GetConsoleMode(handle, &mode))
        return false;
#ifndef ENABLE_VIRTUAL_TERMINAL_PROCESSING
#define ENABLE_VIRTUAL_TERMINAL_PROCESSING 0x0004
#endif
    return SetConsoleMode(handle, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
#else
    (void)stream;
    return true;
#endif
}

bool TerminalUsesUtf8()
{
#if defined(_WIN32)
    return SetConsoleOutputCP(CP_UTF8) != 0;
#else
    // The first of these that is set decides, as for setlocale().
    for (const char *name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char *value = std::getenv(name);
        if (value == nullptr || *value == '\0')
            continue;
        std::string text(value);
        for (char &c : text)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text.find("utf-8") != std::string::npos || text.find("utf8") != std::string::npos;
    }
    return false;
#endif
}

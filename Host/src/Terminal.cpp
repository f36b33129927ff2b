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

bool TerminalUsesUtf8()
{
#if defined(_WIN32)
    return true; // the screen is written as UTF-16
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

#if defined(_WIN32)
static void TerminalEraseTo(HANDLE handle, COORD from, DWORD cells)
{
    DWORD written = 0;
    FillConsoleOutputCharacterW(handle, L' ', cells, from, &written);
}

bool TerminalScreenBegin(std::FILE *stream)
{
    HANDLE handle = TerminalHandle(stream);
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!TerminalIsInteractive(stream) || !GetConsoleScreenBufferInfo(handle, &info))
        return false;
    CONSOLE_CURSOR_INFO cursor;
    if (GetConsoleCursorInfo(handle, &cursor)) {
        cursor.bVisible = FALSE;
        SetConsoleCursorInfo(handle, &cursor);
    }
    return true;
}

void TerminalScreenDraw(std::FILE *stream, const std::string &screen)
{
    std::fflush(stream);
    HANDLE handle = TerminalHandle(stream);
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!GetConsoleScreenBufferInfo(handle, &info))
        return;
    SHORT width = info.dwSize.X;
    COORD position = {0, info.srWindow.Top};
    SetConsoleCursorPosition(handle, position);
    std::size_t start = 0;
    for (std::size_t end; (end = screen.find('\n', start)) != std::string::npos; start = end + 1) {
        std::string line = screen.substr(start, end - start);
        std::wstring wide(line.size() + 1, L'\0');
        int length = MultiByteToWideChar(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), &wide[0],
                                         static_cast<int>(wide.size()));
        DWORD written = 0;
        WriteConsoleW(handle, wide.data(), static_cast<DWORD>(length > 0 ? length : 0), &written, nullptr);
        if (GetConsoleScreenBufferInfo(handle, &info) && info.dwCursorPosition.X < width)
            TerminalEraseTo(handle, info.dwCursorPosition, width - info.dwCursorPosition.X);
        WriteConsoleW(handle, L"\n", 1, &written, nullptr);
    }
    if (GetConsoleScreenBufferInfo(handle, &info)) {
        int rows = info.srWindow.Bottom - info.dwCursorPosition.Y + 1;
        if (rows > 0)
            TerminalEraseTo(handle, info.dwCursorPosition, static_cast<DWORD>(rows) * width);
    }
}

void TerminalScreenEnd(std::FILE *stream)
{
    HANDLE handle = TerminalHandle(stream);
    CONSOLE_CURSOR_INFO cursor;
    if (GetConsoleCursorInfo(handle, &cursor)) {
        cursor.bVisible = TRUE;
        SetConsoleCursorInfo(handle, &cursor);
    }
    std::fputs("\n", stream);
    std::fflush(stream);
}
#else
bool TerminalScreenBegin(std::FILE *stream)
{
    if (!TerminalIsInteractive(stream))
        return false;
    std::fputs("\033[2J\033[?25l", stream);
    return true;
}

void TerminalScreenDraw(std::FILE *stream, const std::string &screen)
{
    // Home, then every line erases what is left of the previous screen's
    // line: redrawn in place without flicker.
    std::string text = "\033[H";
    for (char c : screen)
        text += c == '\n' ? std::string("\033[K\n") : std::string(1, c);
    text += "\033[J";
    std::fputs(text.c_str(), stream);
    std::fflush(stream);
}

void TerminalScreenEnd(std::FILE *stream)
{
    std::fputs("\033[?25h\n", stream);
    std::fflush(stream);
}
#endif

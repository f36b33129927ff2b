/* What the output streams are connected to, and what they can show. */
#ifndef POWERMETER_HOST_TERMINAL_H
#define POWERMETER_HOST_TERMINAL_H

#include <cstdio>

/* True when stream is an interactive terminal (a console on Windows). */
bool TerminalIsInteractive(std::FILE *stream);

/* The terminal's width in columns, or fallback when it cannot be told. */
int TerminalColumns(std::FILE *stream, int fallback);

/* Makes the terminal obey ANSI cursor and erase sequences; false when it
 * cannot (an old Windows console). */
bool TerminalEnableAnsi(std::FILE *stream);

/* True when the terminal shows UTF-8 (block characters for the display). */
bool TerminalUsesUtf8();

#endif /* POWERMETER_HOST_TERMINAL_H */

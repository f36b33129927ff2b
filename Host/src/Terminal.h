/* What the output streams are connected to, and what they can show. */
#ifndef POWERMETER_HOST_TERMINAL_H
#define POWERMETER_HOST_TERMINAL_H

#include <cstdio>
#include <string>

/* True when stream is an interactive terminal (a console on Windows). */
bool TerminalIsInteractive(std::FILE *stream);

/* The terminal's width in columns, or fallback when it cannot be told. */
int TerminalColumns(std::FILE *stream, int fallback);

/* True when the terminal can show the display's block characters. */
bool TerminalUsesUtf8();

/* ---- A screen redrawn in place -------------------------------------------
 * ANSI sequences on POSIX terminals; the console API on Windows, which
 * every Windows console (and Wine's) obeys, with the text as UTF-16. */

/* Clears the terminal and hides the cursor; false when stream is no
 * terminal that can be drawn on. */
bool TerminalScreenBegin(std::FILE *stream);

/* Draws screen (UTF-8 lines, each ending in '\n') from the top left,
 * erasing whatever of the previous screen it does not cover. */
void TerminalScreenDraw(std::FILE *stream, const std::string &screen);

/* Shows the cursor again, below the screen. */
void TerminalScreenEnd(std::FILE *stream);

#endif /* POWERMETER_HOST_TERMINAL_H */

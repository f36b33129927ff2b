/* Large type for the live display: a 5 x 7 dot font, readable across a
 * bench. Knows digits, '-', '+', '.', ' ' and the letters of "nan"/"inf". */
#ifndef POWERMETER_HOST_BIG_TEXT_H
#define POWERMETER_HOST_BIG_TEXT_H

#include <string>
#include <vector>

constexpr int BigTextRows = 7;

/* text as BigTextRows lines. Each dot is dotWidth columns of ink (a
 * character or a UTF-8 sequence); unknown characters show as spaces. */
std::vector<std::string> BigTextRender(const std::string &text, int dotWidth, const std::string &ink);

/* The width in columns of BigTextRender's lines. */
int BigTextColumns(const std::string &text, int dotWidth);

#endif /* POWERMETER_HOST_BIG_TEXT_H */

#include "BigText.h"

#include <cstring>

namespace {

struct BigTextGlyph {
    char character;
    const char *rows[BigTextRows];
};

// '#' is a dot; every row of a glyph has the same width.
const BigTextGlyph BigTextFont[] = {
    {'0', {" ### ", "#   #", "#  ##", "# # #", "##  #", "#   #", " ### "}},
    {'1', {"  #  ", " ##  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "}},
    {'2', {" ### ", "#   #", "    #", "   # ", "  #  ", " #   ", "#####"}},
    {'3', {"#####", "   # ", "  #  ", "   # ", "    #", "#   #", " ### "}},
    {'4', {"   # ", "  ## ", " # # ", "#  # ", "#####", "   # ", "   # "}},
    {'5', {"#####", "#    ", "#### ", "    #", "    #", "#   #", " ### "}},
    {'6', {"  ## ", " #   ", "#    ", "#### ", "#   #", "#   #", " ### "}},
    {'7', {"#####", "    #", "   # ", "  #  ", " #   ", " #   ", " #   "}},
    {'8', {" ### ", "#   #", "#   #", " ### ", "#   #", "#   #", " ### "}},
    {'9', {" ### ", "#   #", "#   #", " ####", "    #", "   # ", " ##  "}},
    {'-', {"     ", "     ", "     ", "#####", "     ", "     ", "     "}},
    {'+', {"     ", "  #  ", "  #  ", "#####", "  #  ", "  #  ", "     "}},
    {'.', {"  ", "  ", "  ", "  ", "  ", "##", "##"}},
    {' ', {"   ", "   ", "   ", "   ", "   ", "   ", "   "}},
    {'n', {"     ", "     ", "# ## ", "##  #", "#   #", "#   #", "#   #"}},
    {'a', {"     ", "     ", " ### ", "    #", " ####", "#   #", " ####"}},
    {'i', {" # ", "   ", "## ", " # ", " # ", " # ", "###"}},
    {'f', {"  ## ", " #  #", " #   ", "###  ", " #   ", " #   ", " #   "}},
};

const BigTextGlyph &BigTextGlyphOf(char character)
{
    for (const BigTextGlyph &glyph : BigTextFont)
        if (glyph.character == character)
            return glyph;
    return BigTextGlyphOf(' ');
}

} // namespace

int BigTextColumns(const std::string &text, int dotWidth)
{
    int dots = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        dots += static_cast<int>(std::strlen(BigTextGlyphOf(text[i]).rows[0])) + (i > 0 ? 1 : 0);
    return dots * dotWidth;
}

std::vector<std::string> BigTextRender(const std::string &text, int dotWidth, const std::string &ink)
{
    std::string blank(static_cast<std::size_t>(dotWidth), ' ');
    std::string dot;
    for (int i = 0; i < dotWidth; ++i)
        dot += ink;
    std::vector<std::string> rows(BigTextRows);
    for (int row = 0; row < BigTextRows; ++row) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (i > 0)
                rows[row] += blank; // one dot of space between glyphs
            for (const char *cell = BigTextGlyphOf(text[i]).rows[row]; *cell != '\0'; ++cell)
                rows[row] += *cell == '#' ? dot : blank;
        }
    }
    return rows;
}

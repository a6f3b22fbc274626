#include "ui/WordWrap.h"

#include "core/lcdui/2d/Font.h"
#include "core/lcdui/2d/GlyphMetrics.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Every glyph 5 wide, a space 5 wide, lines 10 high: a line of width 20 holds four
// characters.
Font fixedFont()
{
    ByteArray widths(1);
    widths[0] = 5;
    return Font(nullptr, 0, widths, 8, 10, 0, 0, 5, String(FONT_CHARSET));
}

std::vector<int32_t> ends(const Vector<int32_t>& list)
{
    std::vector<int32_t> out;
    for (int32_t i = 0; i < list.size(); ++i)
        out.push_back(list[i]);
    return out;
}

struct Case {
    const char* text;
    int32_t width;
    std::vector<int32_t> lineEnds;
    const char* why;
};

TEST(WordWrapTest, BreaksCutsAndHangingSpaces)
{
    const Font font = fixedFont();
    const Case cases[] = {
        {"", 20, {}, "empty text: no lines"},
        {"abc", 0, {}, "no width: no lines"},
        {"abcd", 20, {4}, "exactly full"},
        {"ab cd", 20, {3, 5}, "breaks after the space"},
        {"abcd efg", 20, {5, 8}, "a space over the edge hangs on the line, the next character starts a line"},
        {"abcdefghij", 20, {4, 8, 10}, "a word longer than the line is cut where it stops fitting"},
        {"ab/cdef", 20, {3, 7}, "breaks after a slash"},
        {"ab\ncd\n", 20, {3, 6}, "a final line feed leaves no empty line"},
        {"ab\n\ncd", 20, {3, 4, 6}, "an empty line between two line feeds"},
        {"a b c d e", 20, {4, 8, 9}, "the last candidate wins"},
        {"abc", 3, {1, 2, 3}, "a glyph wider than the line still moves on"},
    };
    for (const Case& c : cases) {
        Vector<int32_t> lineEnds;
        lineEnds.add(99); // cleared first
        const int32_t height = wrap(String(c.text), c.width, font, lineEnds, 2);
        EXPECT_EQ(ends(lineEnds), c.lineEnds) << c.why;
        EXPECT_EQ(height, int32_t(c.lineEnds.size()) * 12) << c.why;
    }
}

} // namespace

#include "TextFit.h"

#include "Font.h"

String fitText(const String& text, int32_t maxWidth, const Font& font)
{
    // Widths only grow with length, so the first prefix that fits is the longest.
    int32_t width = font.stringWidth(text);
    for (int32_t n = text.length(); n > 0; --n) {
        if (width < maxWidth)
            return n == text.length() ? text : text.substring(0, n);
        width -= font.charWidth(text.charAt(n - 1));
    }
    return String();
}

String fitWithEllipsis(const String& text, int32_t maxWidth, const Font& font)
{
    if (text.length() == 0)
        return String();
    if (font.stringWidth(text) < maxWidth)
        return text;
    const String dots("...");
    const String part = fitText(text, maxWidth - font.stringWidth(dots), font);
    if (part.length() >= text.length())
        return part;
    if (part.length() <= 1)
        return dots;
    return part.substring(0, part.length() - 1) + dots;
}

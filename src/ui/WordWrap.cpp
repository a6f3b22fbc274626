#include "ui/WordWrap.h"

#include "core/lcdui/2d/Anchor.h"
#include "core/lcdui/2d/Base2DGraphics.h"
#include "core/lcdui/2d/Font.h"
#include "core/lcdui/2d/TextFit.h"

int32_t wrap(const String& text, int32_t maxWidth, const Font& font, Vector<int32_t>& lineEnds,
             int32_t lineSpacing)
{
    lineEnds.clear();
    const int32_t n = text.length();
    if (n == 0 || maxWidth <= 0)
        return 0;
    const int32_t lineHeight = font.getHeight() + lineSpacing;
    int32_t height = 0;
    int32_t start = 0;
    while (start < n) {
        int32_t width = 0;
        int32_t candidate = -1; // position after the last space or slash
        bool spaceHangs = false;
        int32_t end = n;
        for (int32_t i = start; i < n; ++i) {
            const char16_t c = text.charAt(i);
            if (c == u'\n') {
                end = i + 1;
                break;
            }
            width += font.charWidth(c);
            if (width > maxWidth) {
                if (c == u' ' && !spaceHangs) {
                    spaceHangs = true;
                } else {
                    end = candidate > start ? candidate : i;
                    // Not even one character fits: take it anyway, or the text
                    // would never end.
                    if (end == start)
                        end = start + 1;
                    break;
                }
            }
            if (c == u' ' || c == u'/')
                candidate = i + 1;
        }
        lineEnds.add(end);
        height += lineHeight;
        start = end;
    }
    return height;
}

void drawWrapped(Base2DGraphics& g, Font& font, const String& text, const Vector<int32_t>& lineEnds, int32_t x,
                 int32_t y, int32_t lineSpacing, int32_t anchor)
{
    int32_t start = 0;
    for (int32_t i = 0; i < lineEnds.size(); ++i) {
        int32_t end = lineEnds[i];
        if (end > start && text.charAt(end - 1) == u'\n')
            --end;
        font.drawString(g, text, start, end, x, y, (anchor & (LEFT | HCENTER | RIGHT)) | TOP);
        y += font.getHeight() + lineSpacing;
        start = lineEnds[i];
    }
}

void drawBoxText(Base2DGraphics& g, Font& font, const String& text, int32_t x, int32_t y, int32_t w, int32_t h)
{
    // A label exactly as wide as the box still fits.
    const String shown = fitWithEllipsis(text, w + 1, font);
    font.drawString(g, shown, 0, shown.length(), x + w / 2, y + (h - font.getCellHeight()) / 2, HCENTER | TOP);
}

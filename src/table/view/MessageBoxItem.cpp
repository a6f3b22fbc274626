#include "table/view/MessageBoxItem.h"

#include "core/lcdui/2d/Anchor.h"
#include "core/lcdui/2d/Base2DGraphics.h"
#include "core/lcdui/2d/DisplayTables.h"
#include "core/runtime/TextFormat.h"
#include "table/view/TableArt.h"
#include "ui/WordWrap.h"

#include <algorithm>

namespace {

constexpr int32_t PANEL = 0x0F3D22;
constexpr int32_t GOLD = 0xFFC221;

int32_t panelInset(int32_t width) { return std::max(6, width / 16); }

} // namespace

MessageBoxItem::MessageBoxItem()
    : Item(ITEM_KIND_MESSAGE_BOX, 0, String(), /*focusable=*/false)
{
}

MessageBoxItem::Lines MessageBoxItem::lines() const
{
    Lines set;
    if (message.length() == 0 || layout.geometry.length < 4)
        return set;
    const int32_t w = layout.geometry[2];
    const int32_t spacing = displayTables().scalars.lineSpacing;
    // A message the panel's font cannot hold in four lines (the end of a tournament
    // on the narrowest display) is set in the standings' smaller font rather than
    // losing its end.
    for (int32_t role : { layout.font, int32_t(FONT_STANDINGS) }) {
        SharedPointer<Font> font = TableArt::font(role);
        if (!font.raw())
            continue;
        set.font = role;
        set.height = wrap(message, w - 2 * panelInset(w), *font, set.ends, spacing);
        if (set.ends.size() <= MAX_LINES)
            return set;
    }
    // Still more than four lines: the first four, the rest cut.
    if (SharedPointer<Font> font = TableArt::font(set.font); font.raw()) {
        while (set.ends.size() > MAX_LINES)
            set.ends.erase(set.ends.size() - 1);
        set.height = set.ends.size() * (font->getHeight() + spacing);
    }
    return set;
}

void MessageBoxItem::paint(Base2DGraphics& g, bool)
{
    const Lines set = lines();
    SharedPointer<Font> font = set.font >= 0 ? TableArt::font(set.font) : SharedPointer<Font>();
    if (!font.raw())
        return;
    const int32_t w = layout.geometry[2], h = layout.geometry[3];
    if (layout.image >= 0)
        TableArt::image(g, layout.image, 0, 0);
    const int32_t inset = panelInset(w);
    const String shown = set.ends.size() > 0 ? message.substring(0, set.ends[set.ends.size() - 1]) : message;
    drawWrapped(g, *font, shown, set.ends, w / 2, std::max(inset / 2, (h - set.height) / 2),
                displayTables().scalars.lineSpacing, HCENTER);
}

void MessageBoxItem::paintStandings(Base2DGraphics& g, int32_t x, int32_t y, int32_t w, int32_t h,
                                    const String& heading, const String& remaining,
                                    const Vector<TournamentStandings::Row>& rows)
{
    g.setColor(PANEL);
    g.fillRect(x, y, w, h);
    g.setColor(GOLD);
    for (int32_t i = 0; i < 3; ++i)
        g.drawRect(x + i, y + i, w - 1 - 2 * i, h - 1 - 2 * i);
    const int32_t inset = std::max(8, w / 20);
    int32_t top = y + inset;
    TableArt::text(g, FONT_MESSAGE_HEADING, heading, x + w / 2, top, HCENTER | TOP);
    top += TableArt::height(FONT_MESSAGE_HEADING) + inset / 2;
    TableArt::text(g, layout.font >= 0 ? layout.font : FONT_MESSAGE, remaining, x + w / 2, top, HCENTER | TOP);
    top += TableArt::height(FONT_MESSAGE) + inset;
    const int32_t step = std::max(TableArt::height(FONT_STANDINGS_PLAYER), TableArt::height(FONT_STANDINGS)) * 3 / 2;
    for (int32_t i = 0; i < rows.size() && top + step <= y + h; ++i) {
        const TournamentStandings::Row& row = rows[i];
        const int32_t font = row.human ? FONT_STANDINGS_PLAYER : FONT_STANDINGS;
        const String chips = formatMoney(row.chips);
        const int32_t chipsWidth = TableArt::width(font, chips);
        const int32_t centre = top + step / 2;
        const String left = TableArt::fit(font, String() + row.place + "  " + row.name, w - 3 * inset - chipsWidth);
        TableArt::text(g, font, left, x + inset, centre, LEFT | VCENTER);
        TableArt::text(g, font, chips, x + w - inset, centre, RIGHT | VCENTER);
        top += step;
    }
}

#pragma once

#include "core/runtime/String.h"
#include "core/runtime/Vector.h"
#include "ui/Item.h"
#include "table/TournamentStandings.h"

#include <cstdint>

// The message panel over the table (item kind 10): up to four wrapped lines between
// hands (in a smaller font when the panel's own would need more), or, stretched
// over the whole table, the tournament standings.
class MessageBoxItem : public Item {
public:
    static constexpr int32_t MAX_LINES = 4;

    MessageBoxItem();

    void setText(const String& text) { message = text; }
    const String& getText() const { return message; }
    void paint(Base2DGraphics& g, bool focused) override;

    // The message as the panel sets it: the font role, the end of every line drawn
    // (at most MAX_LINES; the last one short of the text's end when it is cut) and
    // the lines' height. No lines before the item has a layout.
    struct Lines {
        int32_t font = -1;
        Vector<int32_t> ends;
        int32_t height = 0;
    };
    Lines lines() const;

    // The standings view: a heading, the players left, the rows, in the box {x, y, w, h}.
    void paintStandings(Base2DGraphics& g, int32_t x, int32_t y, int32_t w, int32_t h, const String& heading,
                        const String& remaining, const Vector<TournamentStandings::Row>& rows);

private:
    String message;
};

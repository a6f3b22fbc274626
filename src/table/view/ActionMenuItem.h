#pragma once

#include "core/runtime/String.h"
#include "ui/Item.h"

#include <cstdint>

class TableLayout;

// The in-screen list of the player's actions (item kind 9): a row of buttons at
// the bottom of the table, one highlighted; in tournaments a last entry opens the
// standings. The same labels serve the popup menu of narrow displays.
class ActionMenuItem : public Item {
public:
    static constexpr int32_t MAX_ENTRIES = 4;
    // The code of the standings entry ("INFO").
    static constexpr int32_t INFO = 100;

    ActionMenuItem();

    // The offered actions (ActionCodes), then INFO when withInfo; callAmount is shown
    // in the call label. The highlight stays on its index, kept inside the list.
    void setEntries(const int32_t* codes, int32_t count, bool withInfo, int32_t callAmount);
    int32_t count() const { return entries; }
    int32_t codeAt(int32_t index) const { return codes[index]; }
    const String& labelAt(int32_t index) const { return labels[index]; }
    int32_t getHighlight() const { return highlight; }
    // +1 or -1, wrapping round.
    void move(int32_t direction);

    void setTableLayout(const TableLayout* tableLayout) { table = tableLayout; }
    // The entry under a point of the table, -1 when none.
    int32_t entryAt(int32_t px, int32_t py) const;
    void paint(Base2DGraphics& g, bool focused) override;

    // The label of an action: fold, wait, check, "Call ($50) ", bet, raise, all-in, INFO.
    static String labelFor(int32_t code, int32_t callAmount);

private:
    int32_t codes[MAX_ENTRIES] = {};
    String labels[MAX_ENTRIES];
    int32_t entries = 0;
    int32_t highlight = 0;
    int32_t toCall = 0;
    const TableLayout* table = nullptr;
};

#pragma once

#include "ui/Screen.h"

#include "core/resources/Base2DImage.h"
#include "core/runtime/Array.h"
#include "core/runtime/SharedPointer.h"
#include "core/runtime/String.h"
#include "core/runtime/Vector.h"

#include <cstdint>

class Font;

// A list of entries, one row each, the focused one on the highlight bar. Up and
// down move to the nearest enabled entry without wrapping; select, enter or a tap
// on an enabled row fire the Select command, and the controller reads the focus.
// Variants 9 and 11 show a header in the title band, variant 10 a header and a
// second line under it.
class MenuScreen : public Screen {
public:
    static constexpr int32_t VARIANT_PLAIN = 0;
    static constexpr int32_t VARIANT_GAME_TYPE = 9;
    static constexpr int32_t VARIANT_STAKES = 10;
    static constexpr int32_t VARIANT_TOURNAMENT_SIZE = 11;

    explicit MenuScreen(const String& title, int32_t variant = VARIANT_PLAIN);
    ~MenuScreen() override;

    // The first entry takes the focus. Returns the entry's index.
    int32_t addEntry(const String& label, const SharedPointer<Base2DImage>& image = SharedPointer<Base2DImage>());
    // The focus stays on the last entry when it was at or past it.
    void removeEntry(int32_t index);
    void removeAllEntries();
    using Screen::setFocus;
    // With scroll the entry's row is brought fully into view.
    void setFocus(int32_t index, bool scroll);
    // A focused entry that becomes disabled hands the focus to the nearest enabled
    // entry below, else above.
    void setEntryDisabled(bool disabled, int32_t index);
    // With a figure (a bankroll) the header reads text, a space and the figure; a
    // header too wide for its box shortens text and keeps the figure whole.
    void setHeader(const String& text, const String& figure = String());
    void setSubheader(const String& text);
    // The command the menu fires for a chosen entry; it is not shown on a soft key.
    void setSelectCommand(const SharedPointer<Command>& command) { selectCommand = command; }

    int32_t entryCount() const { return entryLabels.size(); }
    const String& entryLabel(int32_t index) const { return entryLabels[index]; }
    bool isEntryDisabled(int32_t index) const { return entryDisabled[index] != 0; }
    bool isEnabledEntry(int32_t index) const;
    const String& getHeader() const { return header; }
    const String& getSubheader() const { return subheader; }
    // {x, y, w, h} per row in content coordinates; filled by arrange.
    const IntArray& getRowRects() const { return rowRects; }

    bool handleEvent(int32_t type, int32_t p1, int32_t p2) override;
    void moveUp() override;
    void moveDown() override;
    bool pointerPressed(int32_t x, int32_t y) override;
    void arrange() override;
    void paintContent(Base2DGraphics& g) override;
    void paintTitle(Base2DGraphics& g) override;

private:
    void fireSelect();
    // The header as it fits width in font.
    String fittedHeader(const Font& font, int32_t width) const;
    void scrollToFocus();

    Vector<String> entryLabels;
    Vector<SharedPointer<Base2DImage>> entryImages;
    Vector<uint8_t> entryDisabled;
    String header;
    String headerText;
    String headerFigure;
    String subheader;
    IntArray rowRects;
    SharedPointer<Command> selectCommand;
    // A scroll asked for before the rows were laid out, done by the next arrange.
    bool scrollPending = false;
};

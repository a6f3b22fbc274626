#pragma once

#include "ui/Command.h"
#include "ui/Item.h"

#include "core/lcdui/2d/DisplayTables.h"
#include "core/runtime/Array.h"
#include "core/runtime/Object.h"
#include "core/runtime/SharedPointer.h"
#include "core/runtime/String.h"
#include "core/runtime/Vector.h"

#include <cstdint>

class Base2DGraphics;
class ScreenController;

// Base of every screen: an ordered list of items, a left and a right soft-key
// command, a title, a scroll position and a focus index. All geometry comes from
// the screen layout row of the display class for the screen's kind and variant,
// copied into the screen's own arrays when it lays itself out.
class Screen : public Object {
public:
    explicit Screen(int32_t kind, int32_t variant = 0);
    ~Screen() override;

    virtual void paint(Base2DGraphics& g);
    // Graphics translated to the client rectangle's corner and clipped to it.
    virtual void paintContent(Base2DGraphics& g);
    virtual void paintTitle(Base2DGraphics& g);
    // Hands the command and this screen to the listener.
    virtual void fireCommand(const SharedPointer<Command>& command);
    virtual bool handleEvent(int32_t type, int32_t p1, int32_t p2);
    virtual void moveUp();
    virtual void moveDown();
    // The hidden key sequences "dwdw", "dkrr" and "wwww". A screen that gives one
    // no meaning of its own passes it to its listener.
    enum HiddenSequence : int32_t { HIDDEN_DWDW = 0, HIDDEN_DKRR = 1, HIDDEN_WWWW = 2 };
    virtual void hiddenActionA();
    virtual void hiddenActionB();
    virtual void hiddenActionC();
    virtual void fireLeftSoftKey();
    virtual void fireRightSoftKey();
    // x, y relative to the client rectangle.
    virtual bool pointerPressed(int32_t x, int32_t y);
    virtual void layout();
    virtual void arrange();
    // Shown as a new screen / replaced and dropped / shown again from the back
    // stack / covered by a pushed screen.
    virtual void onShow();
    virtual void onHide();
    virtual void onResume();
    virtual void onPause();
    virtual bool wantsTextInput() const;
    // A screen that answers the soft keys and Back itself (from its own key
    // handling) gets them unhandled here instead of firing its soft-key commands.
    virtual bool keepsSoftKeys() const { return false; }
    // Whether a text field on this screen asks the host for typed characters.
    virtual bool takesTypedText() const { return false; }

    void setTitle(const String& text);
    const String& getTitle() const { return title; }

    // Type 2, 3 and 7 take the right soft key, any other the left one.
    void addCommand(const SharedPointer<Command>& command);
    // Clears whichever soft key holds exactly this command.
    void removeCommand(const Command* command);
    const SharedPointer<Command>& getLeftCommand() const { return leftCommand; }
    const SharedPointer<Command>& getRightCommand() const { return rightCommand; }
    const SharedPointer<Command>& getThirdCommand() const { return thirdCommand; }
    void setThirdCommand(const SharedPointer<Command>& command) { thirdCommand = command; }

    int32_t appendItem(const SharedPointer<Item>& item);
    void insertItem(int32_t index, const SharedPointer<Item>& item);
    void setItem(int32_t index, const SharedPointer<Item>& item);
    void removeItem(int32_t index);
    // Empty outside the list.
    SharedPointer<Item> itemAt(int32_t index) const;
    int32_t itemCount() const { return items.size(); }
    // Empty when the focus is -1 or past the end.
    SharedPointer<Item> getFocusedItem() const;

    int32_t getKind() const { return kind; }
    int32_t getVariant() const { return variant; }
    int32_t getFocus() const { return focus; }
    void setFocus(int32_t index) { focus = index; }
    int32_t getScrollY() const { return scrollY; }
    int32_t getContentHeight() const { return contentHeight; }
    bool canScrollUp() const { return scrollUpShown; }
    bool canScrollDown() const { return scrollDownShown; }
    // The screen's copy of its layout row; clientRect is filled by arrange.
    const ScreenLayout& getLayout() const { return geometry; }
    const IntArray& getClientRect() const { return geometry.clientRect; }
    int32_t clientWidth() const;
    int32_t clientHeight() const;

    ScreenController* getListener() const { return listener; }
    void setListener(ScreenController* controller) { listener = controller; }
    int64_t getStartTime() const { return startTime; }
    void setStartTime(int64_t millis) { startTime = millis; }

    bool isLayoutDirty() const { return layoutDirty; }
    // The display changed (or the content did): lay out again before the next
    // paint, and ask for that paint.
    void invalidateLayout();
    // Asks the display for a repaint; honoured only for the current screen.
    void repaint() const;

protected:
    // Focus movement and scrolling of screens that stack their items vertically
    // (text screens, name entry): the focus moves while the next focusable item is
    // in view, else the content scrolls by the layout's step.
    void scrollUp();
    void scrollDown();
    int32_t scrollStep() const;
    // The hidden sequence recogniser for one typed character; true when it fired.
    bool hiddenSequenceKey(char16_t key);
    static bool inRect(const IntArray& rect, int32_t px, int32_t py);

    uint8_t kind;
    uint8_t variant;
    ScreenLayout geometry;
    IntArray clientHitRect;
    IntArray scrollUpHitRect;
    IntArray scrollDownHitRect;
    String title;
    int32_t scrollY = 0;
    int32_t contentHeight = 0;
    bool scrollUpShown = false;
    bool scrollDownShown = false;
    ScreenController* listener = nullptr; // not owned
    SharedPointer<Command> leftCommand;
    SharedPointer<Command> rightCommand;
    SharedPointer<Command> thirdCommand;
    bool layoutDirty = true;
    Vector<SharedPointer<Item>> items;
    int32_t focus = -1;
    int64_t startTime = 0;
    char16_t sequenceKeys[3] = {0, 0, 0};
    bool sequenceArmed = false;
    bool sequenceConsumed = false;

private:
    void adopt(const SharedPointer<Item>& item, int32_t index);
};

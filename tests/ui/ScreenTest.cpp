#include "ui/Screen.h"

#include "ui/ScreenFixture.h"

#include "ui/ChoiceItem.h"
#include "ui/Events.h"
#include "ui/TextItem.h"
#include "ui/TextScreen.h"

#include "core/lcdui/2d/DisplayTables.h"
#include "core/lcdui/2d/ScreenClass.h"

namespace {

struct ScreenTest : ScreenFixture {
    SharedPointer<Command> ok {new Command(String("OK"), Command::TYPE_SCREEN, 1)};
    SharedPointer<Command> cancel {new Command(String("Cancel"), Command::TYPE_CANCEL, 1)};

    void type(Screen& screen, const char* keys, std::vector<bool>* consumed = nullptr)
    {
        for (const char* k = keys; *k; ++k) {
            const bool result = screen.handleEvent(EVENT_KEY, KEY_CHAR, *k);
            if (consumed)
                consumed->push_back(result);
        }
    }
};

struct CountingScreen : Screen {
    CountingScreen(int32_t kind = SCREEN_KIND_TEXT)
        : Screen(kind)
    {
    }
    void hiddenActionA() override { ++a; }
    void hiddenActionB() override { ++b; }
    bool keepsSoftKeys() const override { return keeps; }
    int32_t a = 0, b = 0;
    bool keeps = false;
};

TEST_F(ScreenTest, SoftKeysCommandsAndEscape)
{
    CountingScreen screen;
    screen.setListener(&controller);
    screen.addCommand(cancel);
    screen.addCommand(ok); // type 1 after type 3: both keep their sides
    EXPECT_EQ(screen.getRightCommand().raw(), cancel.raw());
    EXPECT_EQ(screen.getLeftCommand().raw(), ok.raw());

    paint(screen); // an empty screen paints and lays itself out
    EXPECT_FALSE(screen.isLayoutDirty());
    EXPECT_TRUE(screen.handleEvent(EVENT_KEY, KEY_BACK, 0));
    EXPECT_TRUE(screen.handleEvent(EVENT_KEY, KEY_SOFT_LEFT, 0));
    EXPECT_FALSE(screen.handleEvent(EVENT_KEY, KEY_FIRE, 0));
    EXPECT_FALSE(screen.handleEvent(EVENT_TICK, 0, 0));
    // Taps on the soft-key bar: right half, then left half.
    const ScreenLayout& row = screen.getLayout();
    EXPECT_TRUE(screen.handleEvent(EVENT_POINTER_PRESSED, displayWidth() - 5, row.rightSoftKeyPosition[1] + 3));
    EXPECT_TRUE(screen.handleEvent(EVENT_POINTER_PRESSED, 5, row.leftSoftKeyPosition[1] + 3));
    // Nothing to hit in the client area, and no arrows while nothing scrolls.
    EXPECT_FALSE(screen.handleEvent(EVENT_POINTER_PRESSED, 50, 100));
    std::vector<std::pair<Command*, Screen*>> fired;
    for (Command* command : {cancel.raw(), ok.raw(), cancel.raw(), ok.raw()})
        fired.push_back({command, &screen});
    EXPECT_EQ(controller.commands, fired);

    screen.removeCommand(cancel.raw());
    EXPECT_EQ(screen.getRightCommand().raw(), nullptr);
    EXPECT_TRUE(screen.handleEvent(EVENT_KEY, KEY_BACK, 0)); // consumed, fires nothing
    EXPECT_EQ(controller.commands.size(), 4u);

    // A screen that keeps its soft keys and Escape for itself (the table) gets
    // them back unhandled, and its commands do not fire.
    CountingScreen table;
    table.keeps = true;
    table.setListener(&controller);
    table.addCommand(cancel);
    EXPECT_FALSE(table.handleEvent(EVENT_KEY, KEY_BACK, 0));
    EXPECT_FALSE(table.handleEvent(EVENT_KEY, KEY_SOFT_RIGHT, 0));
    EXPECT_EQ(controller.commands.size(), 4u);
}

TEST_F(ScreenTest, HiddenSequences)
{
    CountingScreen screen;
    screen.setListener(&controller);
    std::vector<bool> consumed;
    type(screen, "dwdw", &consumed); // not armed
    type(screen, "*dwdw", &consumed);
    EXPECT_EQ(screen.a, 1);
    EXPECT_EQ(consumed, (std::vector<bool> {false, false, false, false, false, false, false, false, true}));

    type(screen, "0dkr*dkrr"); // "*" breaks the first attempt and arms again
    EXPECT_EQ(screen.b, 1);
    type(screen, "*dkxrr"); // a letter outside the set disarms
    EXPECT_EQ(screen.b, 1);
    type(screen, "*dwkwdw"); // "k" matches nothing: the "dw" before it no longer counts
    EXPECT_EQ(screen.a, 1);
    type(screen, "dw"); // ... but the "dw" after it does
    EXPECT_EQ(screen.a, 2);
    type(screen, "*ddwdw"); // the second "d" restarts the attempt
    EXPECT_EQ(screen.a, 3);
    EXPECT_TRUE(controller.hiddenSequences.empty()) << "the screen's own meaning";
    type(screen, "0wwww");
    type(screen, "dwdw"); // disarmed after a match
    EXPECT_EQ(screen.a, 3);

    // A screen that gives the sequences no meaning hands them to its listener.
    Screen plain(SCREEN_KIND_TEXT);
    plain.setListener(&controller);
    type(plain, "*dkrr0dwdw");
    const std::vector<std::pair<int32_t, Screen*>> reported = {
        {Screen::HIDDEN_WWWW, &screen}, {Screen::HIDDEN_DKRR, &plain}, {Screen::HIDDEN_DWDW, &plain}};
    EXPECT_EQ(controller.hiddenSequences, reported);
}

void appendText(Screen& screen, const String& text)
{
    screen.appendItem(SharedPointer<Item>(new TextItem(String(), text)));
}

SharedPointer<Item> onOff(const char* label)
{
    auto* item = new ChoiceItem(String(label));
    item->appendValue(String("On"));
    item->appendValue(String("Off"));
    return SharedPointer<Item>(item);
}

TEST_F(ScreenTest, FocusMovesWhileInViewElseTheContentScrolls)
{
    // Rows: text, choice, long text, choice, text.
    TextScreen screen {String("Scroll")};
    String lines;
    for (int i = 0; i < 60; ++i)
        lines = lines + "line " + i + "\n";
    appendText(screen, String("Top"));
    screen.appendItem(onOff("First"));
    appendText(screen, lines);
    screen.appendItem(onOff("Second"));
    appendText(screen, String("Bottom"));
    paint(screen);
    const int32_t view = screen.clientHeight();
    ASSERT_GT(screen.getContentHeight(), 3 * view) << "the long text must need scrolling";
    EXPECT_EQ(screen.getFocus(), 1);
    EXPECT_TRUE(screen.canScrollDown());
    EXPECT_FALSE(screen.canScrollUp());
    auto tap = [&](int32_t index) {
        const IntArray& client = screen.getClientRect();
        SharedPointer<Item> item = screen.itemAt(index);
        return screen.handleEvent(
            EVENT_POINTER_PRESSED, client[0] + item->getX() + 2, client[1] + item->getY() - screen.getScrollY() + 2);
    };
    EXPECT_FALSE(tap(0)) << "a tap on a text keeps the focus where it is";
    EXPECT_EQ(screen.getFocus(), 1);

    // Select reaches the focused choice first.
    EXPECT_TRUE(screen.handleEvent(EVENT_KEY, KEY_SELECT, 0));
    EXPECT_TRUE(screen.itemAt(1)->valueText().equals(String("Off")));

    // The next choice is far below: down scrolls a step at a time, then focuses it
    // as soon as its top is in view.
    int32_t presses = 0;
    while (screen.getFocus() == 1 && presses < 100) {
        screen.handleEvent(EVENT_KEY, KEY_DOWN, 0);
        ++presses;
        EXPECT_LE(screen.getScrollY(), screen.getContentHeight() - view);
    }
    EXPECT_EQ(screen.getFocus(), 3);
    EXPECT_LT(screen.itemAt(3)->getY(), view + screen.getScrollY());
    EXPECT_GT(presses, 3);
    // A tap on a choice focuses and changes it.
    screen.setFocus(1);
    EXPECT_TRUE(tap(3));
    EXPECT_EQ(screen.getFocus(), 3);
    EXPECT_TRUE(screen.itemAt(3)->valueText().equals(String("Off")));

    // At the end the position is exactly the last view.
    for (int i = 0; i < 100 && screen.getScrollY() < screen.getContentHeight() - view; ++i)
        screen.handleEvent(EVENT_KEY, KEY_DOWN, 0);
    EXPECT_EQ(screen.getScrollY(), screen.getContentHeight() - view);
    paint(screen);
    EXPECT_FALSE(screen.canScrollDown());
    EXPECT_TRUE(screen.canScrollUp());
    const int32_t end = screen.getScrollY();
    screen.handleEvent(EVENT_KEY, KEY_DOWN, 0);
    EXPECT_EQ(screen.getScrollY(), end);

    // Up scrolls back; the first choice takes the focus once its bottom shows.
    for (int i = 0; i < 100 && screen.getScrollY() > 0 && screen.getFocus() != 1; ++i)
        screen.handleEvent(EVENT_KEY, KEY_UP, 0);
    EXPECT_EQ(screen.getFocus(), 1);
    EXPECT_GT(screen.itemAt(1)->getY() + screen.itemAt(1)->getHeight(), screen.getScrollY());
}

// A blank item of a chosen height.
struct BlockItem : Item {
    explicit BlockItem(int32_t h)
        : Item(ITEM_KIND_TEXT, 0, String(), /*focusable=*/false)
        , blockHeight(h)
    {
    }
    void measure() override { setSize(10, blockHeight); }
    int32_t blockHeight;
};

TEST_F(ScreenTest, SmallPositionsSnapToTheTopAndArrowsActLikeKeys)
{
    TextScreen screen {String("Snap")};
    paint(screen);
    const ScreenLayout& row = screen.getLayout();
    const int32_t step = row.scrollStep, margin = row.scrollMargin;
    ASSERT_GT(margin, 1);
    // Content one step and half a margin taller than the view: the first step down
    // lands near enough the end to be put on it.
    const int32_t originY = row.contentOrigin[1];
    screen.appendItem(SharedPointer<Item>(
        new BlockItem(screen.clientHeight() + step + margin / 2 - originY - row.rowSpacing)));
    paint(screen);
    const IntArray& down = row.scrollDownArrowPosition;
    EXPECT_TRUE(screen.handleEvent(EVENT_POINTER_PRESSED, down[0] + 1, down[1] + 1));
    EXPECT_EQ(screen.getScrollY(), step + margin / 2);
    paint(screen);
    ASSERT_TRUE(screen.canScrollUp());
    // A press a little outside the arrow still hits it (the hit margin); up from
    // half a margin lands exactly on 0.
    const IntArray& up = row.scrollUpArrowPosition;
    EXPECT_TRUE(screen.handleEvent(EVENT_POINTER_PRESSED, up[0] - row.arrowHitMargin + 1, up[1]));
    EXPECT_EQ(screen.getScrollY(), 0);
    EXPECT_EQ(controller.commands.size(), 0u);
}

TEST_F(ScreenTest, WithoutFocusableItemsKeysOnlyScroll)
{
    TextScreen screen {String("Text")}, shortScreen {String("Short")};
    String lines;
    for (int i = 0; i < 40; ++i)
        lines = lines + "line " + i + "\n";
    appendText(screen, lines);
    appendText(shortScreen, String("One line."));
    for (TextScreen* s : {&screen, &shortScreen}) {
        paint(*s);
        s->handleEvent(EVENT_KEY, KEY_DOWN, 0);
        EXPECT_EQ(s->getFocus(), -1);
    }
    EXPECT_EQ(screen.getScrollY(), screen.getLayout().scrollStep);
    EXPECT_EQ(shortScreen.getScrollY(), 0);
}

TEST_F(ScreenTest, TheFocusFollowsItsItemAsItemsComeAndGo)
{
    TextScreen screen {String("Items")};
    screen.appendItem(SharedPointer<Item>(new TextItem(String(), String("Hello"))));
    EXPECT_EQ(screen.getFocus(), -1);
    auto* choice = new ChoiceItem(String("Sound"));
    choice->appendValue(String("On"));
    screen.insertItem(0, SharedPointer<Item>(choice));
    EXPECT_EQ(screen.getFocusedItem().raw(), choice);
    paint(screen);
    screen.insertItem(0, SharedPointer<Item>(new TextItem(String(), String("Header"))));
    EXPECT_TRUE(screen.isLayoutDirty());
    EXPECT_EQ(screen.getFocus(), 1) << "the focused item keeps the focus when it moves";
    screen.removeItem(1);
    EXPECT_EQ(screen.getFocusedItem().raw(), nullptr);
}

TEST_F(ScreenTest, LayoutCopiesTheRowIntoTheScreensOwnArrays)
{
    TextScreen screen {String("Layout")};
    paint(screen);
    const ScreenLayout* row = findScreenLayout(SCREEN_KIND_TEXT, 0);
    ASSERT_NE(row, nullptr);
    const ScreenLayout& own = screen.getLayout();
    ASSERT_EQ(own.titleTextBox.length, row->titleTextBox.length);
    EXPECT_NE(own.titleTextBox.data, row->titleTextBox.data);
    EXPECT_NE(own.clientRect.data, row->clientRect.data);
    EXPECT_NE(own.contentOrigin.data, row->contentOrigin.data);
    const int32_t before = row->clientRect[3];
    own.clientRect[3] = 1; // the screen's copy is its own
    EXPECT_EQ(row->clientRect[3], before);

    // Two screens do not share either.
    TextScreen other {String("Other")};
    paint(other);
    EXPECT_NE(other.getLayout().clientRect.data, own.clientRect.data);

    // A class without tables leaves the screen's fields as they were.
    ScreenLayout kept = screen.getLayout();
    setDisplaySize(800, 600);
    EXPECT_FALSE(applyScreenLayout(kept, SCREEN_KIND_TEXT, 0));
    EXPECT_EQ(kept.clientRect.data, screen.getLayout().clientRect.data);
    resize(800, 600);
    screen.layout();
    EXPECT_EQ(screen.getLayout().titleTextBox.data, own.titleTextBox.data);
    EXPECT_EQ(screen.getClientRect()[2], 800) << "the computed client rectangle fills the display";
}

} // namespace

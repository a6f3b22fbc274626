#include "ui/MenuScreen.h"

#include "ui/Events.h"

#include "ui/ScreenFixture.h"

namespace {

class MenuScreenTest : public ScreenFixture {
protected:
    // The stake menu with a bankroll between 1000 and 4999: only the first entry open.
    void SetUp() override
    {
        ScreenFixture::SetUp();
        menu.setListener(&controller);
        menu.setSelectCommand(select);
        menu.addCommand(back);
        for (const char* label : {"A", "B", "C", "D", "E", "F"})
            menu.addEntry(String(label));
        menu.onShow();
    }
    bool key(int32_t code) { return menu.handleEvent(EVENT_KEY, code, 0); }
    // A press in the middle of row i, in frame coordinates.
    bool tapRow(int32_t i)
    {
        const IntArray& rows = menu.getRowRects();
        const IntArray& client = menu.getClientRect();
        return menu.handleEvent(EVENT_POINTER_PRESSED, client[0] + rows[4 * i] + rows[4 * i + 2] / 2,
                                client[1] + rows[4 * i + 1] + rows[4 * i + 3] / 2 - menu.getScrollY());
    }

    SharedPointer<Command> select { new Command(String("Select"), Command::TYPE_SCREEN, 0) };
    SharedPointer<Command> back { new Command(String("Back"), Command::TYPE_BACK, 1) };
    MenuScreen menu { String("Stakes"), MenuScreen::VARIANT_STAKES };
};

TEST_F(MenuScreenTest, DisabledEntriesAreNeverFocusedNorSelected)
{
    EXPECT_EQ(menu.getFocus(), 0);
    for (int32_t i = 1; i < 6; ++i)
        menu.setEntryDisabled(true, i);
    EXPECT_TRUE(key(KEY_DOWN));
    EXPECT_EQ(menu.getFocus(), 0);
    EXPECT_FALSE(tapRow(3));
    EXPECT_TRUE(controller.commands.empty());

    EXPECT_TRUE(key(KEY_FIRE));
    ASSERT_EQ(controller.commands.size(), 1u);
    EXPECT_EQ(controller.commands[0].first, select.raw());

    // Disabling the focused entry moves the focus down, else up.
    menu.setEntryDisabled(false, 4);
    menu.setFocus(4, /*scroll=*/true);
    menu.setEntryDisabled(false, 5);
    menu.setEntryDisabled(true, 4);
    EXPECT_EQ(menu.getFocus(), 5);
    menu.setEntryDisabled(true, 5);
    EXPECT_EQ(menu.getFocus(), 0);
}

TEST_F(MenuScreenTest, TapsSelectAndFocusMovesScrollTheRowIntoView)
{
    EXPECT_TRUE(tapRow(2));
    EXPECT_EQ(menu.getFocus(), 2);
    ASSERT_EQ(controller.commands.size(), 1u);
    EXPECT_EQ(controller.commands[0].first, select.raw());

    // Many entries on the smallest display: down to the last scrolls it fully in.
    resize(176, 220);
    for (int32_t i = 0; i < 10; ++i)
        menu.addEntry(String("More"));
    menu.layout();
    ASSERT_GT(menu.getContentHeight(), menu.clientHeight());
    for (int32_t i = 0; i < 20; ++i)
        key(KEY_DOWN);
    EXPECT_EQ(menu.getFocus(), 15);
    EXPECT_EQ(menu.getScrollY(), menu.getContentHeight() - menu.clientHeight());
    paint(menu);
    EXPECT_TRUE(menu.canScrollUp());
    EXPECT_FALSE(menu.canScrollDown());
    for (int32_t i = 0; i < 20; ++i)
        key(KEY_UP);
    EXPECT_EQ(menu.getFocus(), 0);
    EXPECT_EQ(menu.getScrollY(), 0);
    paint(menu);
    EXPECT_FALSE(menu.canScrollUp());

    // Removing entries keeps the focus on the last one.
    menu.setFocus(15, /*scroll=*/false);
    menu.removeEntry(15);
    EXPECT_EQ(menu.getFocus(), 14);
    paint(menu);
}

} // namespace

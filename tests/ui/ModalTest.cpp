// The modal alert and the popup command menu, each driven through a scripted modal
// loop the way the window procedure drives them.
#include "ui/ScreenFixture.h"

#include "ui/AlertItem.h"
#include "ui/Events.h"
#include "ui/PopupMenu.h"

#include "core/lcdui/2d/Anchor.h"
#include "core/lcdui/2d/ScreenClass.h"
#include "core/runtime/Clock.h"

namespace {

using ModalTest = ScreenFixture;

struct AlertBox {
    int32_t width, height;
    int32_t x, y, w; // the box of the class
};

TEST_F(ModalTest, AlertBoxPerClassShrinksToShortTextAndCentres)
{
    const AlertBox boxes[] = {{176, 220, 15, 26, 146}, {240, 240, 20, 30, 200}, {240, 320, 21, 40, 198},
                              {320, 240, 20, 30, 280}, {320, 320, 27, 40, 266}, {480, 640, 41, 80, 398},
                              {640, 360, 140, 30, 360}, {640, 480, 140, 30, 360},
                              {800, 600, 10, 10, 780}}; // no tables: 10 inside the display
    String longText;
    for (int i = 0; i < 1000; ++i)
        longText = longText + "word ";
    for (const AlertBox& b : boxes) {
        resize(b.width, b.height);
        AlertItem shortAlert(String("Saved."));
        shortAlert.layout();
        const IntArray& box = shortAlert.getBox();
        EXPECT_EQ(box[0], b.x) << b.width << "x" << b.height;
        EXPECT_EQ(box[2], b.w);
        EXPECT_EQ(shortAlert.lineCount(), 1);
        EXPECT_EQ(box[1], (b.height - box[3]) / 2) << "centred";
        AlertItem longAlert(longText);
        longAlert.layout();
        EXPECT_EQ(longAlert.getBox()[1], b.y) << "a long text keeps the class's box";
        EXPECT_GT(longAlert.lineCount(), 3);
    }
}

TEST_F(ModalTest, ShowAlertRunsUntilDismissedAndStampsTheModalEnd)
{
    setLastModalEnd(0);
    int64_t seenDuring = 0;
    loop.steps.push_back([&] {
        ASSERT_NE(shownAlert(), nullptr);
        EXPECT_TRUE(shownAlert()->getText().equals(String("Name must be between 4 - 10 characters")));
        seenDuring = lastModalEnd();
    });
    loop.steps.push_back([&] { display.clearOverlay(); }); // the window's dismissal
    showAlert(String("Name must be between 4 - 10 characters"));
    EXPECT_EQ(loop.next, 2u);
    EXPECT_GT(seenDuring, 0) << "stamped when the alert starts";
    EXPECT_GE(lastModalEnd(), seenDuring);
    EXPECT_EQ(shownAlert(), nullptr);

    // The loop ending by itself (the window closing) takes the alert away too.
    showAlert(String("Bye"));
    EXPECT_EQ(shownAlert(), nullptr);
}

TEST_F(ModalTest, ASizeChangeLaysTheShownAlertOutAgain)
{
    auto* alert = new AlertItem(String("A text long enough to wrap on every display class of the game."));
    display.setOverlay(SharedPointer<Overlay>(alert));
    alert->paint(*display.getSurface());
    EXPECT_EQ(alert->getBox()[2], 198);
    resize(480, 640);
    EXPECT_EQ(alert->getBox().length, 0) << "geometry emptied";
    EXPECT_EQ(alert->getScrollY(), 0);
    alert->paint(*display.getSurface());
    EXPECT_EQ(alert->getBox()[2], 398);
    display.clearOverlay();
}

SharedPointer<PopupMenu> actions()
{
    SharedPointer<PopupMenu> menu(new PopupMenu);
    menu->addItem(String("Fold"), 11);
    menu->addItem(String("Call"), 12);
    menu->addSeparator();
    menu->addItem(String("INFO"), 13);
    return menu;
}

TEST_F(ModalTest, PopupAnchors)
{
    SharedPointer<PopupMenu> menu = actions();
    menu->place(100, 200, BOTTOM | LEFT);
    const int32_t w = menu->getWidth(), h = menu->getHeight();
    ASSERT_GT(w, 0);
    EXPECT_EQ(menu->getX(), 100);
    EXPECT_EQ(menu->getY() + h, 200) << "lower-left corner at the point";
    menu->place(200, 100, 0);
    EXPECT_EQ(menu->getX() + w, 200) << "no horizontal bits: right edge at x";
    EXPECT_EQ(menu->getY(), 100) << "no vertical bits: top at y";
    menu->place(120, 160, HCENTER | VCENTER);
    EXPECT_EQ(menu->getX(), 120 - w / 2);
    EXPECT_EQ(menu->getY(), 160 - h / 2);
    menu->place(120, 160, HCENTER | LEFT | VCENTER | BOTTOM);
    EXPECT_EQ(menu->getX(), 120) << "LEFT wins over HCENTER";
    EXPECT_EQ(menu->getY(), 160 - h) << "BOTTOM wins over VCENTER";
    menu->place(displayWidth() - 5, 3, LEFT | BOTTOM);
    EXPECT_EQ(menu->getX() + w, displayWidth()) << "kept on the display";
    EXPECT_EQ(menu->getY(), 0);
}

TEST_F(ModalTest, PopupKeysChooseSkipSeparatorsAndDismiss)
{
    SharedPointer<PopupMenu> menu = actions();
    setLastModalEnd(0);
    loop.steps = {
        [&] {
            EXPECT_EQ(PopupMenu::current(), menu.raw());
            EXPECT_EQ(menu->getFocus(), 0);
            menu->handleEvent(EVENT_KEY, KEY_UP, 0); // no wrap
            EXPECT_EQ(menu->getFocus(), 0);
            menu->handleEvent(EVENT_KEY, KEY_DOWN, 0);
            menu->handleEvent(EVENT_KEY, KEY_DOWN, 0); // over the separator
            EXPECT_EQ(menu->getFocus(), 3);
            menu->handleEvent(EVENT_KEY, KEY_DOWN, 0);
            EXPECT_EQ(menu->getFocus(), 3);
            EXPECT_TRUE(menu->handleEvent(EVENT_KEY, KEY_CHAR, 'x')); // swallowed while open
        },
        [&] { menu->handleEvent(EVENT_KEY, KEY_FIRE, 0); },
    };
    EXPECT_EQ(menu->show(100, 200, BOTTOM | LEFT), 13);
    EXPECT_EQ(menu->getSelected(), 13);
    EXPECT_EQ(PopupMenu::current(), nullptr);
    EXPECT_GT(lastModalEnd(), 0);

    loop.steps = {[&] { menu->handleEvent(EVENT_KEY, KEY_BACK, 0); }};
    loop.next = 0;
    EXPECT_EQ(menu->show(100, 200, BOTTOM | LEFT), -1);
    EXPECT_EQ(menu->getSelected(), -1);

    loop.steps.clear(); // the window closes while the menu is up
    loop.next = 0;
    EXPECT_EQ(menu->show(100, 200, BOTTOM | LEFT), -1);
    EXPECT_EQ(PopupMenu::current(), nullptr);
}

TEST_F(ModalTest, PopupPointer)
{
    SharedPointer<PopupMenu> menu = actions();
    int32_t rowY = 0;
    loop.steps = {
        [&] {
            // Rows: Fold, Call, a separator (5), INFO, inside a 2-pixel frame.
            const int32_t x = menu->getX() + menu->getWidth() / 2;
            const int32_t rowH = (menu->getHeight() - 4 - 5) / 3;
            rowY = menu->getY() + 2 + rowH + rowH / 2;
            menu->handleEvent(EVENT_POINTER_PRESSED, x, rowY);
            EXPECT_EQ(menu->getFocus(), 1);
            menu->handleEvent(EVENT_POINTER_DRAGGED, x, rowY - rowH);
            EXPECT_EQ(menu->getFocus(), 0);
            menu->handleEvent(EVENT_POINTER_DRAGGED, x, rowY);
            menu->handleEvent(EVENT_POINTER_RELEASED, x, rowY);
        },
    };
    EXPECT_EQ(menu->show(10, 10, TOP | LEFT), 12);

    loop.steps = {[&] { menu->handleEvent(EVENT_POINTER_PRESSED, menu->getX() + menu->getWidth() + 3, rowY); }};
    loop.next = 0;
    EXPECT_EQ(menu->show(10, 10, TOP | LEFT), -1) << "a press outside dismisses";
}

} // namespace

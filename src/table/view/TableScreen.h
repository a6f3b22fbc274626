#pragma once

#include "core/io/GameSetup.h"
#include "core/runtime/SharedPointer.h"
#include "table/view/ActionMenuItem.h"
#include "table/view/AmountKeypad.h"
#include "table/view/MessageBoxItem.h"
#include "ui/Screen.h"
#include "table/view/SeatBubble.h"
#include "table/TableGame.h"
#include "table/view/TableLayout.h"

#include <cstdint>

class TableHost;

// The poker table (screen kind 4; variant 6 cash game, 7 heads-up, 8 tournament):
// plays one TableGame frame by frame, draws it, and turns keys and pointer presses
// into the player's actions and bet amounts. The right soft key goes to the main
// menu and keeps the table for a later resume; on displays 176 pixels wide the
// left soft key "ACTIONS" opens the actions as a popup menu.
class TableScreen : public Screen {
public:
    // Displays this wide get the "ACTIONS" soft key and the popup instead of buttons.
    static constexpr int32_t NARROW_WIDTH = 176;
    static constexpr int32_t TEXT_MENU = 2071;
    static constexpr int32_t TEXT_STANDINGS = 2133;

    // The host must outlive the screen.
    TableScreen(TableHost& host, const GameSetup& setup, bool resume);
    ~TableScreen() override;

    void paint(Base2DGraphics& g) override;
    bool keepsSoftKeys() const override { return true; }
    void paintContent(Base2DGraphics& g) override;
    bool handleEvent(int32_t type, int32_t p1, int32_t p2) override;
    void moveUp() override;
    void moveDown() override;
    void hiddenActionA() override;
    void hiddenActionB() override;
    void fireLeftSoftKey() override;
    void fireRightSoftKey() override;
    bool pointerPressed(int32_t x, int32_t y) override;
    void arrange() override;
    void onShow() override;

    // The kept table resumed from the menus under the player's current name.
    void setHumanName(const String& name, int32_t avatar);

    TableGame& game() { return tableGame; }
    const TableGame& game() const { return tableGame; }
    const ActionMenuItem& actionMenu() const { return actions; }
    const TableLayout& tableLayout() const { return table; }
    // The standings rows as the view shows them; empty unless it is shown.
    Vector<TournamentStandings::Row> standingsRows() const;
    bool narrowDisplay() const;

private:
    void frameStep();
    // A key or pointer press, after the modal views: true when it was used.
    bool modalPress();
    void key(int32_t code, char16_t c);
    void amountKey(int32_t code, char16_t c);
    void choose(int32_t index);
    void showActionsPopup();
    void leave();
    void goToMenu();
    void syncWidgets();

    TableGame tableGame;
    TableLayout table;
    ActionMenuItem actions;
    MessageBoxItem messageBox;
    AmountKeypad keypad;
    SeatBubble bubbles[TableGame::SEATS];
    SharedPointer<Command> menuCommand;
    SharedPointer<Command> actionsCommand;
    bool blink = false;
    bool popupOpen = false;
};

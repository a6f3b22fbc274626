#include "table/view/TableScreen.h"

#include "core/lcdui/2d/Anchor.h"
#include "core/lcdui/2d/Base2DGraphics.h"
#include "core/lcdui/2d/DisplayTables.h"
#include "core/lcdui/2d/ScreenClass.h"
#include "core/resources/ResourcePack.h"
#include "poker/ActionCode.h"
#include "ui/Events.h"
#include "ui/PopupMenu.h"
#include "table/view/TablePainter.h"

TableScreen::TableScreen(TableHost& host, const GameSetup& setup, bool resume)
    : Screen(SCREEN_KIND_TABLE, setup.gameType)
    , tableGame(host, setup, resume)
    , keypad(displayWidth() >= 480)
    , menuCommand(new Command(getText(TEXT_MENU), Command::TYPE_BACK, 1))
    , actionsCommand(new Command(String("ACTIONS"), Command::TYPE_SCREEN, 1))
{
    addCommand(menuCommand);
    if (narrowDisplay())
        addCommand(actionsCommand);
    actions.setTableLayout(&table);
    keypad.setTableLayout(&table);
    actions.setOwner(this);
    keypad.setOwner(this);
    messageBox.setOwner(this);
    for (SeatBubble& bubble : bubbles)
        bubble.setOwner(this);
}

TableScreen::~TableScreen() = default;

bool TableScreen::narrowDisplay() const
{
    return displayWidth() == NARROW_WIDTH;
}

void TableScreen::onShow()
{
    Screen::onShow();
    // Once per game: the kept table comes back as it was left.
    if (!tableGame.isSetUp())
        tableGame.setUp(displayTables().scalars.turnAlertFrames);
    syncWidgets();
    repaint();
}

void TableScreen::setHumanName(const String& name, int32_t avatar)
{
    tableGame.setHumanName(name, avatar);
}

void TableScreen::arrange()
{
    Screen::arrange();
    table.read(geometry);
    actions.measure();
    messageBox.measure();
    keypad.measure();
    const IntArray& box = messageBox.getGeometry();
    if (box.length >= 2)
        messageBox.setPosition(box[0], box[1]);
    for (SeatBubble& bubble : bubbles)
        bubble.measure();
    // The soft key of the popup follows the display's width.
    removeCommand(actionsCommand.raw());
    if (narrowDisplay())
        addCommand(actionsCommand);
    syncWidgets();
}

// ---- painting ----

void TableScreen::paint(Base2DGraphics& g)
{
    blink = !blink;
    Screen::paint(g);
}

void TableScreen::paintContent(Base2DGraphics& g)
{
    if (tableGame.isStandingsShown()) {
        const IntArray& client = geometry.clientRect;
        int32_t w = client.length >= 4 ? client[2] : displayWidth();
        const int32_t h = client.length >= 4 ? client[3] : displayHeight();
        // The landscape frame keeps the list to the message box's column.
        int32_t x = 0;
        const IntArray& column = displayTables().sharedRects[RECT_MESSAGE_BOX];
        if (displayTables().screenClass == SCREEN_CLASS_LANDSCAPE && column.length >= 4) {
            x = column[0];
            w = column[2];
        }
        messageBox.paintStandings(g, x, 0, w, h, getText(TEXT_STANDINGS),
                                  TournamentStandings::remainingLine(tableGame.tournament()), standingsRows());
        return;
    }
    TablePainter painter(tableGame, table, blink);
    painter.paint(g);
    for (SeatBubble& bubble : bubbles) {
        g.translate(bubble.getX(), bubble.getY());
        bubble.paint(g, false);
        g.translate(-bubble.getX(), -bubble.getY());
    }
    if (tableGame.amount().isOpen()) {
        painter.paintAmountPanel(g);
        keypad.paint(g, false);
    } else if (!narrowDisplay() && !tableGame.view().handOver) {
        actions.paint(g, true);
    }
    if (messageBox.getText().length() > 0) {
        g.translate(messageBox.getX(), messageBox.getY());
        messageBox.paint(g, false);
        g.translate(-messageBox.getX(), -messageBox.getY());
    }
}

Vector<TournamentStandings::Row> TableScreen::standingsRows() const
{
    if (!tableGame.isStandingsShown())
        return Vector<TournamentStandings::Row>();
    return TournamentStandings::rows(tableGame.tournament());
}

// ---- the frame ----

void TableScreen::frameStep()
{
    const bool changed = tableGame.tick(FRAME_INTERVAL_MS);
    keypad.setPressed(-1);
    syncWidgets();
    // Flashing winnings need every frame; otherwise only changes are drawn, so a
    // table waiting for the player costs nothing.
    const bool flashing = tableGame.view().handOver;
    if (changed || flashing)
        repaint();
}

void TableScreen::syncWidgets()
{
    int32_t codes[3];
    const int32_t n = tableGame.humanActions(codes);
    const bool tournament = tableGame.getVariant() == GameSetup::GAME_TOURNAMENT;
    actions.setEntries(codes, n, tournament && !tableGame.isOver(), tableGame.pokerTable().toCall(TableGame::HUMAN_SEAT));
    // The box is for the messages that stop the game; a hand's result is drawn in
    // the pot's place by the painter.
    messageBox.setText(tableGame.isModalMessage() ? tableGame.message() : String());
    for (int32_t s = 0; s < TableGame::SEATS; ++s) {
        const TableGame::SeatState& state = tableGame.seat(s);
        bubbles[s].setText(state.bubble);
        const TableLayout::Point at = table.bubbleOrigin(s);
        const TableLayout::Point seatAt = table.seatOrigin(s);
        const TableLayout::Point humanAt = table.seatOrigin(TableGame::HUMAN_SEAT);
        bubbles[s].place(at.x, at.y, seatAt.y < humanAt.y);
    }
}

// ---- input ----

bool TableScreen::handleEvent(int32_t type, int32_t p1, int32_t p2)
{
    switch (type) {
    case EVENT_TICK:
        frameStep();
        return false;
    case EVENT_KEY:
        if (p1 == KEY_CHAR && Screen::handleEvent(type, p1, p2))
            return false; // a hidden sequence fired
        if (!modalPress())
            key(p1, p1 == KEY_CHAR ? char16_t(p2) : 0);
        break;
    case EVENT_KEYPAD: {
        // A digit the amount takes here is not typed again when the same key comes
        // back as a character; anything else goes on to the key handling.
        if (!tableGame.amount().isOpen() || !tableGame.amount().type(char16_t(p2)))
            return false;
        syncWidgets();
        repaint();
        return true;
    }
    case EVENT_POINTER_PRESSED:
        if (!modalPress())
            Screen::handleEvent(type, p1, p2);
        break;
    default:
        return false;
    }
    syncWidgets();
    repaint();
    return false;
}

bool TableScreen::modalPress()
{
    switch (tableGame.press()) {
    case TableGame::MODAL_CLOSED:
        return true;
    case TableGame::MODAL_LEAVE:
        leave();
        return true;
    default:
        return false;
    }
}

void TableScreen::key(int32_t code, char16_t c)
{
    if (tableGame.amount().isOpen()) {
        amountKey(code, c);
        return;
    }
    switch (code) {
    case KEY_SOFT_LEFT:
        fireLeftSoftKey();
        return;
    case KEY_SOFT_RIGHT:
    case KEY_BACK:
        goToMenu();
        return;
    case KEY_UP:
    case KEY_RIGHT:
        actions.move(+1);
        return;
    case KEY_DOWN:
    case KEY_LEFT:
        actions.move(-1);
        return;
    case KEY_FIRE:
    case KEY_SELECT:
        if (!narrowDisplay())
            choose(actions.getHighlight());
        return;
    case KEY_CHAR:
        if (c >= u'1' && c <= u'3') {
            choose(c - u'1');
        } else if (c == u'4') {
            tableGame.showStandings();
        }
        return;
    default:
        return;
    }
}

void TableScreen::amountKey(int32_t code, char16_t c)
{
    switch (code) {
    case KEY_CHAR:
        tableGame.amount().type(c);
        return;
    case KEY_UP:
    case KEY_RIGHT:
        tableGame.amount().increase();
        return;
    case KEY_DOWN:
    case KEY_LEFT:
        tableGame.amount().decrease();
        return;
    case KEY_CLEAR:
    case KEY_DELETE:
    case KEY_BACK:
        tableGame.amount().clear();
        return;
    case KEY_FIRE:
    case KEY_SELECT:
        tableGame.confirmAmount();
        return;
    case KEY_SOFT_RIGHT:
        tableGame.cancelAmount();
        return;
    default:
        return;
    }
}

// An entry of the action list: an action, or the standings.
void TableScreen::choose(int32_t index)
{
    if (index < 0 || index >= actions.count())
        return;
    const int32_t code = actions.codeAt(index);
    if (code == ActionMenuItem::INFO) {
        tableGame.showStandings();
        return;
    }
    tableGame.chooseAction(code);
}

void TableScreen::moveUp()
{
    key(KEY_UP, 0);
    syncWidgets();
    repaint();
}

void TableScreen::moveDown()
{
    key(KEY_DOWN, 0);
    syncWidgets();
    repaint();
}

void TableScreen::fireLeftSoftKey()
{
    if (narrowDisplay() && !tableGame.amount().isOpen())
        showActionsPopup();
}

void TableScreen::fireRightSoftKey()
{
    if (tableGame.amount().isOpen()) {
        tableGame.cancelAmount();
        return;
    }
    goToMenu();
}

void TableScreen::showActionsPopup()
{
    if (popupOpen || actions.count() == 0)
        return;
    PopupMenu popup;
    for (int32_t i = 0; i < actions.count(); ++i)
        popup.addItem(actions.labelAt(i), i);
    const IntArray& client = geometry.clientRect;
    const int32_t barTop = client.length >= 4 ? client[1] + client[3] : displayHeight();
    popupOpen = true;
    // Opened from the left soft key but standing at the right edge: on a narrow
    // display the left corner is where the player's cards show their ranks.
    const int32_t chosen = popup.show(displayWidth(), barTop, BOTTOM | RIGHT);
    popupOpen = false;
    // The table may have moved on while the menu was up: choose only what is offered still.
    syncWidgets();
    if (chosen >= 0)
        choose(chosen);
    syncWidgets();
    repaint();
}

bool TableScreen::pointerPressed(int32_t px, int32_t py)
{
    if (tableGame.amount().isOpen()) {
        AmountEntry& entry = tableGame.amount();
        if (table.amountMinus().contains(px, py)) {
            entry.decrease();
            return true;
        }
        if (table.amountPlus().contains(px, py)) {
            entry.increase();
            return true;
        }
        const int32_t k = keypad.keyAt(px, py);
        if (k < 0)
            return false;
        keypad.setPressed(k);
        if (k == AmountKeypad::KEY_ALL_IN)
            entry.allIn();
        else if (k == AmountKeypad::KEY_CLEAR)
            entry.clear();
        else if (k == AmountKeypad::KEY_OK)
            tableGame.confirmAmount();
        else
            entry.type(char16_t(u'0' + AmountKeypad::digitOf(k)));
        return true;
    }
    if (narrowDisplay() || tableGame.view().handOver)
        return false;
    const int32_t index = actions.entryAt(px, py);
    if (index < 0)
        return false;
    choose(index);
    return true;
}

void TableScreen::hiddenActionA()
{
    tableGame.hiddenActionA();
}

void TableScreen::hiddenActionB()
{
    tableGame.hiddenActionB();
}

// ---- leaving ----

void TableScreen::goToMenu()
{
    // The table stays as it is; the controller keeps it for a later resume and
    // goes home on the menu command.
    fireCommand(menuCommand);
}

void TableScreen::leave()
{
    // The game has paid the chips back (TableGame::press); now to the main menu.
    goToMenu();
}

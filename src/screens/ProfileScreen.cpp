#include "screens/ProfileScreen.h"

#include "ui/AlertItem.h"
#include "ui/Events.h"
#include "ui/MenuRow.h"

#include "core/io/Profile.h"
#include "core/lcdui/2d/Anchor.h"
#include "core/lcdui/2d/Base2DGraphics.h"
#include "core/lcdui/2d/Display.h"
#include "core/resources/Base2DImage.h"
#include "core/resources/ResourcePack.h"

namespace {

constexpr int32_t TEXT_NAME = 2075;
constexpr int32_t TEXT_AVATAR = 2021;
constexpr int32_t TEXT_PROFILE_ENTRY = 2104; // the main menu entry that leads here

} // namespace

ProfileScreen::ProfileScreen(Profile& playerProfile, const MultiTapKeys& keys)
    : Screen(SCREEN_KIND_NAME_ENTRY)
    , profile(playerProfile)
{
    title = getText(TEXT_PROFILE_ENTRY);
    nameField = SharedPointer<TextField>(new TextField(getText(TEXT_NAME) + " (4-10): ", profile.playerName,
                                                       MAX_NAME_LENGTH, /*constraints=*/0, keys));
    appendItem(nameField);
    rebuildNameRow();
    avatarRow = getText(TEXT_AVATAR);
}

ProfileScreen::~ProfileScreen() = default;

void ProfileScreen::rebuildNameRow()
{
    nameRow = getText(TEXT_NAME) + ": " + profile.playerName;
    repaint();
}

bool ProfileScreen::takeName()
{
    nameField->commit(/*toEnd=*/false);
    // Spaces around a name would show as a blank seat and a blank name in the hand
    // histories; only what is left between them counts towards the length.
    const String name = nameField->getText().trim();
    if (name.length() < MIN_NAME_LENGTH || name.length() > MAX_NAME_LENGTH)
        return false;
    profile.playerName = name;
    editing = false;
    rebuildNameRow();
    return true;
}

void ProfileScreen::select()
{
    if (row == 0) {
        // Editing starts from the name as it stands; a name dropped earlier is gone.
        nameField->setText(profile.playerName);
        editing = true;
    } else {
        profile.avatar = (profile.avatar + 1) % PLAYER_AVATARS;
    }
    repaint();
}

bool ProfileScreen::handleEvent(int32_t type, int32_t p1, int32_t p2)
{
    const bool choose = type == EVENT_KEY && (p1 == KEY_SELECT || p1 == KEY_FIRE);
    if (!editing) {
        if (!choose)
            return Screen::handleEvent(type, p1, p2);
        select();
        return true;
    }
    if (choose) {
        if (!takeName())
            showAlert(String(NAME_LENGTH_ALERT));
        return true;
    }
    if (nameField->handleEvent(type, p1, p2))
        return true;
    // Soft keys, and Escape on an empty field, end editing (fireRightSoftKey).
    return Screen::handleEvent(type, p1, p2);
}

void ProfileScreen::fireRightSoftKey()
{
    if (editing) {
        // An invalid name is dropped; the old one stays.
        takeName();
        editing = false;
        repaint();
        return;
    }
    // Last: the controller saves the profile and goes home, which drops this screen.
    Screen::fireRightSoftKey();
}

void ProfileScreen::moveUp()
{
    if (editing || row == 0)
        return;
    row = 0;
    repaint();
}

void ProfileScreen::moveDown()
{
    if (editing || row == 1)
        return;
    row = 1;
    repaint();
}

int32_t ProfileScreen::rowTop(int32_t index) const
{
    const IntArray& rows = geometry.extra[EXTRA_MENU_ROWS]; // {x, w, h, gap, ...}
    if (rows.length < 4)
        return 0;
    return rows[3] + index * (rows[2] + rows[3]);
}

bool ProfileScreen::pointerPressed(int32_t x, int32_t y)
{
    const IntArray& rows = geometry.extra[EXTRA_MENU_ROWS];
    if (editing || rows.length < 4 || x < rows[0] || x >= rows[0] + rows[1])
        return false;
    for (int32_t i = 0; i < 2; ++i) {
        if (y >= rowTop(i) && y < rowTop(i) + rows[2]) {
            row = i;
            select();
            return true;
        }
    }
    return false;
}

void ProfileScreen::paintContent(Base2DGraphics& g)
{
    scrollUpShown = scrollDownShown = false;
    const IntArray& rows = geometry.extra[EXTRA_MENU_ROWS];
    Display* display = currentDisplay();
    if (!display || rows.length < 4)
        return;
    const SharedPointer<Base2DImage> none;
    for (int32_t i = 0; i < 2; ++i) {
        const MenuRowState state = i == row && !editing ? MenuRowState::Focused : MenuRowState::Normal;
        drawMenuRow(g, geometry, rows[0], rowTop(i), rows[1], rowLabel(i), state, none);
    }
    const IntArray& avatar = geometry.extra[EXTRA_AVATAR]; // {size, slot}
    if (avatar.length >= 2) {
        const int32_t size = avatar[0];
        g.drawRegion(display->getImage(avatar[1]), rows[0] + rows[1] + 4, rowTop(1) + (rows[2] - size) / 2,
                     TOP | LEFT, profile.avatar * size, 0, size, size);
    }
    const IntArray& field = geometry.extra[EXTRA_FIELD];
    if (!editing || field.length < 4)
        return;
    SharedPointer<Font> font = display->getFont(FONT_BODY);
    if (font.raw()) {
        const String& caption = nameField->getLabel();
        font->drawString(g, caption, 0, caption.length(), field[0], field[1] - font->getCellHeight() - 2, TOP | LEFT);
    }
    g.translate(field[0], field[1]);
    nameField->paint(g, /*focused=*/true);
    g.translate(-field[0], -field[1]);
}

#pragma once

#include "ui/MultiTapKeys.h"
#include "ui/Screen.h"
#include "ui/TextField.h"

#include <cstdint>

class Profile;

// The name entry screen: row 0 shows the player's name and starts editing it in
// the name field, row 1 cycles the avatar picture shown beside it. A name is taken
// only with 4 to 10 characters. Leaving (right soft key or Escape, outside
// editing) fires the right soft key's command; the controller saves the profile
// and returns to the main menu.
class ProfileScreen : public Screen {
public:
    static constexpr int32_t MIN_NAME_LENGTH = 4;
    static constexpr int32_t MAX_NAME_LENGTH = 10;
    // Avatars the player may pick: 0..6 (7 is the star opponent's).
    static constexpr int32_t PLAYER_AVATARS = 7;
    static constexpr const char* NAME_LENGTH_ALERT = "Name must be between 4 - 10 characters";

    // The profile is the player's, changed in place; it must outlive the screen.
    ProfileScreen(Profile& profile, const MultiTapKeys& keys);
    ~ProfileScreen() override;

    bool handleEvent(int32_t type, int32_t p1, int32_t p2) override;
    bool takesTypedText() const override { return true; }
    void moveUp() override;
    void moveDown() override;
    bool pointerPressed(int32_t x, int32_t y) override;
    // Editing: takes a valid name and ends editing. Otherwise: the command fires.
    void fireRightSoftKey() override;
    void paintContent(Base2DGraphics& g) override;

    bool isEditing() const { return editing; }
    int32_t getRow() const { return row; }
    const String& rowLabel(int32_t index) const { return index == 0 ? nameRow : avatarRow; }
    TextField& getNameField() { return *nameField; }

private:
    void select();
    // True when the field holds 4..10 characters; they become the player's name.
    bool takeName();
    void rebuildNameRow();
    int32_t rowTop(int32_t index) const;

    Profile& profile;
    SharedPointer<TextField> nameField;
    String nameRow;
    String avatarRow;
    int32_t row = 0;
    bool editing = false;
};

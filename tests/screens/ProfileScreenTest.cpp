#include "screens/ProfileScreen.h"

#include "ui/AlertItem.h"
#include "ui/Events.h"

#include "core/io/Profile.h"

#include "ui/ScreenFixture.h"

namespace {

class ProfileScreenTest : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        screen.setListener(&controller);
        screen.addCommand(back);
    }
    bool key(int32_t code) { return screen.handleEvent(EVENT_KEY, code, 0); }
    void type(const char* text)
    {
        for (const char* c = text; *c; ++c)
            screen.handleEvent(EVENT_KEY, KEY_CHAR, *c);
    }
    void clearField()
    {
        while (screen.getNameField().length() > 0)
            key(KEY_CLEAR);
    }
    std::string name() const { return narrow(profile.playerName); }

    Profile profile;
    SharedPointer<Command> back { new Command(String("Back"), Command::TYPE_BACK, 1) };
    ProfileScreen screen { profile, MultiTapKeys() };
};

TEST_F(ProfileScreenTest, NameMustHoldFourToTenCharacters)
{
    std::vector<std::string> alerts;
    loop.steps.push_back([&] {
        alerts.push_back(shownAlert() && shownAlert()->getText().equals(String(ProfileScreen::NAME_LENGTH_ALERT))
                             ? "name alert"
                             : "other");
        display.clearOverlay();
    });

    EXPECT_TRUE(screen.wantsTextInput());
    key(KEY_SELECT);
    ASSERT_TRUE(screen.isEditing());
    clearField();
    type("Abc");
    key(KEY_SELECT);
    EXPECT_EQ(alerts, std::vector<std::string>({"name alert"}));
    EXPECT_TRUE(screen.isEditing());
    EXPECT_EQ(name(), "Player");

    type("d");
    key(KEY_FIRE);
    EXPECT_FALSE(screen.isEditing());
    EXPECT_EQ(name(), "Abcd");
    EXPECT_TRUE(screen.rowLabel(0).equals(screen.rowLabel(0).substring(0, screen.rowLabel(0).length() - 4) + "Abcd"));

    // Ten characters are taken, the eleventh is not typed at all.
    key(KEY_SELECT);
    clearField();
    type("Abcdefghijk");
    key(KEY_SELECT);
    EXPECT_EQ(name(), "Abcdefghij");

    // The soft key drops an invalid name and ends editing; Escape on an empty field too.
    key(KEY_SELECT);
    clearField();
    type("Ab");
    key(KEY_SOFT_RIGHT);
    EXPECT_FALSE(screen.isEditing());
    EXPECT_EQ(name(), "Abcdefghij");
    key(KEY_SELECT);
    clearField();
    key(KEY_BACK);
    EXPECT_FALSE(screen.isEditing());
    EXPECT_TRUE(controller.commands.empty()) << "editing keeps the soft keys";
    EXPECT_EQ(loop.runs, 1);
}

TEST_F(ProfileScreenTest, AvatarCyclesAndLeavingFiresBack)
{
    const int32_t start = profile.avatar;
    key(KEY_DOWN);
    key(KEY_DOWN);
    EXPECT_EQ(screen.getRow(), 1);
    for (int32_t i = 0; i < ProfileScreen::PLAYER_AVATARS; ++i) {
        key(KEY_SELECT);
        EXPECT_EQ(profile.avatar == start, i == ProfileScreen::PLAYER_AVATARS - 1);
    }
    // Escape outside editing is the right soft key: its command goes to the
    // controller, which saves and goes home.
    key(KEY_BACK);
    const std::vector<std::pair<Command*, Screen*>> fired = {{back.raw(), &screen}};
    EXPECT_EQ(controller.commands, fired);
}

} // namespace

#include "ui/TextField.h"

#include "ui/ScreenFixture.h"

#include "ui/Events.h"

namespace {

// Two keys of a phone keypad.
MultiTapKeys keypad()
{
    MultiTapKeys keys;
    keys.keyboardType = MultiTapKeys::KEYBOARD_SMARTPHONE_KEYPAD;
    keys.keyList = String("23");
    keys.cycleStrings = Array<String>(2);
    keys.cycleStrings[0] = String("abc2ABC");
    keys.cycleStrings[1] = String("def3DEF");
    return keys;
}

std::string text(const TextField& field) { return narrow(field.getText()); }

class TextFieldTest : public testing::Test {
protected:
    void SetUp() override { processClock().setUp(clock); }
    bool press(TextField& field, char16_t c) { return field.handleEvent(EVENT_KEY, KEY_CHAR, c); }
    bool key(TextField& field, int32_t code) { return field.handleEvent(EVENT_KEY, code, 0); }
    bool tickAfter(TextField& field, uint32_t ms)
    {
        clock.advance(ms);
        return field.handleEvent(EVENT_TICK, 0, 0);
    }

    FakeTimeSource clock { FakeTimeSource::NEW_YEAR_2026, 5000 };
};

TEST_F(TextFieldTest, MultiTapCyclesAndCommitsAfter1200ms)
{
    TextField field(String("Name"), String(), 10, 0, keypad());
    EXPECT_TRUE(press(field, u'2'));
    clock.advance(1199);
    EXPECT_TRUE(press(field, u'2'));
    clock.advance(1199);
    EXPECT_TRUE(press(field, u'2'));
    EXPECT_EQ(text(field), "c");
    EXPECT_EQ(field.getPendingGroup(), 0);
    EXPECT_EQ(field.getCursor(), 0); // the pending letter sits at the cursor

    // Committed 1200 ms after the last press, not a millisecond earlier.
    EXPECT_FALSE(tickAfter(field, 1199));
    EXPECT_TRUE(tickAfter(field, 1));
    EXPECT_EQ(field.getPendingGroup(), -1);
    EXPECT_EQ(field.getCursor(), 1);

    // The same key again starts a new letter; another key commits the pending one.
    press(field, u'2');
    press(field, u'3');
    press(field, u'3');
    EXPECT_EQ(text(field), "cae");
    // The cycle wraps after the group's last letter: seven presses come back.
    for (int32_t i = 0; i < 7; ++i)
        press(field, u'3');
    EXPECT_EQ(text(field), "cae");
    // Right commits, then right at the end appends a space.
    EXPECT_TRUE(key(field, KEY_RIGHT));
    EXPECT_EQ(field.getCursor(), 3);
    EXPECT_TRUE(key(field, KEY_RIGHT));
    EXPECT_EQ(text(field), "cae ");
    // Clear while a letter is pending removes that letter.
    press(field, u'2');
    EXPECT_TRUE(key(field, KEY_CLEAR));
    EXPECT_EQ(text(field), "cae ");
    // Characters of no key go in as typed.
    press(field, u'x');
    EXPECT_EQ(text(field), "cae x");

    // A full keyboard types the key's own character.
    MultiTapKeys full = keypad();
    full.keyboardType = MultiTapKeys::KEYBOARD_FULL;
    TextField typed(String("Name"), String(), 10, 0, full);
    press(typed, u'2');
    press(typed, u'2');
    EXPECT_EQ(text(typed), "22");
}

TEST_F(TextFieldTest, EditingRulesAndTheCharactersANameMayHold)
{
    TextField field(String("Name"), String("Ab"), 10, 0, keypad());
    EXPECT_EQ(field.getCursor(), 2);
    EXPECT_TRUE(key(field, KEY_LEFT));
    press(field, u'x');
    EXPECT_EQ(text(field), "Axb");
    EXPECT_TRUE(key(field, KEY_BACK));
    EXPECT_EQ(text(field), "Ab");

    // Only a space and the fonts' 94 characters are taken.
    for (char16_t c : {char16_t(0xE9), char16_t(0x263A), char16_t('\t'), char16_t(0x7F), char16_t(0)})
        press(field, c);
    EXPECT_EQ(text(field), "Ab");
    field.setText(String(u"Z\u00e9\tq"));
    EXPECT_EQ(text(field), "Zq");

    // Right at the end of 9 characters appends a space; at 10 nothing, and more
    // characters are ignored.
    field.setText(String("abcdefghi"));
    EXPECT_TRUE(key(field, KEY_RIGHT));
    EXPECT_EQ(text(field), "abcdefghi ");
    EXPECT_FALSE(key(field, KEY_RIGHT));
    press(field, u'z');
    press(field, u'2');
    EXPECT_EQ(text(field), "abcdefghi ");

    // Clear on an empty field is left to the screen.
    field.setText(String());
    EXPECT_FALSE(key(field, KEY_CLEAR));
    EXPECT_FALSE(key(field, KEY_LEFT));
    field.setConsumeBackWhenEmpty(true);
    EXPECT_TRUE(key(field, KEY_BACK));

    // A numeric field takes keypad digits only.
    TextField amount(String("Bet"), String(), 0, TextField::CONSTRAINT_NUMERIC, keypad());
    EXPECT_TRUE(amount.handleEvent(EVENT_KEYPAD, 1, u'7'));
    EXPECT_FALSE(press(amount, u'a'));
    EXPECT_FALSE(amount.handleEvent(EVENT_KEYPAD, 1, u'x'));
    EXPECT_FALSE(key(amount, KEY_RIGHT));
    EXPECT_EQ(text(amount), "7");
    EXPECT_FALSE(field.handleEvent(EVENT_KEYPAD, 1, u'7'));
}

} // namespace

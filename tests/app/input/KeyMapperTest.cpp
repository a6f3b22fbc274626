#include "app/input/KeyMapper.h"

#include "app/input/KeyEventTarget.h"
#include "ui/Events.h"
#include "ui/TextField.h"

#include "core/runtime/Clock.h"
#include "host/headless/FakeTimeSource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

// Records the mapper's calls in order: "guard", "overlay?", "dismiss", "T P1 P2".
class FakeTarget : public KeyEventTarget {
public:
    bool guardPasses = true;
    bool overlayShown = false;
    int32_t consumedType = 0; // the event type the screen takes
    Calls calls;

    bool passesInputGuard() override { return log("guard", guardPasses); }
    bool isOverlayShown() override { return log("overlay?", overlayShown); }
    void dismissOverlay() override { overlayShown = log("dismiss", false); }
    bool sendEvent(int32_t type, int32_t p1, int32_t p2) override
    {
        return log(
            std::to_string(type) + " " + std::to_string(p1) + " " + std::to_string(p2), type == consumedType);
    }

    // The events sent since the last call, without the guard and overlay queries.
    Calls sent()
    {
        Calls events;
        for (const std::string& call : calls)
            if (call[0] >= '0' && call[0] <= '9')
                events.push_back(call);
        calls.clear();
        return events;
    }

private:
    bool log(const std::string& call, bool result)
    {
        calls.push_back(call);
        return result;
    }
};

// EVENT_KEY KEY_CHAR and EVENT_KEYPAD as FakeTarget logs them.
std::string key(int32_t ch) { return "1 1 " + std::to_string(ch); }
std::string keypad(int32_t ch) { return "6 1 " + std::to_string(ch); }

// A text field behind the mapper, with the frame timer's tick every 100 ms of a
// fake clock, as the window drives the name entry.
class FieldTarget : public KeyEventTarget {
public:
    explicit FieldTarget(const KeyMapper& mapper)
        : field(String("Name"), String(), 10, 0, keysOf(mapper))
    {
        processClock().setUp(clock);
    }

    bool passesInputGuard() override { return true; }
    bool isOverlayShown() override { return false; }
    void dismissOverlay() override { }
    bool sendEvent(int32_t type, int32_t p1, int32_t p2) override { return field.handleEvent(type, p1, p2); }

    // Time passes in steps that stop at each tick; the first tick is 50 ms ahead.
    void wait(uint32_t ms)
    {
        while (ms > 0) {
            const uint32_t step = ms < toTick ? ms : toTick;
            clock.advance(step);
            ms -= step;
            toTick -= step;
            if (toTick == 0) {
                field.handleEvent(EVENT_TICK, 0, 0);
                toTick = 100;
            }
        }
    }

    std::string text() const { return field.getText().toUtf8(); }

    FakeTimeSource clock { FakeTimeSource::NEW_YEAR_2026, 5000 };
    TextField field;
    uint32_t toTick = 50;

private:
    static MultiTapKeys keysOf(const KeyMapper& mapper)
    {
        MultiTapKeys keys;
        keys.keyboardType = mapper.getKeyboardType();
        keys.keyList = mapper.getKeyList();
        keys.cycleStrings = mapper.getCycleStrings();
        return keys;
    }
};

constexpr int32_t VK_SHIFT = 0x10;
constexpr int32_t VK_F8 = 0x77;
constexpr int32_t VK_F9 = 0x78;
constexpr int32_t VK_NUMLOCK = 0x90;
constexpr int32_t VK_A = 0x41;

} // namespace

TEST(KeyMapTableTest, ScriptsBecomeGroupsAndMalformedOnesAreRefused)
{
    const int32_t script[]
        = { -100, 2, 'a', 0, 0, 1, 'A', 'b', 0, 0, 1, 'B', -100, 0, 'a', 0, 0, 1, 'x', -101 };
    KeyMapTable table = KeyMapTable::parse(script, int32_t(std::size(script)));
    ASSERT_EQ(table.getGroups().size(), 2u);
    EXPECT_EQ(table.getGroups()[0].mask, 2);
    ASSERT_EQ(table.getGroups()[0].entries.size(), 2u);
    EXPECT_EQ(table.getGroups()[0].entries[1].value, 'B');
    EXPECT_EQ(table.getGroups()[1].entries.size(), 1u);
    EXPECT_TRUE(KeyMapTable::parse(nullptr, 0).isEmpty());

    // An entry where a group must start; a script that ends inside an entry.
    const int32_t noMarker[] = { 'a', 0, 0, 1, 'A', -100, 0, 'b', 0, 0, 1, 'B', -101 };
    const int32_t cut[] = { -100, 0, 'a', 0, 0 };
    for (const auto& [values, count] : { std::pair(noMarker, 13), std::pair(cut, 5) }) {
        try {
            KeyMapTable::parse(values, count);
            ADD_FAILURE() << "malformed script accepted";
        } catch (const char* message) {
            EXPECT_STREQ(message, "ERROR: unknown entry in mappings.");
        }
    }
}

TEST(KeyMapTableTest, EntriesSetAndClearTheLatchAndGroupsFollowIt)
{
    // 'x' latches bit 2 without an event, 'y' clears it; 'a' is shifted under bit 2.
    const int32_t script[] = { -100, 2, 'a', 0, 0, 1, 'A', -100, 0, 'x', 2, 0, 0, 0, 'y', 0, 2, 1, 'y', 'a',
        0, 0, 1, 'a', -101 };
    KeyMapTable table = KeyMapTable::parse(script, int32_t(std::size(script)));
    int32_t latched = 0;
    EXPECT_EQ(table.lookup('a', 0, latched)->value, 'a');
    EXPECT_EQ(table.lookup('a', 2, latched)->value, 'A'); // held
    EXPECT_EQ(table.lookup('a', 1, latched)->value, 'a'); // another modifier's bit
    EXPECT_EQ(table.lookup('x', 0, latched), nullptr);
    EXPECT_EQ(latched, 2);
    EXPECT_EQ(table.lookup('a', 0, latched)->value, 'A');
    EXPECT_EQ(table.lookup('y', 0, latched)->value, 'y');
    EXPECT_EQ(latched, 0);
}

TEST(KeyMapperTest, ProfilesAreChosenByExactOemName)
{
    struct Case {
        const char* oem;
        int32_t detected, type, modifierA, modifierB, keys;
    };
    const Case cases[] = {
        { "T-Mobile Dash", 0, 1, 0xEC, 0xEE, 10 },
        { "SGH-i607", 3, 1, VK_NUMLOCK, VK_SHIFT, 10 },
        { "SGH-i617", 1, 1, VK_NUMLOCK, VK_SHIFT, 10 },
        { "Palm Treo 700w", 2, 1, VK_NUMLOCK, VK_SHIFT, 10 },
        { "HTC", 2, 2, 0xEC, VK_F9, 43 },
        { "HTC", 1, 1, 0, 0, 10 }, // the 20-key profile needs a Smartphone keypad
        { "htc", 2, 2, 0, 0, 10 },
        { "T-Mobile Dash ", 1, 1, 0, 0, 10 },
        { "", 0, 0, 0, 0, 10 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.oem) + "/" + std::to_string(c.detected));
        KeyMapper mapper(c.oem, c.detected);
        EXPECT_EQ(mapper.getKeyboardType(), c.type);
        EXPECT_EQ(mapper.getModifierKeyA(), c.modifierA);
        EXPECT_EQ(mapper.getModifierKeyB(), c.modifierB);
        EXPECT_EQ(mapper.getKeyList().length(), c.keys);
        EXPECT_EQ(mapper.getCycleStrings().length, c.keys);
    }
    // Each 20-key key's cycle starts at the character that names it.
    KeyMapper twenty("HTC", 2);
    for (int32_t i = 0; i < twenty.getKeyList().length(); ++i)
        EXPECT_EQ(twenty.getCycleStrings()[i].charAt(0), twenty.getKeyList().charAt(i)) << i;
}

TEST(KeyMapperTest, FixedKeysActOnPressOrOnRelease)
{
    KeyMapper mapper("", 1);
    FakeTarget target;
    const int32_t onPress[][2] = { { 0x08, KEY_CLEAR }, { 0x0C, KEY_CLEAR }, { 0x0D, KEY_FIRE },
        { 0x25, KEY_LEFT }, { 0x26, KEY_UP }, { 0x27, KEY_RIGHT }, { 0x28, KEY_DOWN }, { 0x29, KEY_SELECT },
        { 0x5B, KEY_SOFT_LEFT }, { 0x5C, KEY_SOFT_RIGHT } };
    for (const auto& [vk, code] : onPress) {
        EXPECT_EQ(mapper.keyDown(vk, target), KeyMapper::Outcome::Handled);
        EXPECT_EQ(target.sent(), Calls { "1 " + std::to_string(code) + " 0" }) << vk;
        mapper.keyUp(vk, target);
        EXPECT_EQ(target.sent(), Calls {}) << vk;
    }
    const int32_t onRelease[][2] = { { 0x1B, KEY_BACK }, { 0x70, KEY_SOFT_LEFT }, { 0x71, KEY_SOFT_RIGHT } };
    for (const auto& [vk, code] : onRelease) {
        mapper.keyDown(vk, target);
        EXPECT_EQ(target.sent(), Calls {}) << vk;
        mapper.keyUp(vk, target);
        EXPECT_EQ(target.sent(), Calls { "1 " + std::to_string(code) + " 0" }) << vk;
    }
    // Letters arrive as characters, not as keys, on the generic profile.
    mapper.keyDown(VK_A, target);
    mapper.keyUp(VK_A, target);
    EXPECT_EQ(target.sent(), Calls {});
}

TEST(KeyMapperTest, KeypadCharactersGoToMultiTapFirstThenAsTypedCharacters)
{
    KeyMapper mapper("", 2);
    FakeTarget target;
    for (int32_t ch : { '0', '5', '9', '#', '*' }) {
        mapper.character(ch, target);
        EXPECT_EQ(target.sent(), (Calls { keypad(ch), key(ch) })) << ch;
    }
    mapper.character('a', target);
    mapper.character(0x0D, target); // control characters without a table entry send nothing
    mapper.character(31, target);
    mapper.character(' ', target);
    EXPECT_EQ(target.sent(), (Calls { key('a'), key(' ') }));

    // A screen that takes the keypad character hears nothing more of it.
    target.consumedType = EVENT_KEYPAD;
    mapper.character('5', target);
    EXPECT_EQ(target.sent(), Calls { keypad('5') });
}

TEST(KeyMapperTest, GuardAndOverlayComeBeforeTranslationAndModifiersStraddleThem)
{
    KeyMapper mapper("SGH-i607", 1);
    FakeTarget target;

    // Within the guard a modifier press still counts, but nothing is sent.
    target.guardPasses = false;
    EXPECT_EQ(mapper.keyDown(VK_SHIFT, target), KeyMapper::Outcome::Guarded);
    EXPECT_EQ(mapper.getHeldModifiers(), KeyMapper::MODIFIER_B);
    EXPECT_EQ(mapper.getLatchedModifiers(), KeyMapper::MODIFIER_B);
    // A guarded release of another key still spends the latch; of the modifier, the hold.
    EXPECT_EQ(mapper.keyUp(VK_A, target), KeyMapper::Outcome::Guarded);
    EXPECT_EQ(mapper.getLatchedModifiers(), 0);
    mapper.keyUp(VK_SHIFT, target);
    EXPECT_EQ(mapper.getHeldModifiers(), 0);
    EXPECT_EQ(mapper.character('a', target), KeyMapper::Outcome::Guarded);
    EXPECT_EQ(target.calls, (Calls { "guard", "guard", "guard", "guard" }));
    target.calls.clear();

    // Press, release and character each dismiss a shown overlay and do nothing else,
    // not even the release's modifier bookkeeping.
    target.guardPasses = true;
    target.overlayShown = true;
    mapper.keyDown(VK_SHIFT, target);
    target.overlayShown = true;
    EXPECT_EQ(mapper.keyUp(VK_A, target), KeyMapper::Outcome::OverlayDismissed);
    EXPECT_EQ(mapper.getLatchedModifiers(), KeyMapper::MODIFIER_B);
    target.overlayShown = true;
    EXPECT_EQ(mapper.character('x', target), KeyMapper::Outcome::OverlayDismissed);
    EXPECT_EQ(mapper.character('x', target), KeyMapper::Outcome::Handled);
    EXPECT_EQ(target.calls,
        (Calls { "guard", "overlay?", "dismiss", "guard", "overlay?", "dismiss", "guard", "overlay?",
            "dismiss", "guard", "overlay?", keypad('7'), key('X') }));
}

TEST(KeyMapperTest, SamsungShiftIsOneShotAndNumLockGivesSigns)
{
    KeyMapper mapper("SGH-i617", 1);
    FakeTarget target;
    mapper.keyDown(VK_SHIFT, target);
    mapper.keyUp(VK_SHIFT, target);
    mapper.keyDown(VK_A, target);
    mapper.character('a', target);
    mapper.keyUp(VK_A, target); // spends the latched shift
    mapper.character('a', target);
    // A letter that doubles as a keypad digit goes to multi-tap first.
    mapper.character('e', target);
    EXPECT_EQ(target.sent(), (Calls { key('A'), key('a'), keypad('1'), key('e') }));

    // Num lock held: signs from the letters; F8/F9 give * and # to multi-tap either way.
    mapper.keyDown(VK_NUMLOCK, target);
    mapper.character('h', target);
    mapper.keyDown(VK_F8, target);
    mapper.keyUp(VK_NUMLOCK, target);
    mapper.keyUp(VK_F8, target);
    EXPECT_EQ(mapper.getHeldModifiers() | mapper.getLatchedModifiers(), 0);
    mapper.keyDown(VK_F9, target);
    EXPECT_EQ(target.sent(), (Calls { key('$'), keypad('*'), key('*'), keypad('#'), key('b') }));
}

TEST(KeyMapperTest, OtherProfilesTranslateThroughTheirTables)
{
    FakeTarget target;
    KeyMapper treo("Palm Treo 700w", 1);
    treo.character('e', target);
    treo.keyDown(VK_NUMLOCK, target);
    treo.character('1', target);
    treo.keyUp(VK_NUMLOCK, target); // released: still latched for the next key
    treo.character('e', target);
    EXPECT_EQ(target.sent(), (Calls { keypad('1'), key('e'), keypad('1'), key('1'), keypad('1'), key('e') }));

    KeyMapper dash("T-Mobile Dash", 1);
    dash.character('1', target);
    dash.keyDown(0xEE, target); // modifier B: capitals
    dash.keyDown(VK_F9, target);
    EXPECT_EQ(target.sent(), (Calls { keypad('1'), key('w'), key('A') }));

    KeyMapper twenty("HTC", 2);
    twenty.character('2', target);
    twenty.keyDown(0xEC, target); // modifier A: digits and signs
    twenty.character('q', target);
    EXPECT_EQ(target.sent(), (Calls { keypad('2'), key('t'), key('!') }));
}

TEST(KeyMapperTest, MultiTapLettersFollowTheTimeoutOfEachPress)
{
    KeyMapper mapper("", 2);
    FieldTarget target(mapper);
    // Within 1200 ms a press cycles on; the ticks between commit nothing.
    mapper.character('2', target);
    target.wait(1199);
    mapper.character('2', target);
    EXPECT_EQ(target.text(), "b");
    // 1250 ms on, the next press comes before the tick that would commit the letter
    // (the next tick is 1 ms away): it starts a new letter all the same.
    target.wait(1250);
    mapper.character('2', target);
    EXPECT_EQ(target.text(), "ba");
    // Exactly at the timeout, between ticks, too.
    target.wait(1200);
    mapper.character('2', target);
    EXPECT_EQ(target.text(), "baa");
    // A tick past the timeout commits, and another key commits at once.
    target.wait(1300);
    EXPECT_EQ(target.field.getPendingGroup(), -1);
    mapper.character('3', target);
    mapper.character('2', target);
    EXPECT_EQ(target.text(), "baada");
}

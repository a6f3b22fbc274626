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

TEST(KeyMapTableTest, MalformedScriptsAreRefused)
{
    // An entry where a group must start; a script that ends inside an entry.
    const int32_t noMarker[] = { 'a', 0, 0, 1, 'A', -100, 0, 'b', 0, 0, 1, 'B', -101 };
    const int32_t cut[] = { -100, 0, 'a', 0, 0 };
    for (const auto& [values, count] : { std::pair(noMarker, 13), std::pair(cut, 5) })
        EXPECT_THROW(KeyMapTable::parse(values, count), const char*);
    EXPECT_TRUE(KeyMapTable::parse(nullptr, 0).isEmpty());
}

TEST(KeyMapperTest, ProfilesAreChosenByExactOemName)
{
    // The 20-key profile needs a Smartphone keypad; names match whole and by case.
    const struct {
        const char* oem;
        int32_t detected, type, keys;
    } cases[] = { { "HTC", 2, 2, 43 }, { "HTC", 1, 1, 10 }, { "htc", 2, 2, 10 }, { "T-Mobile Dash ", 1, 1, 10 } };
    for (const auto& c : cases) {
        KeyMapper mapper(c.oem, c.detected);
        EXPECT_EQ(mapper.getKeyboardType(), c.type) << c.oem << "/" << c.detected;
        EXPECT_EQ(mapper.getKeyList().length(), c.keys) << c.oem;
        EXPECT_EQ(mapper.getCycleStrings().length, mapper.getKeyList().length()) << c.oem;
    }
}

TEST(KeyMapperTest, FixedKeysActOnPressOrOnRelease)
{
    KeyMapper mapper("", 1);
    FakeTarget target;
    // Enter acts as it goes down, Escape only as it comes up; letters come as characters.
    EXPECT_EQ(mapper.keyDown(0x0D, target), KeyMapper::Outcome::Handled);
    mapper.keyUp(0x0D, target);
    EXPECT_EQ(target.sent(), Calls { "1 " + std::to_string(KEY_FIRE) + " 0" });
    mapper.keyDown(0x1B, target);
    EXPECT_EQ(target.sent(), Calls {});
    mapper.keyUp(0x1B, target);
    mapper.keyDown(VK_A, target);
    mapper.keyUp(VK_A, target);
    EXPECT_EQ(target.sent(), Calls { "1 " + std::to_string(KEY_BACK) + " 0" });
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

TEST(KeyMapperTest, TwentyKeyProfileTranslatesThroughItsTable)
{
    FakeTarget target;
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

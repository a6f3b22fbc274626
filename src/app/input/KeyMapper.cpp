#include "app/input/KeyMapper.h"

#include "app/input/KeyEventTarget.h"
#include "app/input/KeyboardProfile.h"

#include "ui/Events.h"

namespace {

// Phone keypad: keys "0" to "9", each cycling through its string.
constexpr int32_t KEYPAD_KEYS = 10;
const char16_t KEYPAD_KEY_LIST[] = u"0123456789";
const char16_t* const KEYPAD_CYCLES[KEYPAD_KEYS] = {
    u"+-0*/\\[]=><;#",
    u" .1?!,@&:;\"-()'%$",
    u"abc2ABC",
    u"def3DEF",
    u"ghi4GHI",
    u"jkl5JKL",
    u"mno6MNO",
    u"pqrs7PQRS",
    u"tuv8TUV",
    u"wxyz9WXYZ",
};

// 20-key keyboard: two letters a key. A key is known by any character it can type,
// and its cycle starts at that character, so each key appears once per case and
// once per digit or sign.
constexpr int32_t TWENTY_KEYS = 43; // 14 lower + space + 14 upper + 10 digits + 4 signs
const char16_t TWENTY_KEY_LIST[] = u"qetuoadgjlzcbm QETUOADGJLZCBM0123456789!.,@";
// clang-format off
const char16_t* const TWENTY_KEY_CYCLES[TWENTY_KEYS] = {
    u"qw!QW!", u"er1ER1", u"ty2TY2", u"ui3UI3", u"op.OP.", u"as?AS?", u"df4DF4", u"gh5GH5", u"jk6JK6",
    u"l,L,", u"zx@ZX@", u"cv7CV7", u"bn8BN8", u"m9M9", u" 0", u"QW!qw!", u"ER1er1", u"TY2ty2",
    u"UI3ui3", u"OP.op.", u"AS?as?", u"DF4df4", u"GH5gh5", u"JK6jk6", u"L,l,", u"ZX@zx@", u"CV7cv7",
    u"BN8bn8", u"M9m9", u"0 ", u"1er1ER", u"2ty2TY", u"3ui3UI", u"4df4DF", u"5gh5GH", u"6jk6JK",
    u"7cv7CV", u"8bn8BN", u"9m9M", u"!qw!QW", u".op.OP", u",l,L", u"@zx@ZX",
};
// clang-format on

Array<String> cycleList(const char16_t* const* strings, int32_t count)
{
    Array<String> list(count);
    for (int32_t i = 0; i < list.length; ++i)
        list[i] = String(strings[i]);
    return list;
}

KeyMapTable parseScript(const KeyboardProfile::Script& script)
{
    return KeyMapTable::parse(script.values, script.count);
}

// Keypad characters that reach multi-tap even when the profile has no keypad table.
bool isKeypadCharacter(int32_t ch)
{
    return (ch >= '0' && ch <= '9') || ch == '#' || ch == '*';
}

} // namespace

KeyMapper::KeyMapper(const std::string& oemName, int32_t detectedKeyboardType)
{
    const KeyboardProfile& profile = KeyboardProfile::select(oemName, detectedKeyboardType);
    keyboardType
        = profile.keyboardType == KeyboardProfile::DETECTED ? detectedKeyboardType : profile.keyboardType;
    keyDownTable = parseScript(profile.keyDown);
    keyUpTable = parseScript(profile.keyUp);
    charTable = parseScript(profile.character);
    keypadCharTable = parseScript(profile.keypadCharacter);
    keypadKeyDownTable = parseScript(profile.keypadKeyDown);
    if (profile.lists == KeyboardProfile::Lists::TwentyKey) {
        keyList = String(TWENTY_KEY_LIST);
        cycleStrings = cycleList(TWENTY_KEY_CYCLES, TWENTY_KEYS);
    } else {
        keyList = String(KEYPAD_KEY_LIST);
        cycleStrings = cycleList(KEYPAD_CYCLES, KEYPAD_KEYS);
    }
    modifierKeyA = profile.modifierKeyA;
    modifierKeyB = profile.modifierKeyB;
}

KeyMapper::Outcome KeyMapper::admit(KeyEventTarget& target)
{
    if (!target.passesInputGuard())
        return Outcome::Guarded;
    if (target.isOverlayShown()) {
        target.dismissOverlay();
        return Outcome::OverlayDismissed;
    }
    return Outcome::Handled;
}

KeyMapper::Outcome KeyMapper::keyDown(int32_t vk, KeyEventTarget& target)
{
    // A modifier counts even when its press falls inside the guard, so a shift held
    // while an alert closes still shifts the next key.
    if (modifierKeyA != 0 && vk == modifierKeyA) {
        heldModifiers |= MODIFIER_A;
        latchedModifiers |= MODIFIER_A;
    }
    if (modifierKeyB != 0 && vk == modifierKeyB) {
        heldModifiers |= MODIFIER_B;
        latchedModifiers |= MODIFIER_B;
    }
    const Outcome admitted = admit(target);
    if (admitted != Outcome::Handled)
        return admitted;

    if (const KeyMapEntry* entry = keypadKeyDownTable.lookup(vk, heldModifiers, latchedModifiers)) {
        if (target.sendEvent(EVENT_KEYPAD, entry->code, entry->value))
            return Outcome::Handled;
    }
    int32_t code = 0;
    if (fixedKeyDown(vk, code)) {
        target.sendEvent(EVENT_KEY, code, 0);
        return Outcome::Handled;
    }
    if (const KeyMapEntry* entry = keyDownTable.lookup(vk, heldModifiers, latchedModifiers))
        target.sendEvent(EVENT_KEY, entry->code, entry->value);
    return Outcome::Handled;
}

KeyMapper::Outcome KeyMapper::keyUp(int32_t vk, KeyEventTarget& target)
{
    const Outcome admitted = admit(target);
    // Dismissing the overlay ends here; a guarded release still lets go of modifiers.
    if (admitted == Outcome::OverlayDismissed)
        return admitted;
    if (admitted == Outcome::Handled) {
        int32_t code = 0;
        if (fixedKeyUp(vk, code))
            target.sendEvent(EVENT_KEY, code, 0);
        else if (const KeyMapEntry* entry = keyUpTable.lookup(vk, heldModifiers, latchedModifiers))
            target.sendEvent(EVENT_KEY, entry->code, entry->value);
    }
    releaseModifiers(vk);
    return admitted;
}

KeyMapper::Outcome KeyMapper::character(int32_t ch, KeyEventTarget& target)
{
    const Outcome admitted = admit(target);
    if (admitted != Outcome::Handled)
        return admitted;

    // Multi-tap first: a keypad character the screen takes is not also typed.
    bool consumed = false;
    if (const KeyMapEntry* entry = keypadCharTable.lookup(ch, heldModifiers, latchedModifiers))
        consumed = target.sendEvent(EVENT_KEYPAD, entry->code, entry->value);
    else if (isKeypadCharacter(ch))
        consumed = target.sendEvent(EVENT_KEYPAD, 1, ch);
    if (consumed)
        return Outcome::Handled;

    if (const KeyMapEntry* entry = charTable.lookup(ch, heldModifiers, latchedModifiers)) {
        target.sendEvent(EVENT_KEY, entry->code, entry->value);
        return Outcome::Handled;
    }
    // Control characters (below the space) come with their own key messages.
    if (ch >= 32)
        target.sendEvent(EVENT_KEY, KEY_CHAR, ch);
    return Outcome::Handled;
}

bool KeyMapper::fixedKeyDown(int32_t vk, int32_t& code) const
{
    switch (vk) {
    case VK_BACK:
    case VK_CLEAR:
        code = KEY_CLEAR;
        return true;
    case VK_RETURN:
        code = KEY_FIRE;
        return true;
    case VK_LEFT:
        code = KEY_LEFT;
        return true;
    case VK_UP:
        code = KEY_UP;
        return true;
    case VK_RIGHT:
        code = KEY_RIGHT;
        return true;
    case VK_DOWN:
        code = KEY_DOWN;
        return true;
    case VK_SELECT:
        code = KEY_SELECT;
        return true;
    case VK_DELETE:
        code = KEY_DELETE;
        return true;
    case VK_LWIN:
        code = KEY_SOFT_LEFT;
        return true;
    case VK_RWIN:
        code = KEY_SOFT_RIGHT;
        return true;
    default:
        return false;
    }
}

bool KeyMapper::fixedKeyUp(int32_t vk, int32_t& code) const
{
    switch (vk) {
    case VK_ESCAPE:
        code = KEY_BACK;
        return true;
    case VK_F1:
        code = KEY_SOFT_LEFT;
        return true;
    case VK_F2:
        code = KEY_SOFT_RIGHT;
        return true;
    default:
        return false;
    }
}

void KeyMapper::releaseModifiers(int32_t vk)
{
    // Releasing the modifier itself keeps its latch for the next key; releasing any
    // other key spends the latch.
    if (modifierKeyA != 0) {
        if (vk == modifierKeyA)
            heldModifiers &= ~MODIFIER_A;
        else
            latchedModifiers &= ~MODIFIER_A;
    }
    if (modifierKeyB != 0) {
        if (vk == modifierKeyB)
            heldModifiers &= ~MODIFIER_B;
        else
            latchedModifiers &= ~MODIFIER_B;
    }
}

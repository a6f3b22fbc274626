#pragma once

#include "app/input/KeyMapTable.h"

#include "core/runtime/Array.h"
#include "core/runtime/String.h"

#include <cstdint>
#include <string>

class KeyEventTarget;

// Turns the window's key messages (key down, key up, typed character) into game
// events: EVENT_KEY for navigation and characters, EVENT_KEYPAD for the phone-keypad
// characters of multi-tap entry. Built once for the device from its OEM name; the
// only state that changes is the pair of modifier sets.
//
// Modifier bits: 1 for modifier key A, 2 for B. Held bits follow the key; a latched
// bit is set by pressing the modifier and cleared by the release of any other key,
// a one-shot shift.
class KeyMapper {
public:
    static constexpr int32_t MODIFIER_A = 1;
    static constexpr int32_t MODIFIER_B = 2;

    // Virtual-key codes with a fixed meaning on every device.
    static constexpr int32_t VK_BACK = 0x08;
    static constexpr int32_t VK_CLEAR = 0x0C;
    static constexpr int32_t VK_RETURN = 0x0D;
    static constexpr int32_t VK_ESCAPE = 0x1B;
    static constexpr int32_t VK_LEFT = 0x25;
    static constexpr int32_t VK_UP = 0x26;
    static constexpr int32_t VK_RIGHT = 0x27;
    static constexpr int32_t VK_DOWN = 0x28;
    static constexpr int32_t VK_SELECT = 0x29;
    static constexpr int32_t VK_DELETE = 0x2E;
    static constexpr int32_t VK_LWIN = 0x5B;
    static constexpr int32_t VK_RWIN = 0x5C;
    static constexpr int32_t VK_F1 = 0x70;
    static constexpr int32_t VK_F2 = 0x71;

    // What became of one message. Guarded: it came within the input guard and the
    // window handles it as if the game had not seen it. OverlayDismissed: it only
    // closed the modal overlay (the window answers 0). Handled: it went through the
    // translation, sending zero, one or two events.
    enum class Outcome { Guarded, OverlayDismissed, Handled };

    // detectedKeyboardType is what the device reports (KeyboardProfile's types); the
    // generic profile takes it, and the 20-key profile needs a Smartphone keypad.
    KeyMapper(const std::string& oemName, int32_t detectedKeyboardType);
    virtual ~KeyMapper() = default;
    KeyMapper(const KeyMapper&) = delete;
    KeyMapper& operator=(const KeyMapper&) = delete;

    Outcome keyDown(int32_t vk, KeyEventTarget& target);
    Outcome keyUp(int32_t vk, KeyEventTarget& target);
    // ch: the typed character (a UTF-16 unit or a code point).
    Outcome character(int32_t ch, KeyEventTarget& target);

    // Read by the text field: multi-tap applies when the type is a Smartphone keypad;
    // the key pressed is found in keyList and cycles through the string at that index.
    int32_t getKeyboardType() const { return keyboardType; }
    const String& getKeyList() const { return keyList; }
    const Array<String>& getCycleStrings() const { return cycleStrings; }

    int32_t getHeldModifiers() const { return heldModifiers; }
    int32_t getLatchedModifiers() const { return latchedModifiers; }
    int32_t getModifierKeyA() const { return modifierKeyA; }
    int32_t getModifierKeyB() const { return modifierKeyB; }

private:
    // Input guard, then the overlay: Handled means the message may go on.
    Outcome admit(KeyEventTarget& target);
    bool fixedKeyDown(int32_t vk, int32_t& code) const;
    bool fixedKeyUp(int32_t vk, int32_t& code) const;
    void releaseModifiers(int32_t vk);

    int32_t keyboardType = 0;
    int32_t heldModifiers = 0;
    int32_t latchedModifiers = 0;
    KeyMapTable keyDownTable;
    KeyMapTable keyUpTable;
    KeyMapTable charTable;
    KeyMapTable keypadCharTable;
    KeyMapTable keypadKeyDownTable;
    String keyList;
    Array<String> cycleStrings;
    int32_t modifierKeyA = 0;
    int32_t modifierKeyB = 0;
};

#include "app/input/PadMapping.h"

namespace {

constexpr int32_t VK_F1 = KeyMapper::VK_F1;
constexpr int32_t VK_F2 = KeyMapper::VK_F2;
constexpr int32_t VK_4 = '4';
constexpr int32_t VK_MULTIPLY = 0x6A; // the number pad's "*"

} // namespace

PadMapping::Key PadMapping::keyFor(int32_t button)
{
    switch (button) {
    case DPAD_UP:
        return {KeyMapper::VK_UP, 0};
    case DPAD_DOWN:
        return {KeyMapper::VK_DOWN, 0};
    case DPAD_LEFT:
        return {KeyMapper::VK_LEFT, 0};
    case DPAD_RIGHT:
        return {KeyMapper::VK_RIGHT, 0};
    case BUTTON_A:
        return {KeyMapper::VK_RETURN, 0};
    case BUTTON_B:
        return {KeyMapper::VK_ESCAPE, 0};
    case BUTTON_X:
        return {VK_F1, 0};
    case BUTTON_Y:
        return {VK_F2, 0};
    // The standings in a tournament; in the amount entry it types a 4 as the key does.
    case BUTTON_START:
        return {VK_4, u'4'};
    // In the amount entry up and down step by the minimum raise.
    case BUTTON_LEFT_SHOULDER:
        return {KeyMapper::VK_DOWN, 0};
    case BUTTON_RIGHT_SHOULDER:
        return {KeyMapper::VK_UP, 0};
    // "*" puts every chip in the amount entry and does nothing elsewhere.
    case LEFT_TRIGGER:
        return {VK_MULTIPLY, u'*'};
    default:
        return {0, 0};
    }
}

KeyMapper::Outcome PadMapping::press(int32_t button, KeyMapper& keys, KeyEventTarget& target)
{
    const Key key = keyFor(button);
    if (key.virtualKey == 0)
        return KeyMapper::Outcome::Handled;
    const KeyMapper::Outcome outcome = keys.keyDown(key.virtualKey, target);
    // A press that only closed the alert types nothing below it.
    if (outcome == KeyMapper::Outcome::Handled && key.character != 0)
        keys.character(key.character, target);
    return outcome;
}

KeyMapper::Outcome PadMapping::release(int32_t button, KeyMapper& keys, KeyEventTarget& target)
{
    const Key key = keyFor(button);
    if (key.virtualKey == 0)
        return KeyMapper::Outcome::Handled;
    return keys.keyUp(key.virtualKey, target);
}

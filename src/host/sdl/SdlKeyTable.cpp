#include "host/sdl/SdlKeyTable.h"

// Only the key code names: SDL_keycode.h is plain enums, nothing to link.
#include <SDL_keycode.h>

int32_t SdlKeyTable::virtualKey(int32_t sdlKey, int32_t scancode)
{
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9)
        return '1' + (scancode - SDL_SCANCODE_1);
    if (scancode == SDL_SCANCODE_0)
        return '0';
    if (sdlKey >= SDLK_a && sdlKey <= SDLK_z)
        return sdlKey - SDLK_a + 'A';
    if (sdlKey >= SDLK_0 && sdlKey <= SDLK_9)
        return sdlKey; // '0'..'9' in both
    if (sdlKey >= SDLK_F1 && sdlKey <= SDLK_F12)
        return VK_F1 + (sdlKey - SDLK_F1);
    if (sdlKey >= SDLK_F13 && sdlKey <= SDLK_F24)
        return VK_F1 + 12 + (sdlKey - SDLK_F13);
    if (sdlKey >= SDLK_KP_1 && sdlKey <= SDLK_KP_9)
        return VK_NUMPAD0 + 1 + (sdlKey - SDLK_KP_1);
    switch (sdlKey) {
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_TAB: return VK_TAB;
    case SDLK_CLEAR:
    case SDLK_KP_CLEAR: return VK_CLEAR;
    case SDLK_RETURN:
    case SDLK_RETURN2:
    case SDLK_KP_ENTER: return VK_RETURN;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return VK_CONTROL;
    case SDLK_PAUSE: return VK_PAUSE;
    case SDLK_CAPSLOCK: return VK_CAPITAL;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_PAGEUP: return VK_PRIOR;
    case SDLK_PAGEDOWN: return VK_NEXT;
    case SDLK_END: return VK_END;
    case SDLK_HOME: return VK_HOME;
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_UP: return VK_UP;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_SELECT: return VK_SELECT;
    case SDLK_PRINTSCREEN: return VK_SNAPSHOT;
    case SDLK_INSERT: return VK_INSERT;
    case SDLK_DELETE: return VK_DELETE;
    case SDLK_LGUI: return VK_LWIN;
    case SDLK_RGUI: return VK_RWIN;
    case SDLK_APPLICATION: return VK_APPS;
    case SDLK_KP_0: return VK_NUMPAD0;
    case SDLK_KP_MULTIPLY: return VK_MULTIPLY;
    case SDLK_KP_PLUS: return VK_ADD;
    case SDLK_SEPARATOR: return VK_SEPARATOR;
    case SDLK_KP_MINUS: return VK_SUBTRACT;
    case SDLK_KP_PERIOD:
    case SDLK_KP_DECIMAL: return VK_DECIMAL;
    case SDLK_KP_DIVIDE: return VK_DIVIDE;
    case SDLK_NUMLOCKCLEAR: return VK_NUMLOCK;
    case SDLK_SCROLLLOCK: return VK_SCROLL;
    case SDLK_SEMICOLON: return VK_OEM_1;
    case SDLK_EQUALS: return VK_OEM_PLUS;
    case SDLK_COMMA: return VK_OEM_COMMA;
    case SDLK_MINUS: return VK_OEM_MINUS;
    case SDLK_PERIOD: return VK_OEM_PERIOD;
    case SDLK_SLASH: return VK_OEM_2;
    case SDLK_BACKQUOTE: return VK_OEM_3;
    case SDLK_LEFTBRACKET: return VK_OEM_4;
    case SDLK_BACKSLASH: return VK_OEM_5;
    case SDLK_RIGHTBRACKET: return VK_OEM_6;
    case SDLK_QUOTE: return VK_OEM_7;
    default: return 0;
    }
}

uint32_t SdlKeyTable::typedCharacter(int32_t sdlKey, uint32_t modifiers)
{
    if (modifiers & (KMOD_CTRL | KMOD_ALT | KMOD_GUI))
        return 0;
    const bool shift = (modifiers & KMOD_SHIFT) != 0;
    if (sdlKey >= SDLK_a && sdlKey <= SDLK_z) {
        const bool capital = shift != ((modifiers & KMOD_CAPS) != 0);
        return uint32_t(capital ? sdlKey - SDLK_a + 'A' : sdlKey);
    }
    if (sdlKey >= SDLK_KP_1 && sdlKey <= SDLK_KP_9)
        return uint32_t('1' + (sdlKey - SDLK_KP_1));
    switch (sdlKey) {
    case SDLK_KP_0:
        return '0';
    case SDLK_KP_MULTIPLY:
        return '*';
    case SDLK_KP_PLUS:
        return '+';
    case SDLK_KP_MINUS:
        return '-';
    case SDLK_KP_DIVIDE:
        return '/';
    case SDLK_KP_PERIOD:
        return '.';
    default:
        break;
    }
    // Shifted punctuation depends on the layout; the text input knows it, we don't.
    if (shift)
        return 0;
    if (sdlKey >= 0x20 && sdlKey <= 0x7E)
        return uint32_t(sdlKey);
    return 0;
}

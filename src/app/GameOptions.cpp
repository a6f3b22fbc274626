#include "app/GameOptions.h"

int32_t GameOptions::parseKeyboard(const std::string& text)
{
    if (text == "none")
        return 0;
    if (text == "full")
        return 1;
    if (text == "keypad")
        return 2;
    return -1;
}

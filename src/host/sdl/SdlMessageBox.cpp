#include "host/sdl/SdlMessageBox.h"

#include <SDL.h>

bool SdlMessageBox::showError(const std::string& title, const std::string& text)
{
    return SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), nullptr) == 0;
}

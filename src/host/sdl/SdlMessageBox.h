#pragma once

#include <string>

// A modal error box with one OK button, owned by no window, for failures before
// or instead of the game's window (a missing resource pack). Needs no video
// subsystem; without a display it shows nothing.
class SdlMessageBox {
public:
    // False when no box could be shown (no display).
    static bool showError(const std::string& title, const std::string& text);
};

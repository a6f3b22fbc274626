#pragma once

#include "core/runtime/String.h"

#include <cstdint>

class Font;

// The longest leading part of text (the full text first, then one character
// shorter each time) whose width in font is strictly below maxWidth; the empty
// text when not even one character fits.
String fitText(const String& text, int32_t maxWidth, const Font& font);

// text itself when narrower than maxWidth; otherwise a shortened text ending in
// "...": the part that fits beside the dots, less its last character.
String fitWithEllipsis(const String& text, int32_t maxWidth, const Font& font);

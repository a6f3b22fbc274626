#pragma once

#include "core/lcdui/2d/DisplayTables.h"
#include "core/runtime/SharedPointer.h"
#include "core/runtime/String.h"

#include <cstdint>

class Base2DGraphics;
class Base2DImage;

// How a menu row is drawn: on the gold highlight bar, or on the row plate in the
// normal or the greyed font.
enum class MenuRowState { Normal, Focused, Disabled };

// Draws one row at (x, y), w wide, with the fonts, images, height and text inset
// of the screen's menu rows (EXTRA_MENU_ROWS, EXTRA_MENU_STYLE); an entry picture
// goes at the text inset, the label after it. Nothing without the rows' layout.
void drawMenuRow(Base2DGraphics& g, const ScreenLayout& layout, int32_t x, int32_t y, int32_t w,
                 const String& label, MenuRowState state, const SharedPointer<Base2DImage>& picture);

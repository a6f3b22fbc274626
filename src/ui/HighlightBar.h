#pragma once

#include <cstdint>

class Base2DGraphics;

// The gold bar behind a focused row: the left end piece, the middle tile repeated,
// the right end piece, all as tall as the artwork (the menu row height). The end
// pieces are the two halves of one square image; rows narrower than it get only
// the ends.
void drawHighlightBar(Base2DGraphics& g, int32_t x, int32_t y, int32_t w);

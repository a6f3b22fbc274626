#pragma once

#include "core/runtime/SharedPointer.h"

#include <cstdint>

#include "core/resources/Base2DImage.h"

// Hands out the cached artwork by image slot (0..54). The Display is the real one;
// fonts fetch their glyph sheets through it so that a sheet is decoded once.
class ImageProvider {
public:
    virtual ~ImageProvider() = default;

    // An empty handle when the slot holds nothing loadable.
    virtual SharedPointer<Base2DImage> getImage(int32_t slot) = 0;
};

#pragma once

#include "ui/Item.h"

#include "core/resources/Base2DImage.h"
#include "core/runtime/SharedPointer.h"

// One image, centred in the width its layout row gives (the client width); as
// tall as the image. An empty image takes no room.
class ImageItem : public Item {
public:
    ImageItem(const String& label, const SharedPointer<Base2DImage>& image, const String& alternativeText = String());
    // The image of an image slot, fetched again on every layout so that a change of
    // display size shows the new class's artwork.
    ImageItem(const String& label, int32_t imageSlot);
    ~ImageItem() override;

    void paint(Base2DGraphics& g, bool focused) override;
    void measure() override;

    const SharedPointer<Base2DImage>& getImage() const { return image; }
    const String& getAlternativeText() const { return alternativeText; }

private:
    SharedPointer<Base2DImage> image;
    int32_t imageSlot = -1;
    String alternativeText;
};

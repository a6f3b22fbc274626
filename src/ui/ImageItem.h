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
    // One frame of a slot whose image is a row of square frames, each as wide as
    // the image is high (the splash's logo strip); frame counts from 0 at the left.
    ImageItem(const String& label, int32_t imageSlot, int32_t frame);
    ~ImageItem() override;

    void paint(Base2DGraphics& g, bool focused) override;
    void measure() override;

    const SharedPointer<Base2DImage>& getImage() const { return image; }
    const String& getAlternativeText() const { return alternativeText; }

private:
    int32_t shownWidth() const;

    SharedPointer<Base2DImage> image;
    int32_t imageSlot = -1;
    int32_t frame = -1; // -1: the whole image
    String alternativeText;
};

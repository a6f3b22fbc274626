#include "ui/ImageItem.h"

#include "core/lcdui/2d/Anchor.h"
#include "core/lcdui/2d/Base2DGraphics.h"
#include "core/lcdui/2d/Display.h"

ImageItem::ImageItem(const String& label, const SharedPointer<Base2DImage>& image, const String& alternativeText)
    : Item(ITEM_KIND_IMAGE, 0, label, /*focusable=*/false)
    , image(image)
    , alternativeText(alternativeText)
{
}

ImageItem::ImageItem(const String& label, int32_t imageSlot)
    : Item(ITEM_KIND_IMAGE, 0, label, /*focusable=*/false)
    , imageSlot(imageSlot)
{
}

ImageItem::ImageItem(const String& label, int32_t imageSlot, int32_t frame)
    : Item(ITEM_KIND_IMAGE, 0, label, /*focusable=*/false)
    , imageSlot(imageSlot)
    , frame(frame)
{
}

ImageItem::~ImageItem() = default;

int32_t ImageItem::shownWidth() const
{
    if (!image.raw())
        return 0;
    return frame < 0 ? image->getWidth() : image->getHeight();
}

void ImageItem::measure()
{
    Item::measure();
    if (imageSlot >= 0 && currentDisplay())
        image = currentDisplay()->getImage(imageSlot);
    // A frame past the strip's end shows nothing rather than reading beyond it.
    if (image.raw() && frame >= 0 && (frame + 1) * image->getHeight() > image->getWidth())
        image = SharedPointer<Base2DImage>();
    if (!image.raw()) {
        setSize(0, 0);
        return;
    }
    const int32_t rowWidth = layout.geometry.length >= 3 ? layout.geometry[2] : 0;
    setSize(rowWidth > shownWidth() ? rowWidth : shownWidth(), image->getHeight());
}

void ImageItem::paint(Base2DGraphics& g, bool)
{
    if (!image.raw())
        return;
    if (frame < 0) {
        g.drawImage(image, width / 2, 0, HCENTER | TOP);
        return;
    }
    const int32_t side = image->getHeight();
    g.drawRegion(image, width / 2, 0, HCENTER | TOP, frame * side, 0, side, side);
}

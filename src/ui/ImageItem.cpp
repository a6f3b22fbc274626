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

ImageItem::~ImageItem() = default;

void ImageItem::measure()
{
    Item::measure();
    if (imageSlot >= 0 && currentDisplay())
        image = currentDisplay()->getImage(imageSlot);
    if (!image.raw()) {
        setSize(0, 0);
        return;
    }
    const int32_t rowWidth = layout.geometry.length >= 3 ? layout.geometry[2] : 0;
    setSize(rowWidth > image->getWidth() ? rowWidth : image->getWidth(), image->getHeight());
}

void ImageItem::paint(Base2DGraphics& g, bool)
{
    if (image.raw())
        g.drawImage(image, width / 2, 0, HCENTER | TOP);
}

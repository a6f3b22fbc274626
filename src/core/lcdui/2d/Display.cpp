#include "Display.h"

#include "DisplayTables.h"
#include "ImageSlots.h"
#include "Font.h"
#include "ScreenClass.h"
#include "ScreenSurface.h"
#include "TextFit.h"

#include "core/resources/Base2DImage.h"
#include "core/resources/ResourceStream.h"
#include "core/resources/SoundClip.h"

namespace {

Display* published = nullptr;

} // namespace

Display* currentDisplay() { return published; }
void setCurrentDisplay(Display* display) { published = display; }

Display::Display(DisplayListener* controller, FrameSink* window, BaseResourceStream* artworkStream)
    : controller(controller)
    , window(window)
    , stream(artworkStream)
    , images(IMAGE_CACHE_SLOTS)
    , fourColourImages(IMAGE_CACHE_SLOTS)
    , fonts(FONT_CACHE_SLOTS)
    , sounds(SOUND_CACHE_SLOTS)
{
    if (!stream) {
        ownStream = new ResourceStream;
        stream = ownStream;
    }
}

Display::~Display()
{
    SoundClip::stopAllSounds();
    releaseCaches();
    overlay = SharedPointer<Overlay>();
    if (surface)
        surface->release();
    delete surface;
    delete ownStream;
    if (published == this)
        published = nullptr;
}

bool Display::setMetrics(const DisplayMetrics& metrics)
{
    if (surface) {
        surface->release();
        delete surface;
    }
    surface = new ScreenSurface;
    surface->setImageProvider(this);
    setDisplaySize(metrics.width, metrics.height);
    const bool ready = surface->init(metrics, window);
    releaseCaches();
    fillDisplayTables();
    if (controller)
        controller->displayChanged();
    // A shown alert is the Display's own: it is laid out again here, whoever the
    // listener is.
    if (overlay.raw()) {
        overlay->invalidateLayout();
        if (surface)
            surface->requestRepaint();
    }
    return ready;
}

SharedPointer<Base2DImage> Display::getImage(int32_t slot)
{
    if (slot < 0 || slot >= IMAGE_CACHE_SLOTS)
        return SharedPointer<Base2DImage>();
    if (!images[slot].raw()) {
        const int32_t id = displayTables().imageIds[slot];
        // Spare slots hold 0: nothing to load and nothing to report.
        if (id != 0)
            images[slot] = Base2DImage::createImage(stream, id);
    }
    return images[slot];
}

SharedPointer<Base2DImage> Display::getFourColourImage(int32_t slot)
{
    static_assert(IMAGE_CACHE_SLOTS <= 64, "one bit per slot in fourColourMissing");
    if (slot < 0 || slot >= IMAGE_CACHE_SLOTS || (fourColourMissing >> slot & 1) != 0)
        return SharedPointer<Base2DImage>();
    if (!fourColourImages[slot].raw()) {
        const int32_t id = fourColourImageIdFor(displayTables().screenClass, slot);
        if (id != 0)
            fourColourImages[slot] = Base2DImage::createImage(stream, id);
        if (!fourColourImages[slot].raw())
            fourColourMissing |= uint64_t(1) << slot;
    }
    return fourColourImages[slot];
}

SharedPointer<Font> Display::getFont(int32_t index)
{
    if (index < 0 || index >= FONT_CACHE_SLOTS || !surface)
        return SharedPointer<Font>();
    if (!fonts[index].raw()) {
        const FontDescriptor& d = displayTables().fonts[index];
        SharedPointer<Font> font = surface->makeFont(d.sheetSlot, d.widths, d.glyphHeight, d.lineHeight,
                                                     d.charGap, d.baselineOffset, d.spaceWidth, d.charset);
        font->setColor(d.colour);
        font->setStyle(d.style);
        font->setSecondColor(d.secondColour);
        fonts[index] = font;
    }
    return fonts[index];
}

SharedPointer<SoundClip> Display::getSound(int32_t id, int32_t resourceId)
{
    if (id < 0 || id >= SOUND_CACHE_SLOTS)
        return SharedPointer<SoundClip>();
    if (!sounds[id].raw())
        sounds[id] = SharedPointer<SoundClip>(new SoundClip(stream, resourceId));
    return sounds[id];
}

String Display::fitWithEllipsis(const String& text, int32_t maxWidth, int32_t fontIndex)
{
    if (text.length() == 0)
        return String();
    SharedPointer<Font> font = getFont(fontIndex);
    if (!font.raw())
        return text;
    return ::fitWithEllipsis(text, maxWidth, *font.raw());
}

void Display::releaseCaches()
{
    for (int32_t i = 0; i < IMAGE_CACHE_SLOTS; ++i) {
        images[i] = SharedPointer<Base2DImage>();
        fourColourImages[i] = SharedPointer<Base2DImage>();
    }
    fourColourMissing = 0;
    for (int32_t i = 0; i < FONT_CACHE_SLOTS; ++i)
        fonts[i] = SharedPointer<Font>();
    for (int32_t i = 0; i < SOUND_CACHE_SLOTS; ++i)
        sounds[i] = SharedPointer<SoundClip>();
}

void Display::releaseImage(int32_t slot)
{
    if (slot >= 0 && slot < IMAGE_CACHE_SLOTS)
        images[slot] = SharedPointer<Base2DImage>();
}

void Display::requestRepaint(const Object* screen)
{
    if (controller && !controller->isCurrentScreen(screen))
        return;
    if (surface)
        surface->requestRepaint();
}

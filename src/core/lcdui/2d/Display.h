#pragma once

#include "DisplayMetrics.h"
#include "ImageProvider.h"
#include "Overlay.h"

#include "core/runtime/Array.h"
#include "core/runtime/Object.h"
#include "core/runtime/SharedPointer.h"
#include "core/runtime/String.h"

#include <cstdint>

class Base2DImage;
class BaseResourceStream;
class Font;
class FrameSink;
class ScreenSurface;
class SoundClip;

// What the Display needs from the controller that owns it: the screens to lay out
// again after a size change, and which screen may ask for repaints.
class DisplayListener {
public:
    virtual ~DisplayListener() = default;
    // The display size changed: the current screen and every screen on the back
    // stack must lay themselves out again and repaint (a shown alert is the
    // Display's own business).
    virtual void displayChanged() = 0;
    virtual bool isCurrentScreen(const Object* screen) const = 0;
};

// The one object through which screens reach the frame and the artwork: it owns the
// screen surface and keeps the process-wide caches of images (55 slots), fonts (26)
// and sounds (12), filled lazily by slot and emptied whenever the display size
// changes, because the slot tables then name other artwork.
class Display : public ImageProvider {
public:
    static constexpr int32_t IMAGE_CACHE_SLOTS = 55;
    static constexpr int32_t FONT_CACHE_SLOTS = 26;
    static constexpr int32_t SOUND_CACHE_SLOTS = 12;

    // stream loads the artwork (shared, not owned); null uses the open resource pack.
    // window receives presented frames (not owned; may be null).
    Display(DisplayListener* controller, FrameSink* window, BaseResourceStream* stream = nullptr);
    ~Display() override;
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    // Rebuilds the surface for the new size, stores the size process-wide, empties
    // the caches, refills the display tables and has every screen laid out again.
    // Returns the surface's init result.
    bool setMetrics(const DisplayMetrics& metrics);

    SharedPointer<Base2DImage> getImage(int32_t slot) override;
    // The four-colour deck's picture of a card-face slot, from an id range of its
    // own so that the slots every screen sees stay as they are. Empty for other
    // slots and for a pack without it (asked once per size): the caller then draws
    // the two-colour faces.
    SharedPointer<Base2DImage> getFourColourImage(int32_t slot);
    SharedPointer<Font> getFont(int32_t index);
    SharedPointer<SoundClip> getSound(int32_t id, int32_t resourceId);
    String fitWithEllipsis(const String& text, int32_t maxWidth, int32_t fontIndex);
    void releaseCaches();
    // Empties one image slot (the splash pictures once loading is over).
    void releaseImage(int32_t slot);
    // Honoured only for the controller's current screen (any screen without a controller).
    void requestRepaint(const Object* screen);

    ScreenSurface* getSurface() const { return surface; }
    // The modal alert while one is shown; clearing it ends the alert's modal loop.
    void setOverlay(const SharedPointer<Overlay>& item) { overlay = item; }
    void clearOverlay() { overlay = SharedPointer<Overlay>(); }
    const SharedPointer<Overlay>& getOverlay() const { return overlay; }
    bool hasOverlay() const { return overlay.raw() != nullptr; }

private:
    DisplayListener* controller;
    ScreenSurface* surface = nullptr;
    SharedPointer<Overlay> overlay;
    FrameSink* window;
    BaseResourceStream* stream;
    BaseResourceStream* ownStream = nullptr;
    Array<SharedPointer<Base2DImage>> images;
    Array<SharedPointer<Base2DImage>> fourColourImages;
    uint64_t fourColourMissing = 0; // a bit per slot the pack has no picture for
    Array<SharedPointer<Font>> fonts;
    Array<SharedPointer<SoundClip>> sounds;
};

// The process-wide display, published by the controller that builds it; null before.
Display* currentDisplay();
void setCurrentDisplay(Display* display);

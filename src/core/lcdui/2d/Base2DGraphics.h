#pragma once

#include "Anchor.h"
#include "DisplayMetrics.h"
#include "Font.h"

#include "core/runtime/Array.h"
#include "core/runtime/Object.h"
#include "core/runtime/SharedPointer.h"
#include "core/runtime/String.h"

#include <cstdint>

class Base2DImage;
class ImageProvider;
class BaseResourceStream;

// What a derived class hands out for drawing: 3 bytes per pixel (blue, green, red).
struct SurfaceDescription {
    uint8_t* pixels = nullptr;
    int32_t xStride = 0; // pixels from one pixel to the next on a row
    int32_t yStride = 0; // pixels from one row to the next
    int32_t extent = 0;  // size information; the primitives do not read it
};

// The software renderer: a drawing state (colour, alpha, font, translation, clip)
// and primitives that write 24-bit pixels into the surface of a derived class.
// Anchors, clip and translation follow the phone drawing API the game was written
// for; the primitives the game never needs refuse loudly.
class Base2DGraphics : public Object {
public:
    Base2DGraphics();
    ~Base2DGraphics() override;

    virtual bool init(const DisplayMetrics& metrics);
    virtual void release();
    virtual const DisplayMetrics& getDisplay() const { return display; }
    virtual SharedPointer<Font> makeFont(int32_t imageIndex, const ByteArray& widths, int32_t glyphHeight,
                                         int32_t lineHeight, int32_t charGap, int32_t baselineOffset,
                                         int32_t spaceWidth, const String& charset);
    [[noreturn]] virtual SharedPointer<Font> makeFont(int32_t width, int32_t height);
    virtual SharedPointer<Base2DImage> createImage(BaseResourceStream& stream, int32_t resourceId);
    virtual void requestRepaint() { }
    virtual void present() { }
    virtual void spareHook1() { }
    virtual void spareHook2() { }
    virtual void setColor(int32_t red, int32_t green, int32_t blue);
    virtual void setColor(int32_t rgb);
    virtual int32_t getColor() const;
    virtual int32_t getRedComponent() const { return colorRed; }
    virtual int32_t getGreenComponent() const { return colorGreen; }
    virtual int32_t getBlueComponent() const { return colorBlue; }
    virtual int32_t getAlpha() const { return alpha; }
    virtual void setAlpha(int32_t value) { alpha = static_cast<uint8_t>(value); }
    virtual void setFont(const SharedPointer<Font>& newFont) { font = newFont; }
    virtual void translate(int32_t dx, int32_t dy);
    virtual int32_t getTranslateX() const { return translateX; }
    virtual int32_t getTranslateY() const { return translateY; }
    virtual void drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    [[noreturn]] virtual void fillTriangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3);
    virtual void drawRect(int32_t x, int32_t y, int32_t w, int32_t h);
    virtual void fillRect(int32_t x, int32_t y, int32_t w, int32_t h);
    [[noreturn]] virtual void drawRoundRect(int32_t x, int32_t y, int32_t w, int32_t h, int32_t arcW, int32_t arcH);
    [[noreturn]] virtual void fillRoundRect(int32_t x, int32_t y, int32_t w, int32_t h, int32_t arcW, int32_t arcH);
    [[noreturn]] virtual void drawArc(int32_t x, int32_t y, int32_t w, int32_t h, int32_t start, int32_t arc);
    [[noreturn]] virtual void fillArc(int32_t x, int32_t y, int32_t w, int32_t h, int32_t start, int32_t arc);
    // Returns the x after the text (untranslated), as the font's drawString does.
    virtual int32_t drawString(const String& text, int32_t x, int32_t y, int32_t anchor);
    virtual void drawRegion(const SharedPointer<Base2DImage>& image, int32_t x, int32_t y, int32_t anchor,
                            int32_t srcX, int32_t srcY, int32_t w, int32_t h);
    virtual void drawImage(const SharedPointer<Base2DImage>& image, int32_t x, int32_t y, int32_t anchor);
    virtual void drawRegion(int32_t x, int32_t y, int32_t w, int32_t h, const SharedPointer<Base2DImage>& image,
                            int32_t srcX, int32_t srcY);
    virtual void setClip(int32_t x, int32_t y, int32_t w, int32_t h);
    virtual void clipRect(int32_t x, int32_t y, int32_t w, int32_t h);
    virtual int32_t getClipX() const { return clipX - translateX; }
    virtual int32_t getClipY() const { return clipY - translateY; }
    virtual int32_t getClipWidth() const { return clipWidth; }
    virtual int32_t getClipHeight() const { return clipHeight; }
    virtual void enable() { enabled = true; }
    virtual void disable() { enabled = false; }
    virtual bool isEnabled() const { return enabled; }
    virtual bool lockSurface(SurfaceDescription& surface) = 0;
    virtual void unlockSurface() = 0;

    // Where makeFont's fonts fetch their glyph sheets (the Display's image cache).
    void setImageProvider(ImageProvider* provider) { images = provider; }
    ImageProvider* imageProvider() const { return images; }
    const SharedPointer<Font>& getFont() const { return font; }

protected:
    DisplayMetrics display;

private:
    // Stores one pixel by the alpha rule (0 store, 1..254 blend, 255 nothing).
    void plot(const SurfaceDescription& surface, int32_t x, int32_t y);

    uint8_t colorBlue = 0;
    uint8_t colorGreen = 0;
    uint8_t colorRed = 0;
    SharedPointer<Font> font;
    uint8_t alpha = 0;
    int32_t clipX = 0;
    int32_t clipY = 0;
    int32_t clipWidth = 0;
    int32_t clipHeight = 0;
    int32_t translateX = 0;
    int32_t translateY = 0;
    bool enabled = true;
    ImageProvider* images = nullptr;
};

// Prints the message and a line feed through the DiagnosticSink and throws the text.
[[noreturn]] void refuseDrawing(const char* message);

#include "Base2DGraphics.h"

#include "Font.h"
#include "core/resources/Base2DImage.h"
#include "core/runtime/DiagnosticSink.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

void refuseDrawing(const char* message)
{
    DiagnosticSink::print("%s\n", message);
    throw message;
}

Base2DGraphics::Base2DGraphics() = default;

Base2DGraphics::~Base2DGraphics() = default;

bool Base2DGraphics::init(const DisplayMetrics& metrics)
{
    display.width = metrics.width;
    display.height = metrics.height;
    display.orientation = metrics.orientation;
    translateX = 0;
    translateY = 0;
    setClip(0, 0, display.width, display.height);
    return true;
}

void Base2DGraphics::release()
{
    display.width = 0;
    display.height = 0;
    display.orientation = 0;
    colorBlue = colorGreen = colorRed = 0;
    alpha = 0;
    clipX = clipY = clipWidth = clipHeight = 0;
    translateX = translateY = 0;
}

SharedPointer<Font> Base2DGraphics::makeFont(int32_t imageIndex, const ByteArray& widths, int32_t glyphHeight,
                                             int32_t lineHeight, int32_t charGap, int32_t baselineOffset,
                                             int32_t spaceWidth, const String& charset)
{
    return SharedPointer<Font>(new Font(images, imageIndex, widths, glyphHeight, lineHeight, charGap,
                                        baselineOffset, spaceWidth, charset));
}

SharedPointer<Font> Base2DGraphics::makeFont(int32_t, int32_t)
{
    refuseDrawing("Base2DGraphics:: Unsupported makeFont(int width, int height) method");
}

SharedPointer<Base2DImage> Base2DGraphics::createImage(BaseResourceStream& stream, int32_t resourceId)
{
    return Base2DImage::createImage(&stream, resourceId);
}

void Base2DGraphics::setColor(int32_t red, int32_t green, int32_t blue)
{
    setColor((red << 16) + (green << 8) + blue);
}

void Base2DGraphics::setColor(int32_t rgb)
{
    colorBlue = static_cast<uint8_t>(rgb);
    colorGreen = static_cast<uint8_t>(rgb >> 8);
    colorRed = static_cast<uint8_t>(rgb >> 16);
}

int32_t Base2DGraphics::getColor() const { return (colorRed << 16) | (colorGreen << 8) | colorBlue; }

void Base2DGraphics::translate(int32_t dx, int32_t dy)
{
    translateX += dx;
    translateY += dy;
}

void Base2DGraphics::plot(const SurfaceDescription& surface, int32_t x, int32_t y)
{
    if (x < clipX || y < clipY || x >= clipX + clipWidth || y >= clipY + clipHeight)
        return;
    uint8_t* p = surface.pixels + (int64_t(y) * surface.yStride + int64_t(x) * surface.xStride) * 3;
    if (alpha == 0) {
        p[0] = colorBlue;
        p[1] = colorGreen;
        p[2] = colorRed;
        return;
    }
    if (alpha == 255)
        return;
    p[0] = static_cast<uint8_t>((p[0] * alpha + colorBlue * (255 - alpha)) >> 8);
    p[1] = static_cast<uint8_t>((p[1] * alpha + colorGreen * (255 - alpha)) >> 8);
    p[2] = static_cast<uint8_t>((p[2] * alpha + colorRed * (255 - alpha)) >> 8);
}

void Base2DGraphics::drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    x1 += translateX;
    x2 += translateX;
    y1 += translateY;
    y2 += translateY;
    if (alpha == 255 || clipWidth <= 0 || clipHeight <= 0)
        return;
    SurfaceDescription surface;
    if (!lockSurface(surface))
        return;
    // int64 keeps the products of far-off endpoints from overflowing.
    if (std::abs(int64_t(x2) - x1) > std::abs(int64_t(y2) - y1)) {
        if (x1 > x2) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        int64_t dx = int64_t(x2) - x1;
        int64_t dy = int64_t(y2) - y1;
        // Only the columns inside the clip can show anything.
        int64_t first = std::max<int64_t>(x1, clipX);
        int64_t last = std::min<int64_t>(x2, int64_t(clipX) + clipWidth - 1);
        for (int64_t x = first; x <= last; ++x)
            plot(surface, int32_t(x), int32_t(y1 + dy * (x - x1) / dx));
    } else {
        if (y1 > y2) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        int64_t dx = int64_t(x2) - x1;
        int64_t dy = int64_t(y2) - y1;
        int64_t first = std::max<int64_t>(y1, clipY);
        int64_t last = std::min<int64_t>(y2, int64_t(clipY) + clipHeight - 1);
        for (int64_t y = first; y <= last; ++y)
            plot(surface, int32_t(dy == 0 ? x1 : x1 + dx * (y - y1) / dy), int32_t(y));
    }
    unlockSurface();
}

void Base2DGraphics::fillTriangle(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t)
{
    refuseDrawing("Base2DGraphics:: Unsupported fillTriangle method");
}

void Base2DGraphics::drawRect(int32_t x, int32_t y, int32_t w, int32_t h)
{
    int32_t left = x + translateX;
    int32_t top = y + translateY;
    int32_t right = x + w - 1;
    int32_t bottom = y + h - 1;
    if (left >= clipX)
        drawLine(x, y, x, bottom);
    if (right + translateX < clipX + clipWidth)
        drawLine(right, y, right, bottom);
    if (top >= clipY)
        drawLine(x, y, right, y);
    if (bottom + translateY < clipY + clipHeight)
        drawLine(x, bottom, right, bottom);
}

void Base2DGraphics::fillRect(int32_t x, int32_t y, int32_t w, int32_t h)
{
    int64_t left = std::max<int64_t>(int64_t(x) + translateX, clipX);
    int64_t top = std::max<int64_t>(int64_t(y) + translateY, clipY);
    int64_t right = std::min<int64_t>(int64_t(x) + translateX + w, int64_t(clipX) + clipWidth);
    int64_t bottom = std::min<int64_t>(int64_t(y) + translateY + h, int64_t(clipY) + clipHeight);
    if (left >= right || top >= bottom)
        return;
    SurfaceDescription surface;
    if (!lockSurface(surface))
        return;
    const int32_t width = int32_t(right - left);
    uint8_t* row = surface.pixels + (top * surface.yStride + left * surface.xStride) * 3;
    const int64_t rowStep = int64_t(surface.yStride) * 3;
    if (alpha == 0 && surface.xStride == 1) {
        // Paint the first row, then copy it: rows are contiguous runs of bytes.
        for (int32_t i = 0; i < width; ++i) {
            row[i * 3] = colorBlue;
            row[i * 3 + 1] = colorGreen;
            row[i * 3 + 2] = colorRed;
        }
        const uint8_t* first = row;
        for (int64_t yy = top + 1; yy < bottom; ++yy) {
            row += rowStep;
            std::memcpy(row, first, size_t(width) * 3);
        }
    } else if (alpha != 255) {
        const int32_t keep = alpha;
        const int32_t blue = colorBlue * (255 - alpha);
        const int32_t green = colorGreen * (255 - alpha);
        const int32_t red = colorRed * (255 - alpha);
        const int64_t pixelStep = int64_t(surface.xStride) * 3;
        for (int64_t yy = top; yy < bottom; ++yy, row += rowStep) {
            uint8_t* p = row;
            for (int32_t i = 0; i < width; ++i, p += pixelStep) {
                if (keep == 0) {
                    p[0] = colorBlue;
                    p[1] = colorGreen;
                    p[2] = colorRed;
                    continue;
                }
                p[0] = static_cast<uint8_t>((p[0] * keep + blue) >> 8);
                p[1] = static_cast<uint8_t>((p[1] * keep + green) >> 8);
                p[2] = static_cast<uint8_t>((p[2] * keep + red) >> 8);
            }
        }
    }
    unlockSurface();
}

void Base2DGraphics::drawRoundRect(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t)
{
    refuseDrawing("Base2DGraphics:: Unsupported drawRoundRect method");
}

void Base2DGraphics::fillRoundRect(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t)
{
    refuseDrawing("Base2DGraphics:: Unsupported fillRoundRect method");
}

void Base2DGraphics::drawArc(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t)
{
    refuseDrawing("Base2DGraphics:: Unsupported drawArc method");
}

void Base2DGraphics::fillArc(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t)
{
    refuseDrawing("Base2DGraphics:: Unsupported fillArc method");
}

int32_t Base2DGraphics::drawString(const String& text, int32_t x, int32_t y, int32_t anchor)
{
    if (!font.raw())
        refuseDrawing("Base2DGraphics::drawString - no font set.");
    return font->drawString(*this, text, 0, text.length(), x, y, anchor);
}

void Base2DGraphics::drawImage(const SharedPointer<Base2DImage>& imageHandle, int32_t x, int32_t y, int32_t anchor)
{
    const Base2DImage* image = imageHandle.raw();
    if (!image)
        return;
    // Greyscale images are never drawn; a palette is needed to look colours up.
    if (image->colorType != Base2DImage::COLOR_TYPE_INDEXED || !image->palette || !image->pixels)
        return;
    const Base2DImage& view = *image;
    int64_t left = int64_t(x) + translateX;
    int64_t top = int64_t(y) + translateY;
    if (anchor & RIGHT)
        left -= view.width;
    else if (anchor & HCENTER)
        left -= view.width / 2;
    if (anchor & BOTTOM)
        top -= view.height;
    else if (anchor & VCENTER)
        top -= view.height / 2;

    const int64_t x0 = std::max<int64_t>(left, clipX);
    const int64_t y0 = std::max<int64_t>(top, clipY);
    const int64_t x1 = std::min<int64_t>(left + view.width, int64_t(clipX) + clipWidth);
    const int64_t y1 = std::min<int64_t>(top + view.height, int64_t(clipY) + clipHeight);
    if (x0 >= x1 || y0 >= y1)
        return;

    // Per palette index: the colour and how it lands (0 leave, 1 store, 2 blend with k).
    struct Entry {
        uint8_t blue, green, red, mode;
        int32_t k;
    };
    Entry entries[256];
    bool allStore = true;
    for (int32_t i = 0; i < 256; ++i) {
        Entry& e = entries[i];
        e.k = 0;
        if (i < view.paletteCount) {
            e.blue = view.palette[i * 3];
            e.green = view.palette[i * 3 + 1];
            e.red = view.palette[i * 3 + 2];
        } else {
            e.blue = e.green = e.red = 0; // index outside the palette: black, never out of bounds
        }
        e.mode = 1;
        if (view.transparency && i < view.transparencyCount) {
            const int32_t t = view.transparency[i];
            if (t == 0) {
                e.mode = 0;
            } else if (!(t == 255 && alpha == 0)) {
                e.mode = 2;
                e.k = (t * alpha) / 255;
            }
        }
        if (e.mode != 1)
            allStore = false;
    }

    SurfaceDescription surface;
    if (!lockSurface(surface))
        return;
    const int32_t width = int32_t(x1 - x0);
    const int64_t pixelStep = int64_t(surface.xStride) * 3;
    for (int64_t yy = y0; yy < y1; ++yy) {
        const uint8_t* source = view.pixels + (yy - top) * view.width + (x0 - left);
        uint8_t* p = surface.pixels + (yy * surface.yStride + x0 * surface.xStride) * 3;
        if (allStore) {
            for (int32_t i = 0; i < width; ++i, p += pixelStep) {
                const Entry& e = entries[source[i]];
                p[0] = e.blue;
                p[1] = e.green;
                p[2] = e.red;
            }
            continue;
        }
        for (int32_t i = 0; i < width; ++i, p += pixelStep) {
            const Entry& e = entries[source[i]];
            if (e.mode == 0)
                continue;
            if (e.mode == 1) {
                p[0] = e.blue;
                p[1] = e.green;
                p[2] = e.red;
                continue;
            }
            const int32_t k = e.k;
            p[0] = static_cast<uint8_t>((e.blue * k + p[0] * (255 - k)) >> 8);
            p[1] = static_cast<uint8_t>((e.green * k + p[1] * (255 - k)) >> 8);
            p[2] = static_cast<uint8_t>((e.red * k + p[2] * (255 - k)) >> 8);
        }
    }
    unlockSurface();
}

void Base2DGraphics::drawRegion(const SharedPointer<Base2DImage>& imageHandle, int32_t x, int32_t y,
                                int32_t anchor, int32_t srcX, int32_t srcY, int32_t w, int32_t h)
{
    const Base2DImage* image = imageHandle.raw();
    if (!image)
        return;
    const Base2DImage& view = *image;
    w = std::max(std::min(w, view.width - srcX), 0);
    h = std::max(std::min(h, view.height - srcY), 0);
    // The anchor places the region, not the whole image.
    if (anchor & RIGHT)
        x -= w;
    else if (anchor & HCENTER)
        x -= w / 2;
    if (anchor & BOTTOM)
        y -= h;
    else if (anchor & VCENTER)
        y -= h / 2;

    const int32_t oldX = getClipX();
    const int32_t oldY = getClipY();
    const int32_t oldW = clipWidth;
    const int32_t oldH = clipHeight;
    const int32_t left = std::max(x, oldX);
    const int32_t top = std::max(y, oldY);
    const int32_t right = std::min(x + w, oldX + oldW);
    const int32_t bottom = std::min(y + h, oldY + oldH);
    if (left >= right || top >= bottom)
        return;
    setClip(left, top, right - left, bottom - top);
    drawImage(imageHandle, x - srcX, y - srcY, TOP | LEFT);
    setClip(oldX, oldY, oldW, oldH);
}

void Base2DGraphics::drawRegion(int32_t x, int32_t y, int32_t w, int32_t h,
                                const SharedPointer<Base2DImage>& image, int32_t srcX, int32_t srcY)
{
    drawRegion(image, x, y, TOP | LEFT, srcX, srcY, w, h);
}

void Base2DGraphics::setClip(int32_t x, int32_t y, int32_t w, int32_t h)
{
    const int64_t left = int64_t(x) + translateX;
    const int64_t top = int64_t(y) + translateY;
    clipX = int32_t(std::clamp<int64_t>(left, 0, display.width));
    clipY = int32_t(std::clamp<int64_t>(top, 0, display.height));
    clipWidth = int32_t(std::max<int64_t>(std::min<int64_t>(left + w, display.width) - std::max<int64_t>(left, 0), 0));
    clipHeight =
        int32_t(std::max<int64_t>(std::min<int64_t>(top + h, display.height) - std::max<int64_t>(top, 0), 0));
}

void Base2DGraphics::clipRect(int32_t x, int32_t y, int32_t w, int32_t h)
{
    const int64_t left = std::max<int64_t>(int64_t(x) + translateX, clipX);
    const int64_t top = std::max<int64_t>(int64_t(y) + translateY, clipY);
    const int64_t right = std::min<int64_t>(int64_t(x) + translateX + w, int64_t(clipX) + clipWidth);
    const int64_t bottom = std::min<int64_t>(int64_t(y) + translateY + h, int64_t(clipY) + clipHeight);
    if (left >= right || top >= bottom) {
        setClip(-translateX, -translateY, 0, 0);
        return;
    }
    setClip(int32_t(left - translateX), int32_t(top - translateY), int32_t(right - left), int32_t(bottom - top));
}

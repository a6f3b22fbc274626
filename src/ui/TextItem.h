#pragma once

#include "ui/Item.h"

#include "core/runtime/Vector.h"

// A label and a body of text, each word-wrapped to the owner's client width less
// twice the body's x offset. The item layout row gives the label box and the body
// box, {x, y, w, font} each: the font index in the fourth value. The label is drawn
// at (0, 0) and the body to its right (at x 0 when there is no label); the body
// box's x is the margin the screen's content origin leaves on each side.
class TextItem : public Item {
public:
    static constexpr int32_t VARIANT_PLAIN = 0;
    static constexpr int32_t VARIANT_INFO = 1; // about and help texts

    TextItem(const String& label, const String& body, int32_t variant = VARIANT_PLAIN);
    ~TextItem() override;

    void paint(Base2DGraphics& g, bool focused) override;
    void measure() override;
    void layoutContent() override;

    const String& getBody() const { return body; }
    void setBody(const String& text);
    int32_t getWrapWidth() const { return wrapWidth; }
    const Vector<int32_t>& getBodyBreaks() const { return bodyBreaks; }
    const Vector<int32_t>& getLabelBreaks() const { return labelBreaks; }

private:
    int32_t labelFont() const;
    int32_t bodyFont() const;
    int32_t layoutBodyX() const;

    String body;
    IntArray labelBox; // {x, y, w, font}
    IntArray bodyBox;
    int32_t wrapWidth = 0;
    Vector<int32_t> labelBreaks;
    Vector<int32_t> bodyBreaks;
    int32_t lineSpacing = 0;
};

#pragma once

#include "ui/Item.h"
#include "ui/MultiTapKeys.h"

#include "core/runtime/StringBuffer.h"

#include <cstdint>

// An editable line of text. On a full keyboard a typed character goes in at the
// cursor; on a Smartphone keypad repeated presses of one key cycle through its
// letters (multi-tap), the shown letter staying pending until another key, left,
// right, clear or 1200 ms without a press commits it. Only characters the game's
// fonts can draw (and the space) are taken, so the text can always be shown and
// saved.
class TextField : public Item {
public:
    // Either bit makes the field take digits only.
    static constexpr uint32_t CONSTRAINT_NUMERIC = 2;
    static constexpr uint32_t CONSTRAINT_NUMERIC_ALT = 65536;
    // A pending letter is committed this long after its key was last pressed.
    static constexpr int64_t MULTI_TAP_TIMEOUT_MS = 1200;

    // maxLength 0: unlimited. The keys are copied.
    TextField(const String& label, const String& text, int32_t maxLength, uint32_t constraints,
              const MultiTapKeys& keys);
    ~TextField() override;

    // Replaces the text, cancelling a pending letter; the cursor goes to the end.
    void setText(const String& text);
    String getText() const { return text.toString(); }
    int32_t length() const { return text.length(); }
    // Commits a pending letter, then inserts c at the cursor and moves past it.
    // Characters beyond maxLength, and characters the field does not take, are ignored.
    void insertChar(char16_t c);
    // Ends a pending letter: the cursor moves past it, or with toEnd to the end.
    void commit(bool toEnd);
    // The pending group when it holds key, else the group whose key it is; -1 for none.
    int32_t groupFor(char16_t key) const;

    bool handleEvent(int32_t type, int32_t p1, int32_t p2) override;
    void paint(Base2DGraphics& g, bool focused) override;
    // True on the name entry screen.
    bool wantsTextInput() const override;
    String valueText() const override { return getText(); }

    int32_t getCursor() const { return cursor; }
    int32_t getPendingGroup() const { return pendingGroup; }
    int32_t getMaxLength() const { return maxLength; }
    bool isNumeric() const { return (constraints & (CONSTRAINT_NUMERIC | CONSTRAINT_NUMERIC_ALT)) != 0; }
    void setConsumeBackWhenEmpty(bool consume) { consumeBackWhenEmpty = consume; }

    // A space or one of the font character set's 94 characters.
    static bool isDrawable(char16_t c);

private:
    bool takes(char16_t c) const;
    bool isFull() const { return maxLength > 0 && text.length() >= maxLength; }
    void multiTap(int32_t group);
    // A letter pending for the multi-tap timeout or longer.
    bool pendingExpired() const;
    void cancelPending();

    StringBuffer text;
    int32_t maxLength;
    uint32_t constraints;
    int32_t cursor = 0;
    int32_t pendingGroup = -1;
    int32_t pendingIndex = 0;
    int64_t lastPressTime = 0;
    Array<String> keyGroups;
    String groupKeys;
    int32_t keyboardType;
    bool consumeBackWhenEmpty = false;
};

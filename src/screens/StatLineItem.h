#pragma once

#include "ui/TextItem.h"

// One figure of the statistics: its name in the label font and its value beside
// it, on one row when the name fits one line (a text item stacks the two heights);
// the value is also what the item reports as its value.
class StatLineItem : public TextItem {
public:
    StatLineItem(const String& name, const String& value);
    ~StatLineItem() override;

    void layoutContent() override;
    String valueText() const override;
};

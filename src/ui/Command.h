#pragma once

#include "core/runtime/Object.h"
#include "core/runtime/String.h"

#include <cstdint>

// A soft-key command: the label shown on the soft key, a type that decides which
// soft key it takes and what the controller does with it, and a priority.
class Command : public Object {
public:
    // Types 2, 3 and 7 go to the right soft key, every other type to the left one.
    static constexpr int32_t TYPE_SCREEN = 1;
    static constexpr int32_t TYPE_BACK = 2;
    static constexpr int32_t TYPE_CANCEL = 3;
    static constexpr int32_t TYPE_OK = 4;
    static constexpr int32_t TYPE_STOP = 7;
    static constexpr int32_t TYPE_ITEM = 8;

    Command(const String& label, int32_t type, int32_t priority);

    const String& getLabel() const { return label; }
    int32_t getCommandType() const { return type; }
    int32_t getPriority() const { return priority; }
    bool goesRight() const { return type == TYPE_BACK || type == TYPE_CANCEL || type == TYPE_STOP; }

private:
    String label;
    int32_t type;
    int32_t priority;
};

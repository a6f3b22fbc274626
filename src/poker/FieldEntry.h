#pragma once

#include "core/runtime/Object.h"
#include "core/runtime/String.h"

#include <cstdint>

// One tournament entrant; the entrant number is its index in the field.
class FieldEntry : public Object {
public:
    String name;
    int32_t startChips = 0; // chips at the start of the current hand
    int32_t chips = 0;
    bool active = false;
    uint16_t place = 1; // rank by chips while active (ties share), finishing place once out
    int8_t table = -1;
    uint16_t id = 0;
    int8_t avatar = 0; // 7 = the star opponent
};

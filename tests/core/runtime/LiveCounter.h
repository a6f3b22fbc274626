#pragma once

#include "core/runtime/Object.h"

// An object that counts its live instances, so tests can prove that every owner
// let go exactly once.
class LiveCounter : public Object {
public:
    LiveCounter() { ++live; }
    ~LiveCounter() override
    {
        --live;
        ++destroyed;
    }
    static inline int live = 0;
    static inline int destroyed = 0;
};

class DerivedCounter : public LiveCounter {
public:
    int payload = 7;
};

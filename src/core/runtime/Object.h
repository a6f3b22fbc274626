#pragma once

// Root of every heap object the game hands around through SharedPointer.
// The only thing it promises is destruction through the virtual destructor.
class Object {
public:
    virtual ~Object() = default;
};

#pragma once

#include "core/runtime/Object.h"

#include <cstdint>

// One open file of the host's file layer. A handle opened for reading reads the
// existing file; a handle opened for replacing builds a new file beside the old one,
// which stays untouched until replace() puts the new one in its place.
class FileHandle : public Object {
public:
    ~FileHandle() override = default;

    // Bytes in a file opened for reading; -1 when unknown.
    virtual int64_t size() = 0;
    // Up to n bytes; -1 on a read error, 0 at the end.
    virtual int32_t read(uint8_t* into, int32_t n) = 0;

    // Appends to the replacement; false when not all n bytes reached it.
    virtual bool write(const uint8_t* from, int32_t n) = 0;
    // Forces the written bytes onto the medium.
    virtual bool sync() = 0;
    // Atomically puts the replacement in place of the file.
    virtual bool replace() = 0;

    // Releases the handle; a replacement not yet put in place is thrown away.
    virtual void close() = 0;
};

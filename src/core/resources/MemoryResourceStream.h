#pragma once

#include "ByteSpanStream.h"

// A stream over bytes already in memory (a PNG read from disk by kmtool, test data,
// fuzz input). open() ignores the id and attaches to the block given at construction;
// the block must outlive the stream.
class MemoryResourceStream : public ByteSpanStream {
public:
    MemoryResourceStream(const uint8_t* data, int32_t length);

    bool open(int32_t id) override;

private:
    const uint8_t* block;
    int32_t blockSize;
};

#pragma once

#include "BaseResourceStream.h"

// The shared reading part of the streams over a block of bytes they do not own.
// Subclasses decide what open() attaches to.
class ByteSpanStream : public BaseResourceStream {
public:
    bool isOpen() const override { return bytes != nullptr; }
    void close() override { bytes = nullptr; }
    int32_t getSize() const override { return size; }
    bool seek(int32_t offset, int32_t whence) override;
    int32_t read(void* destination, int32_t count) override;
    bool readUInt8(uint8_t* destination) override;
    bool readUInt16(uint16_t* destination) override;
    bool readUInt32(uint32_t* destination) override;

    int32_t getPosition() const { return position; }

protected:
    void attach(const uint8_t* data, int32_t length);

    int32_t position = 0;
    const uint8_t* bytes = nullptr;
    int32_t size = 0;
};

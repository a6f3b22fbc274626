#pragma once

#include "core/io/InputStream.h"
#include "core/runtime/String.h"

// Reads what DataOutputStream wrote. Integer reads past the end give 0 (booleans
// give true), as the saved formats expect; truncated() tells a record reader
// afterwards whether any read ran out of data. The source is borrowed.
class DataInputStream : public InputStream {
public:
    explicit DataInputStream(InputStream* source);

    int32_t available() override;
    void close() override;
    void mark(int32_t readLimit) override;
    bool markSupported() override;
    using InputStream::read;
    int32_t read(const ByteArray& array, int32_t offset, int32_t length) override;
    int32_t read() override;
    void reset() override;
    int64_t skip(int64_t n) override;

    bool readBoolean();
    int32_t readByte();         // -128..127
    int32_t readUnsignedByte(); // 0..255
    int32_t readShort();        // -32768..32767
    int32_t readUnsignedShort();
    int32_t readInt();
    // Stops silently when the data ends before length bytes.
    void readFully(const ByteArray& array, int32_t offset, int32_t length);
    // The empty string for malformed modified UTF-8, and for text cut short by the
    // end of the data.
    String readUTF();

    // Sticky: some read since construction found the end of the data.
    bool truncated() const { return ranOut; }

private:
    int32_t nextByte();

    InputStream* in;
    bool ranOut = false;
};

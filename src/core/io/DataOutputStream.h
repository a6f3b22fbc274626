#pragma once

#include "core/io/OutputStream.h"
#include "core/runtime/String.h"

// Writes the primitive encodings of every saved record: integers most significant
// byte first, booleans as one byte 0 or 1, text as modified UTF-8 after a 16-bit
// length. The target stream is borrowed and must outlive this one.
class DataOutputStream : public OutputStream {
public:
    // Longest encoded text writeUTF accepts, in bytes: the length field is 16 bits.
    static constexpr int32_t MAX_UTF_BYTES = 65535;

    explicit DataOutputStream(OutputStream* target);

    void flush() override;
    using OutputStream::write;
    void write(int32_t byte) override;
    void write(const ByteArray& array, int32_t offset, int32_t length) override;

    void writeBoolean(bool value);
    void writeByte(int32_t value);
    void writeShort(int32_t value);
    void writeInt(int32_t value);
    // Writes nothing and returns false when the text encodes to more than 65535 bytes.
    bool writeUTF(const String& text);

    // Encoded length of the text in modified UTF-8, without the length field.
    static int64_t utfLength(const String& text);

private:
    OutputStream* out;
};

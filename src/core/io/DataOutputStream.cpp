#include "core/io/DataOutputStream.h"

DataOutputStream::DataOutputStream(OutputStream* target)
    : out(target)
{
}

void DataOutputStream::flush()
{
    out->flush();
}

void DataOutputStream::write(int32_t byte)
{
    out->write(byte);
}

void DataOutputStream::write(const ByteArray& array, int32_t offset, int32_t length)
{
    out->write(array, offset, length);
}

void DataOutputStream::writeBoolean(bool value)
{
    out->write(value ? 1 : 0);
}

void DataOutputStream::writeByte(int32_t value)
{
    out->write(value & 0xFF);
}

void DataOutputStream::writeShort(int32_t value)
{
    out->write((value >> 8) & 0xFF);
    out->write(value & 0xFF);
}

void DataOutputStream::writeInt(int32_t value)
{
    uint32_t bits = static_cast<uint32_t>(value);
    out->write(int32_t(bits >> 24));
    out->write(int32_t((bits >> 16) & 0xFF));
    out->write(int32_t((bits >> 8) & 0xFF));
    out->write(int32_t(bits & 0xFF));
}

int64_t DataOutputStream::utfLength(const String& text)
{
    int64_t length = 0;
    for (int32_t i = 0; i < text.length(); ++i) {
        char16_t c = text.charAt(i);
        if (c >= 1 && c <= 127)
            length += 1;
        else if (c <= 2047) // includes 0, which takes two bytes so that no 0 byte appears
            length += 2;
        else
            length += 3;
    }
    return length;
}

bool DataOutputStream::writeUTF(const String& text)
{
    int64_t length = utfLength(text);
    if (length > MAX_UTF_BYTES)
        return false;
    ByteArray block;
    if (!block.allocate(int32_t(length) + 2))
        return false;
    int32_t at = 0;
    block[at++] = static_cast<uint8_t>(length >> 8);
    block[at++] = static_cast<uint8_t>(length);
    for (int32_t i = 0; i < text.length(); ++i) {
        char16_t c = text.charAt(i);
        if (c >= 1 && c <= 127) {
            block[at++] = static_cast<uint8_t>(c);
        } else if (c <= 2047) {
            block[at++] = static_cast<uint8_t>(0xC0 | ((c >> 6) & 0x1F));
            block[at++] = static_cast<uint8_t>(0x80 | (c & 0x3F));
        } else {
            block[at++] = static_cast<uint8_t>(0xE0 | (c >> 12));
            block[at++] = static_cast<uint8_t>(0x80 | ((c >> 6) & 0x3F));
            block[at++] = static_cast<uint8_t>(0x80 | (c & 0x3F));
        }
    }
    out->write(block);
    return true;
}

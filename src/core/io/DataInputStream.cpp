#include "core/io/DataInputStream.h"

#include "core/runtime/StringBuffer.h"

DataInputStream::DataInputStream(InputStream* source)
    : in(source)
{
}

int32_t DataInputStream::available()
{
    return in->available();
}

void DataInputStream::close()
{
    in->close();
}

void DataInputStream::mark(int32_t readLimit)
{
    in->mark(readLimit);
}

bool DataInputStream::markSupported()
{
    return in->markSupported();
}

int32_t DataInputStream::read(const ByteArray& array, int32_t offset, int32_t length)
{
    return in->read(array, offset, length);
}

int32_t DataInputStream::read()
{
    return in->read();
}

void DataInputStream::reset()
{
    in->reset();
}

int64_t DataInputStream::skip(int64_t n)
{
    return in->skip(n);
}

int32_t DataInputStream::nextByte()
{
    int32_t byte = in->read();
    if (byte < 0)
        ranOut = true;
    return byte;
}

bool DataInputStream::readBoolean()
{
    return nextByte() != 0;
}

int32_t DataInputStream::readByte()
{
    return static_cast<int8_t>(nextByte());
}

int32_t DataInputStream::readUnsignedByte()
{
    int32_t byte = nextByte();
    return byte < 0 ? 0 : byte;
}

int32_t DataInputStream::readShort()
{
    int32_t high = nextByte();
    int32_t low = nextByte();
    if (high < 0 || low < 0)
        return 0;
    return static_cast<int16_t>((high << 8) | low);
}

int32_t DataInputStream::readUnsignedShort()
{
    int32_t high = nextByte();
    int32_t low = nextByte();
    if (high < 0 || low < 0)
        return 0;
    return (high << 8) | low;
}

int32_t DataInputStream::readInt()
{
    uint32_t value = 0;
    bool complete = true;
    for (int i = 0; i < 4; ++i) {
        int32_t byte = nextByte();
        if (byte < 0)
            complete = false;
        value = (value << 8) | uint32_t(byte & 0xFF);
    }
    return complete ? static_cast<int32_t>(value) : 0;
}

void DataInputStream::readFully(const ByteArray& array, int32_t offset, int32_t length)
{
    int32_t stored = 0;
    while (stored < length) {
        int32_t got = in->read(array, offset + stored, length - stored);
        if (got < 0) {
            ranOut = true;
            return;
        }
        stored += got;
    }
}

String DataInputStream::readUTF()
{
    int32_t length = readUnsignedShort();
    ByteArray bytes;
    if (!bytes.allocate(length))
        return String();
    readFully(bytes, 0, length);
    // Text cut off by the end of the data is not decoded: the record it belongs to
    // is incomplete, which truncated() now reports.
    if (ranOut)
        return String();
    StringBuffer text(length);
    int32_t i = 0;
    while (i < length) {
        uint8_t lead = bytes[i];
        switch (lead >> 4) {
        case 0: case 1: case 2: case 3: case 4: case 5: case 6: case 7:
            text.append(char16_t(lead));
            i += 1;
            break;
        case 12: case 13: {
            if (i + 1 >= length)
                return String();
            uint8_t next = bytes[i + 1];
            if ((next & 0xC0) != 0x80)
                return String();
            text.append(char16_t(((lead & 0x1F) << 6) | (next & 0x3F)));
            i += 2;
            break;
        }
        case 14: {
            if (i + 2 >= length)
                return String();
            uint8_t second = bytes[i + 1];
            uint8_t third = bytes[i + 2];
            if ((second & 0xC0) != 0x80 || (third & 0xC0) != 0x80)
                return String();
            text.append(char16_t(((lead & 0x0F) << 12) | ((second & 0x3F) << 6) | (third & 0x3F)));
            i += 3;
            break;
        }
        default: // 8..11 are continuation bytes, 15 starts no sequence of modified UTF-8
            return String();
        }
    }
    return text.toString();
}

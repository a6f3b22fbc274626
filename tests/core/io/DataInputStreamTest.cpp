#include "core/io/DataInputStream.h"

#include "core/io/StreamBytes.h"

#include <gtest/gtest.h>

namespace {

// Keeps the source alive beside the data stream that borrows it.
struct Reader {
    explicit Reader(const std::vector<uint8_t>& bytes)
        : source(arrayOf(bytes))
        , in(&source)
    {
    }
    ByteArrayInputStream source;
    DataInputStream in;
};

std::u16string unitsOf(const String& text)
{
    return std::u16string(text.getChars() ? text.getChars() : u"", size_t(text.length()));
}

} // namespace

TEST(DataInputStreamTest, ReadsSignedAndUnsignedValues)
{
    Reader r({ 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFE, 0xFF, 0xFE, 0x80, 0x80, 2 });
    EXPECT_EQ(r.in.readInt(), -2);
    EXPECT_EQ(r.in.readShort(), -2);
    EXPECT_EQ(r.in.readUnsignedShort(), 65534);
    EXPECT_EQ(r.in.readByte(), -128);
    EXPECT_EQ(r.in.readUnsignedByte(), 128);
    EXPECT_TRUE(r.in.readBoolean()); // any byte but 0 is true
    EXPECT_FALSE(r.in.truncated());
}

TEST(DataInputStreamTest, ReadsPastTheEndGiveZeroAndMarkTheStreamTruncated)
{
    Reader r({ 1, 2, 3 });
    EXPECT_EQ(r.in.readInt(), 0);
    EXPECT_TRUE(r.in.truncated());

    Reader one({ 7 });
    EXPECT_EQ(one.in.readShort(), 0);
    Reader empty({});
    EXPECT_TRUE(empty.in.readBoolean()); // the -1 of the end is not 0
    EXPECT_EQ(empty.in.readUnsignedByte(), 0);
    EXPECT_EQ(empty.in.readByte(), -1);
    EXPECT_TRUE(empty.in.truncated());
}

TEST(DataInputStreamTest, MalformedUtfGivesTheEmptyString)
{
    // Continuation byte as lead, 0xF0 lead, missing continuation, bad continuation,
    // and sequences running past the declared length.
    const std::vector<std::vector<uint8_t>> malformed = {
        { 0, 1, 0x80 },
        { 0, 2, 'a', 0xBF },
        { 0, 1, 0xF0 },
        { 0, 1, 0xC3 },
        { 0, 2, 0xC3, 0x41 },
        { 0, 2, 0xE2, 0x82 },
        { 0, 3, 0xE2, 0x82, 0x2C },
        { 0, 3, 'a', 'b', 0xE2, 0x82, 0xAC },
    };
    for (const auto& bytes : malformed) {
        Reader r(bytes);
        EXPECT_EQ(r.in.readUTF().length(), 0) << int(bytes[2]);
    }
}

TEST(DataInputStreamTest, ReadUtfDecodesAndTruncatedTextIsFlagged)
{
    Reader r({ 0, 6, 'h', 0xC3, 0xA9, 0xE2, 0x82, 0xAC, 0, 2, 0xC0, 0x80 });
    EXPECT_EQ(unitsOf(r.in.readUTF()), std::u16string(u"h\u00E9\u20AC"));
    EXPECT_EQ(unitsOf(r.in.readUTF()), std::u16string(1, u'\0'));
    EXPECT_FALSE(r.in.truncated());

    // The length promises 200 bytes but 2 arrive: the reader must not trust the text.
    Reader cut({ 0, 200, 'o', 'k' });
    EXPECT_EQ(cut.in.readUTF().length(), 0);
    EXPECT_TRUE(cut.in.truncated());
}

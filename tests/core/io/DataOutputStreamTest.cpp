#include "core/io/DataOutputStream.h"

#include "core/io/ByteArrayOutputStream.h"
#include "core/io/DataInputStream.h"
#include "core/io/StreamBytes.h"

#include <gtest/gtest.h>

TEST(DataOutputStreamTest, BigEndianValuesAndModifiedUtf8WithA16BitLength)
{
    ByteArrayOutputStream bytes;
    DataOutputStream out(&bytes);
    out.writeInt(-2);
    out.writeInt(0x01020304);
    out.writeShort(0x1FFFE); // the low 16 bits
    out.writeByte(200 - 256 * 3);
    out.writeBoolean(true);
    out.writeBoolean(false);
    out.writeUTF(String(""));
    out.writeUTF(String::fromUnits(u"\0", 1));
    out.writeUTF(String(u"\u20AC"));
    out.writeUTF(String(u"A\u00E9\u07FF"));
    // The numbers, then "", \0, the euro sign and the last.
    EXPECT_EQ(bytesOf(bytes.toByteArray()),
              (std::vector<uint8_t> { 0xFF, 0xFF, 0xFF, 0xFE, 1, 2, 3, 4, 0xFF, 0xFE, 200, 1, 0,
                                      0, 0, 0, 2, 0xC0, 0x80, 0, 3, 0xE2, 0x82, 0xAC,
                                      0, 5, 'A', 0xC3, 0xA9, 0xDF, 0xBF }));
}

TEST(DataOutputStreamTest, OverlongTextWritesNothingAndSaysSo)
{
    // 21846 units of 3 bytes = 65538 bytes, two past the 16-bit length.
    std::u16string units(21846, u'\u4E2D');
    ByteArrayOutputStream bytes;
    DataOutputStream out(&bytes);
    EXPECT_FALSE(out.writeUTF(String::fromUnits(units.data(), int32_t(units.size()))));
    EXPECT_EQ(bytes.size(), 0);
    // Exactly 65535 bytes still fits.
    std::u16string fits(21845, u'\u4E2D');
    EXPECT_TRUE(out.writeUTF(String::fromUnits(fits.data(), int32_t(fits.size()))));
    EXPECT_EQ(bytes.size(), 65537);
}

TEST(DataOutputStreamTest, EveryUnitRoundTripsThroughReadUtf)
{
    std::u16string all;
    for (uint32_t unit = 0; unit <= 0xFFFF; unit += 7)
        all.push_back(char16_t(unit));
    String text = String::fromUnits(all.data(), int32_t(all.size()));
    ByteArrayOutputStream bytes;
    DataOutputStream out(&bytes);
    ASSERT_TRUE(out.writeUTF(text));
    ByteArrayInputStream source(bytes.toByteArray());
    DataInputStream in(&source);
    String back = in.readUTF();
    ASSERT_EQ(back.length(), text.length());
    for (int32_t i = 0; i < text.length(); ++i)
        ASSERT_EQ(back.charAt(i), text.charAt(i)) << i;
    EXPECT_FALSE(in.truncated());
}

#include "core/resources/ResourceStream.h"

#include "core/resources/ResourcePack.h"

#include <gtest/gtest.h>

namespace {

class ResourceStreamTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(openResourcePack(KM_READER_PACK)); }
    void TearDown() override { closeResourcePack(); }
    ResourceStream stream;
};

} // namespace

TEST_F(ResourceStreamTest, SeekCodesAndEndOfData)
{
    ASSERT_TRUE(stream.open(5003)); // 17 bytes
    EXPECT_EQ(stream.getSize(), 17);
    EXPECT_FALSE(stream.seek(5, 3));
    EXPECT_EQ(stream.getPosition(), 0);
    EXPECT_TRUE(stream.seek(-4, BaseResourceStream::SEEK_FROM_END));
    EXPECT_EQ(stream.getPosition(), 13);
    EXPECT_TRUE(stream.seek(1, BaseResourceStream::SEEK_FROM_CURRENT));
    EXPECT_EQ(stream.getPosition(), 14);

    uint8_t buffer[10];
    EXPECT_EQ(stream.read(buffer, 10), 3);
    EXPECT_EQ(stream.read(buffer, 10), 0);
    uint32_t word = 0;
    EXPECT_TRUE(stream.readUInt32(&word)); // a short read still reports true
    EXPECT_TRUE(stream.seek(2, BaseResourceStream::SEEK_FROM_START));
    EXPECT_EQ(stream.getPosition(), 2);
}

TEST_F(ResourceStreamTest, ReadsTheEntryInStoredOrderAndNothingOutOfRange)
{
    ASSERT_TRUE(stream.open(1002)); // three bytes
    uint8_t first = 0;
    uint16_t rest = 0;
    ASSERT_TRUE(stream.readUInt8(&first));
    ASSERT_TRUE(stream.readUInt16(&rest));
    const ResourcePack::Entry* entry = currentResourcePack()->rawData(1002);
    EXPECT_EQ(first, entry->data[0]);
    EXPECT_EQ(rest, uint16_t(entry->data[1] | entry->data[2] << 8)); // little-endian host
    uint8_t buffer[4] = {};
    EXPECT_TRUE(stream.seek(-10, BaseResourceStream::SEEK_FROM_CURRENT));
    EXPECT_EQ(stream.read(buffer, 4), 0);
    EXPECT_TRUE(stream.seek(100, BaseResourceStream::SEEK_FROM_START));
    EXPECT_EQ(stream.read(buffer, 4), 0);
    // A position that would leave 32 bits is refused and changes nothing.
    EXPECT_TRUE(stream.seek(0x7FFFFFF0, BaseResourceStream::SEEK_FROM_START));
    EXPECT_FALSE(stream.seek(0x20, BaseResourceStream::SEEK_FROM_CURRENT));
    EXPECT_EQ(stream.getPosition(), 0x7FFFFFF0);
}

TEST_F(ResourceStreamTest, ClosedAndMissing)
{
    uint8_t buffer[4];
    EXPECT_EQ(stream.read(buffer, 4), -1);
    uint8_t byte;
    EXPECT_FALSE(stream.readUInt8(&byte));
    EXPECT_FALSE(stream.open(4242));
    EXPECT_FALSE(stream.isOpen());
    // Only the low 16 bits of the id count.
    EXPECT_TRUE(stream.open(0x10000 + 1001));
    EXPECT_EQ(stream.getSize(), 1);
    stream.close();
    EXPECT_FALSE(stream.isOpen());
    EXPECT_EQ(stream.read(buffer, 1), -1);
    closeResourcePack();
    EXPECT_FALSE(stream.open(1001));
}

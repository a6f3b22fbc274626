#include "core/resources/Base2DImage.h"

#include "core/resources/MemoryResourceStream.h"
#include "core/resources/ResourcePack.h"
#include "core/resources/ResourceStream.h"

#include <gtest/gtest.h>

namespace {

uint8_t* bytes(std::initializer_list<uint8_t> values)
{
    uint8_t* block = new uint8_t[values.size()];
    std::copy(values.begin(), values.end(), block);
    return block;
}

class Base2DImageTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(openResourcePack(KM_READER_PACK)); }
    void TearDown() override { closeResourcePack(); }
};

} // namespace

// A missing entry and an entry that is no PNG: both reported, the stream closed again.
TEST_F(Base2DImageTest, UnloadableResourcesAreReportedAndLeaveTheStreamClosed)
{
    const std::pair<int32_t, const char*> cases[] = {
        { 4242, "[Base2DImage] Error opening resource 4242\n" },
        { 5003, "[ImagePNG] Bad PNG signature\n[Base2DImage] Failed to load resource 5003\n" },
    };
    for (const auto& [id, message] : cases) {
        ResourceStream stream;
        testing::internal::CaptureStdout();
        SharedPointer<Base2DImage> image = Base2DImage::createImage(&stream, id);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), message);
        EXPECT_EQ(image, nullptr) << id;
        EXPECT_FALSE(stream.isOpen()) << id;
    }
}

TEST(Base2DImageCopyTest, CopyIsDeepAndKeepsAbsentTablesAbsent)
{
    Base2DImage source(2, 1, bytes({0, 1}), Base2DImage::COLOR_TYPE_INDEXED, bytes({1, 2, 3, 4, 5, 6}), 2, nullptr,
                       0);
    Base2DImage copy(source);
    EXPECT_EQ(copy.transparency, nullptr);
    EXPECT_EQ(copy.transparencyCount, 0);
    ASSERT_NE(copy.palette, source.palette);
    ASSERT_NE(copy.pixels, source.pixels);
    copy.palette[0] = 99;
    copy.pixels[1] = 0;
    EXPECT_EQ(source.palette[0], 1);
    EXPECT_EQ(source.pixels[1], 1);
    EXPECT_EQ(copy.palette[5], 6);

    Base2DImage withAlpha(1, 1, bytes({0}), Base2DImage::COLOR_TYPE_INDEXED, nullptr, 0, bytes({0, 255}), 2);
    Base2DImage alphaCopy(withAlpha);
    ASSERT_NE(alphaCopy.transparency, withAlpha.transparency);
    EXPECT_EQ(alphaCopy.transparencyCount, 2);
    EXPECT_EQ(alphaCopy.transparency[1], 255);
    EXPECT_EQ(alphaCopy.palette, nullptr);
}

TEST(Base2DImageCopyTest, PaletteEntriesCompareAsBlueGreenRed)
{
    Base2DImage image(1, 1, bytes({0}), Base2DImage::COLOR_TYPE_INDEXED, bytes({0x33, 0x22, 0x11, 0, 0, 0}), 2,
                      nullptr, 0);
    EXPECT_TRUE(image.paletteEntryEquals(0, 0x112233));
    EXPECT_FALSE(image.paletteEntryEquals(0, 0x332211));
    EXPECT_TRUE(image.paletteEntryEquals(1, 0));
    EXPECT_FALSE(image.paletteEntryEquals(2, 0)); // past the palette
}

TEST(Base2DImageCopyTest, GuardedCopyRefusesNullAndEmpty)
{
    uint8_t target[2] = {7, 7};
    const uint8_t source[2] = {1, 2};
    testing::internal::CaptureStdout();
    Base2DImage::guardedCopy(nullptr, source, 2, 11);
    Base2DImage::guardedCopy(target, nullptr, 2, 12);
    Base2DImage::guardedCopy(target, source, 0, 13);
    Base2DImage::guardedCopy(target, source, 2, 14);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Trying to write to NULL <..\\..\\..\\src\\core\\lcdui\\2d\\Base2DImage> [11]\n"
              "Trying to write from NULL <..\\..\\..\\src\\core\\lcdui\\2d\\Base2DImage> [12]\n"
              "Trying to write 0 bytes <..\\..\\..\\src\\core\\lcdui\\2d\\Base2DImage> [13]\n");
    EXPECT_EQ(target[1], 2);
}

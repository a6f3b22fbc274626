#include "core/io/DataFile.h"

#include "core/io/TempDirectory.h"
#include "host/posix/PosixFileSystem.h"

#include <gtest/gtest.h>

namespace {

class DataFileTest : public ::testing::Test {
protected:
    TempDirectory dir;
    PosixFileSystem files { dir.path };
};

} // namespace

TEST_F(DataFileTest, ReadsTheWholeFileAndRefusesShortReads)
{
    dir.write("f", { 1, 2, 3, 4, 5 });
    DataFile file(&files);
    ASSERT_TRUE(file.open("f", DataFile::MODE_READ));
    EXPECT_EQ(file.size(), 5);
    uint8_t into[8] = {};
    EXPECT_EQ(file.read(into, 2), 2);
    EXPECT_EQ(file.read(into, 4), -1); // 3 left: nothing copied
    EXPECT_EQ(into[2], 0);
    EXPECT_EQ(file.read(into, 3), 3);
    EXPECT_EQ(into[0], 3);
    EXPECT_TRUE(file.close());
    EXPECT_EQ(file.size(), -1);
    EXPECT_FALSE(file.open("missing", DataFile::MODE_READ));
}

TEST_F(DataFileTest, SeekOriginsAndBounds)
{
    dir.write("f", { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9 });
    DataFile file(&files);
    ASSERT_TRUE(file.open("f", DataFile::MODE_READ));
    EXPECT_TRUE(file.seek(3, DataFile::SEEK_START));
    EXPECT_TRUE(file.seek(2, DataFile::SEEK_CURRENT));
    EXPECT_EQ(file.getPosition(), 5);
    EXPECT_TRUE(file.seek(1, DataFile::SEEK_FROM_END));
    EXPECT_EQ(file.getPosition(), 9);
    EXPECT_FALSE(file.seek(0, DataFile::SEEK_FROM_END));
    EXPECT_FALSE(file.seek(50, DataFile::SEEK_CURRENT)); // kept at the end
    EXPECT_EQ(file.getPosition(), 10);
    EXPECT_TRUE(file.seek(-50, DataFile::SEEK_CURRENT)); // kept at the start
    EXPECT_EQ(file.getPosition(), 0);
}

TEST_F(DataFileTest, WritesOverwriteThenAppendAndReachTheFileOnlyAtClose)
{
    dir.write("f", { 9, 9 });
    DataFile file(&files);
    ASSERT_TRUE(file.open("f", DataFile::MODE_CREATE | DataFile::MODE_WRITE));
    const uint8_t abc[] = { 'a', 'b', 'c' };
    EXPECT_TRUE(file.write(abc, 3));
    file.seek(1, DataFile::SEEK_START);
    EXPECT_TRUE(file.write(abc, 3));
    EXPECT_EQ(file.size(), 4);
    EXPECT_EQ(dir.read("f"), (std::vector<uint8_t> { 9, 9 })); // old file still whole
    EXPECT_TRUE(file.close());
    EXPECT_EQ(dir.read("f"), (std::vector<uint8_t> { 'a', 'a', 'b', 'c' }));

    // Read and write: the content is read first, and the whole of it written back.
    ASSERT_TRUE(file.open("f", DataFile::MODE_READ | DataFile::MODE_WRITE));
    EXPECT_EQ(file.size(), 4);
    file.seek(0, DataFile::SEEK_FROM_END);
    EXPECT_TRUE(file.write(abc, 1));
    EXPECT_TRUE(file.close());
    EXPECT_EQ(dir.read("f"), (std::vector<uint8_t> { 'a', 'a', 'b', 'c', 'a' }));
    EXPECT_FALSE(file.open("absent", DataFile::MODE_WRITE)); // must exist without MODE_CREATE
}

TEST_F(DataFileTest, DestructionWithoutCloseLeavesTheOldFile)
{
    dir.write("f", { 1 });
    {
        DataFile file(&files);
        ASSERT_TRUE(file.open("f", DataFile::MODE_CREATE | DataFile::MODE_WRITE));
        const uint8_t two = 2;
        file.write(&two, 1);
        file.flush();
    }
    EXPECT_EQ(dir.read("f"), (std::vector<uint8_t> { 1 }));
    EXPECT_EQ(dir.entries(), (std::vector<std::string> { "f" }));
}

TEST_F(DataFileTest, OversizedFilesAreRefusedBeforeReading)
{
    // A sparse file larger than any store: refused by its size alone.
    std::string path = dir.file("huge");
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(std::fseek(f, long(DataFile::MAX_FILE_BYTES), SEEK_SET), 0);
    std::fputc(1, f);
    std::fclose(f);
    DataFile file(&files);
    EXPECT_FALSE(file.open("huge", DataFile::MODE_READ));
}

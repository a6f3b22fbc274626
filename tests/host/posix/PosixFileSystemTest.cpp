#include "host/posix/PosixFileSystem.h"

#include "core/io/TempDirectory.h"

#include <gtest/gtest.h>

TEST(PosixFileSystemTest, ReplacementAppearsOnlyWhenPutInPlaceAndAbandonedLeavesNoTrace)
{
    TempDirectory dir;
    PosixFileSystem files(dir.path);
    dir.write("store", { 1, 2 });
    SharedPointer<FileHandle> writer = files.openForReplace("store");
    ASSERT_NE(writer, nullptr);
    const uint8_t bytes[] = { 7, 8, 9 };
    ASSERT_TRUE(writer->write(bytes, 3));
    ASSERT_TRUE(writer->sync());
    EXPECT_EQ(dir.read("store"), (std::vector<uint8_t> { 1, 2 }));
    EXPECT_EQ(dir.entries().size(), 2u); // the hidden temporary beside it
    ASSERT_TRUE(writer->replace());
    writer->close();
    EXPECT_EQ(dir.read("store"), (std::vector<uint8_t> { 7, 8, 9 }));
    EXPECT_EQ(dir.entries(), (std::vector<std::string> { "store" }));
    // An abandoned replacement leaves no trace.
    writer = files.openForReplace("new");
    writer->write(bytes, 1);
    writer->close();
    EXPECT_EQ(dir.entries(), (std::vector<std::string> { "store" }));
    EXPECT_FALSE(files.exists("new"));
}

TEST(PosixFileSystemTest, ReadsSizeAndRefusesDirectoriesAndPaths)
{
    TempDirectory dir;
    PosixFileSystem files(dir.path);
    dir.write("f", { 4, 5, 6 });
    SharedPointer<FileHandle> reader = files.openForRead("f");
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->size(), 3);
    uint8_t into[4] = {};
    EXPECT_EQ(reader->read(into, 4), 3);
    EXPECT_EQ(into[2], 6);
    EXPECT_FALSE(reader->write(into, 1)); // readers never write
    EXPECT_EQ(files.openForRead("missing"), nullptr);
    EXPECT_EQ(files.openForRead("."), nullptr);
    EXPECT_EQ(files.openForRead("../f"), nullptr);
    EXPECT_EQ(files.openForReplace(""), nullptr);
    EXPECT_TRUE(files.remove("f"));
    EXPECT_FALSE(files.remove("f"));
}

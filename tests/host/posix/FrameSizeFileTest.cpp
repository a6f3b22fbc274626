#include "host/posix/FrameSizeFile.h"

#include "core/io/TempDirectory.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

namespace {

bool exists(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

} // namespace

TEST(FrameSizeFileTest, RemembersTheLastChoiceForTheNextStartAndRefusesAnythingElse)
{
    TempDirectory dir;
    const std::string path = dir.path + "/" + FrameSizeFile::FILE_NAME;
    int32_t width = 1, height = 2;
    EXPECT_FALSE(FrameSizeFile(dir.path).recall(width, height)) << "nothing picked yet";

    FrameSizeFile(dir.path).remember(176, 220);
    FrameSizeFile(dir.path).remember(480, 640);
    ASSERT_TRUE(FrameSizeFile(dir.path).recall(width, height));
    EXPECT_EQ(width, 480);
    EXPECT_EQ(height, 640);
    EXPECT_FALSE(exists(path + ".new")) << "the new file replaced the old one";

    // A file edited by hand to a size without layouts, or to anything else, counts as none.
    for (const char* text : {"500x500\n", "480x640x2\n", "", "tall\n"}) {
        std::ofstream(path, std::ios::trunc) << text;
        width = height = 0;
        EXPECT_FALSE(FrameSizeFile(dir.path).recall(width, height)) << text;
    }

    // A folder that is not there takes nothing and has nothing.
    FrameSizeFile missing(dir.path + "/gone");
    missing.remember(240, 320);
    EXPECT_FALSE(missing.recall(width, height));
}

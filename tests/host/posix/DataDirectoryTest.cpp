#include "host/posix/DataDirectory.h"

#include "ScopedEnv.h"
#include "core/io/TempDirectory.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

std::string resolve(std::vector<const char*> args, std::string& error)
{
    args.insert(args.begin(), "prog");
    return DataDirectory::resolve(int(args.size()), const_cast<char**>(args.data()), error);
}

} // namespace

TEST(DataDirectoryTest, FlagThenXdgThenHome)
{
    ScopedEnv xdg("XDG_DATA_HOME", "/x/data");
    ScopedEnv home("HOME", "/home/h");
    std::string error;
    EXPECT_EQ(resolve({ "--data-dir", "/tmp/d" }, error), "/tmp/d");
    EXPECT_EQ(resolve({ "--other", "--data-dir=rel/d" }, error), "rel/d");
    EXPECT_EQ(resolve({}, error), "/x/data/kestrelmoore");
    {
        ScopedEnv relative("XDG_DATA_HOME", "not/absolute");
        EXPECT_EQ(resolve({}, error), "/home/h/.local/share/kestrelmoore");
    }
    {
        ScopedEnv unset("XDG_DATA_HOME", nullptr);
        EXPECT_EQ(resolve({}, error), "/home/h/.local/share/kestrelmoore");
    }
}

TEST(DataDirectoryTest, MissingValuesAreErrors)
{
    std::string error;
    EXPECT_EQ(resolve({ "--data-dir" }, error), "");
    EXPECT_NE(error.find("--data-dir"), std::string::npos);
    error.clear();
    EXPECT_EQ(resolve({ "--data-dir=" }, error), "");
    EXPECT_FALSE(error.empty());
    ScopedEnv xdg("XDG_DATA_HOME", nullptr);
    ScopedEnv home("HOME", nullptr);
    error.clear();
    EXPECT_EQ(resolve({}, error), "");
    EXPECT_FALSE(error.empty());
}

TEST(DataDirectoryTest, CreateMakesMissingParentsAndRefusesFiles)
{
    TempDirectory dir;
    std::string error;
    std::string nested = dir.file("a/b/kestrelmoore");
    ASSERT_TRUE(DataDirectory::create(nested, error)) << error;
    struct stat info;
    ASSERT_EQ(stat(nested.c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_TRUE(DataDirectory::create(nested, error)); // already there
    dir.write("plain", { 1 });
    EXPECT_FALSE(DataDirectory::create(dir.file("plain"), error));
    EXPECT_FALSE(DataDirectory::create(dir.file("plain/sub"), error));
    EXPECT_FALSE(error.empty());
}

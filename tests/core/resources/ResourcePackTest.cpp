#include "core/resources/ResourcePack.h"

#include "PngTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <dirent.h>
#include <memory>
#include <unistd.h>

namespace {

std::string narrow(const String& text)
{
    std::string out;
    for (int32_t i = 0; i < text.length(); ++i)
        out += char(text.charAt(i));
    return out;
}

uint32_t le32(const std::vector<uint8_t>& b, size_t at)
{
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}

void put32(std::vector<uint8_t>& b, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = uint8_t(value >> (8 * i));
}

// File offset of the .rsrc section's raw data, found by name in the section table.
size_t resourceSectionOffset(const std::vector<uint8_t>& file)
{
    size_t pe = le32(file, 0x3C);
    size_t sections = (file[pe + 6] | file[pe + 7] << 8);
    size_t optionalSize = (file[pe + 20] | file[pe + 21] << 8);
    size_t table = pe + 24 + optionalSize;
    for (size_t i = 0; i < sections; ++i) {
        size_t at = table + i * 40;
        if (std::memcmp(&file[at], ".rsrc", 5) == 0)
            return le32(file, at + 20);
    }
    return 0;
}

std::unique_ptr<ResourcePack> packOf(const std::vector<uint8_t>& bytes)
{
    return std::unique_ptr<ResourcePack>(ResourcePack::fromBytes(bytes.data(), bytes.size()));
}

class ResourcePackTest : public testing::Test {
protected:
    void TearDown() override { closeResourcePack(); }
};

} // namespace

TEST_F(ResourcePackTest, TextsAcrossBlocksAndAbsentIds)
{
    ASSERT_TRUE(openResourcePack(KM_READER_PACK));
    EXPECT_EQ(narrow(getText(1)), "first of block 1");
    EXPECT_EQ(narrow(getText(15)), "last of block 1");
    EXPECT_EQ(narrow(getText(16)), "first of block 2");
    EXPECT_EQ(narrow(getText(2000)), "About");
    EXPECT_EQ(narrow(getText(2015)), "trailing space ");
    EXPECT_EQ(narrow(getText(2016)), "line one\nline two \"quoted\" back\\slash");
    EXPECT_EQ(narrow(getText(2143)), "upper end");
    EXPECT_EQ(narrow(getText(4000)), "far block");
    EXPECT_EQ(narrow(getText(65535)), "highest id");
    for (int32_t absent : {0, 2, 17, 2001, 2142, 4001, 65536, -1}) {
        String text = getText(absent);
        EXPECT_EQ(text.getChars(), nullptr) << absent;
        EXPECT_EQ(text.length(), 0) << absent;
    }
    EXPECT_EQ(currentResourcePack()->textCount(), 9);
    // Texts are views into the pack; a concatenation owns its copy.
    String first = getText(2000);
    EXPECT_EQ(first.getChars(), getText(2000).getChars());
    EXPECT_EQ(first.useCount(), 0);
    EXPECT_NE((first + "!").getChars(), first.getChars());
}

TEST_F(ResourcePackTest, RawEntriesHoldTheFilesByteForByte)
{
    ASSERT_TRUE(openResourcePack(KM_READER_PACK));
    const struct {
        int32_t id;
        const char* file;
    } expected[] = {{1001, "one.bin"}, {1002, "three.bin"}, {5003, "seventeen.bin"}, {65535, "big.bin"}};
    ResourcePack* pack = currentResourcePack();
    ASSERT_EQ(pack->rawEntries().size(), 4u);
    for (const auto& e : expected) {
        std::vector<uint8_t> bytes = readFileBytes(std::string(KM_RES_DATA "/raw/") + e.file);
        const ResourcePack::Entry* entry = pack->rawData(e.id);
        ASSERT_NE(entry, nullptr) << e.id;
        EXPECT_EQ(std::vector<uint8_t>(entry->data, entry->data + entry->size), bytes) << e.id;
    }
    EXPECT_EQ(pack->rawData(1003), nullptr);
}

TEST_F(ResourcePackTest, OpenTwiceKeepsTheFirstCloseOnlyOnceAndForeignFilesDoNotOpen)
{
    EXPECT_FALSE(closeResourcePack());
    ASSERT_TRUE(openResourcePack(KM_READER_PACK));
    ResourcePack* first = currentResourcePack();
    EXPECT_TRUE(openResourcePack("/nonexistent/other.dat"));
    EXPECT_EQ(currentResourcePack(), first);
    EXPECT_TRUE(closeResourcePack());
    EXPECT_FALSE(closeResourcePack());
    EXPECT_EQ(getText(2000).length(), 0);
    EXPECT_FALSE(openResourcePack("/nonexistent/Kestrelmoore_res.dat"));
    EXPECT_FALSE(openResourcePack(KM_RES_DATA "/png/skip_ancillary.png"));
    EXPECT_FALSE(openResourcePack(KM_RES_DATA "/malformed/empty.png"));
    EXPECT_FALSE(openResourcePack(nullptr));
    EXPECT_EQ(currentResourcePack(), nullptr);
}

TEST_F(ResourcePackTest, BareNameIsFoundInTheWorkingDirectory)
{
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    std::string pack = KM_READER_PACK;
    ASSERT_EQ(chdir(pack.substr(0, pack.rfind('/')).c_str()), 0);
    bool opened = openResourcePack("reader_test.dat");
    ASSERT_EQ(chdir(previous), 0);
    EXPECT_TRUE(opened);
}

TEST(ResourcePackMalformedTest, EveryTruncationStaysInsideTheFile)
{
    std::vector<uint8_t> file = readFileBytes(KM_READER_PACK);
    size_t rsrc = resourceSectionOffset(file);
    ASSERT_GT(rsrc, 0u);
    // Every length through the headers and the resource directory, then coarser.
    for (size_t length = 1; length < file.size(); length += (length < rsrc + 2048 ? 1 : 997)) {
        std::vector<uint8_t> cut(file.begin(), file.begin() + length);
        std::unique_ptr<ResourcePack> pack = packOf(cut);
        if (!pack)
            continue;
        // Touch the first and last byte of every entry: ASan checks they are inside.
        uint32_t sum = 0;
        for (const ResourcePack::Entry& entry : pack->rawEntries()) {
            if (entry.size > 0)
                sum += entry.data[0] + entry.data[entry.size - 1];
        }
        EXPECT_LE(sum, 255u * 2 * pack->rawEntries().size());
        for (int32_t id : {1, 15, 16, 2000, 2016, 2143, 4000, 65535})
            pack->text(id).length();
    }
}

TEST(ResourcePackMalformedTest, OversizedAndMisplacedDataEntriesAreLeftOut)
{
    std::vector<uint8_t> file = readFileBytes(KM_READER_PACK);
    std::unique_ptr<ResourcePack> original = packOf(file);
    ASSERT_NE(original, nullptr);
    size_t rsrc = resourceSectionOffset(file);
    // Find every 16-byte data entry by its RVA and size matching a raw entry.
    size_t forged = 0;
    for (const ResourcePack::Entry& entry : original->rawEntries()) {
        for (size_t at = rsrc; at + 16 <= file.size(); at += 4) {
            if (le32(file, at + 4) == entry.size && le32(file, at + 8) == 0 && le32(file, at + 12) == 0 &&
                le32(file, at) != 0 && entry.size > 0) {
                put32(file, at + 4, forged % 2 ? 0xFFFFFFF0u : uint32_t(file.size()));
                if (forged % 3 == 2)
                    put32(file, at, 0xFFFFFF00u); // RVA outside every section
                ++forged;
                break;
            }
        }
    }
    ASSERT_GT(forged, 0u);
    std::unique_ptr<ResourcePack> pack = packOf(file);
    ASSERT_NE(pack, nullptr);
    EXPECT_EQ(pack->rawEntries().size(), original->rawEntries().size() - forged);
    EXPECT_EQ(pack->textCount(), original->textCount());
}

TEST(ResourcePackMalformedTest, CommittedSamplesFailCleanly)
{
    DIR* dir = opendir(KM_RES_DATA "/malformed");
    ASSERT_NE(dir, nullptr);
    int samples = 0;
    while (dirent* item = readdir(dir)) {
        std::string name = item->d_name;
        if (name.size() < 4 || name.substr(name.size() - 4) != ".dat")
            continue;
        ++samples;
        std::vector<uint8_t> bytes = readFileBytes(std::string(KM_RES_DATA "/malformed/") + name);
        std::unique_ptr<ResourcePack> pack = packOf(bytes);
        if (name == "self_reference.dat") { // root entries pointing back at the root: the walk ends, empty
            EXPECT_TRUE(pack && pack->rawEntries().empty() && pack->textCount() == 0);
        }
        if (pack) {
            for (int32_t id = 0; id < 70000; id += 7)
                pack->text(id);
            EXPECT_LE(pack->rawEntries().size(), 4u) << name;
        }
    }
    closedir(dir);
    EXPECT_GE(samples, 3);
}

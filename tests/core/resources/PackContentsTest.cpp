// The game's own pack, as the build made it: compared entry by entry with what went
// into it (the texts file and the files packgen's script names), and checked for what
// the screens need from it.
#include "core/resources/ImagePNG.h"
#include "core/resources/ResourcePack.h"
#include "core/resources/TextList.h"

#include "PngTestSupport.h"
#include "TextsFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <set>

namespace {

std::string narrow(const String& text)
{
    std::string out;
    for (int32_t i = 0; i < text.length(); ++i)
        out += text.charAt(i) < 128 ? char(text.charAt(i)) : '?';
    return out;
}

// Ids the program never asks for.
const std::set<int> UNUSED = {2008, 2009, 2012, 2022, 2025, 2027, 2028, 2030, 2031, 2034,
                              2043, 2046, 2057, 2067, 2068, 2073, 2074, 2082, 2085, 2116,
                              2117, 2119, 2132, 2136, 2137, 2139, 2141};

class PackContentsTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(openResourcePack(KM_GAME_PACK)); }
    void TearDown() override { closeResourcePack(); }
};

} // namespace

TEST_F(PackContentsTest, HoldsExactlyTheTextsFileAndTheFilesOfTheScript)
{
    ResourcePack* pack = currentResourcePack();
    std::map<int, std::string> texts = TextsFile::load(KM_ASSETS "/texts.txt");
    EXPECT_EQ(pack->textCount(), int32_t(texts.size()));
    for (const auto& [id, text] : texts)
        EXPECT_EQ(narrow(getText(id)), text) << "text " << id;
    // The script names one file per raw entry: `ID RCDATA "path"`.
    std::ifstream script(KM_PACK_SCRIPT);
    ASSERT_TRUE(script) << KM_PACK_SCRIPT;
    size_t files = 0;
    for (std::string line; std::getline(script, line);) {
        int id = 0;
        char path[4096];
        if (std::sscanf(line.c_str(), "%d RCDATA \"%4095[^\"]\"", &id, path) != 2)
            continue;
        ++files;
        const ResourcePack::Entry* entry = pack->rawData(id);
        ASSERT_NE(entry, nullptr) << id;
        EXPECT_TRUE(std::vector<uint8_t>(entry->data, entry->data + entry->size) == readFileBytes(path))
            << "raw " << id << " differs from " << path;
    }
    EXPECT_GT(files, 0u);
    EXPECT_EQ(pack->rawEntries().size(), files);
}

// The texts file refuses anything but printable ASCII and line feeds.
TEST_F(PackContentsTest, EveryUsedTextIdHasWording)
{
    for (int id = 2000; id <= 2165; ++id)
        EXPECT_EQ(getText(id).length() == 0, UNUSED.count(id) == 1) << id;
}

TEST_F(PackContentsTest, GluedTextsCarryTheirOwnSpaces)
{
    // Followed directly by a number.
    for (int id : {2015, 2129, 2130})
        EXPECT_EQ(narrow(getText(id)).back(), ' ') << id;
    // Following a number, a name or another text directly.
    for (int id : {2099, 2140, 2005, 2130, 2004, 2001, 2006, 2125, 2039, 2087})
        EXPECT_EQ(narrow(getText(id)).front(), ' ') << id;
    // Option labels are followed by ": ".
    for (int id : {2122, 2072, 2121, 2138, 2123, 2075, 2144, 2148})
        EXPECT_NE(narrow(getText(id)).back(), ':') << id;
}

TEST_F(PackContentsTest, NameListsAreLargeEnoughAndDistinct)
{
    EXPECT_EQ(TextList::split(getText(2020)).size(), 10);
    for (int id = 2092; id <= 2096; ++id)
        EXPECT_GE(TextList::split(getText(id)).size(), 3) << id;
    for (int id : {2076, 2077, 2100, 2118}) {
        Vector<String> entries = TextList::split(getText(id));
        std::set<std::string> seen;
        for (int32_t i = 0; i < entries.size(); ++i)
            EXPECT_TRUE(seen.insert(narrow(entries[i])).second) << id << ": " << narrow(entries[i]);
        EXPECT_GE(entries.size(), 10) << id;
    }
    // A 250-player tournament draws 249 distinct names from first name x (ending or
    // a number 0..49); keep that space far larger so redraws stay rare.
    int32_t firstNames = TextList::split(getText(2076)).size();
    int32_t endings = TextList::split(getText(2077)).size();
    EXPECT_GE(firstNames * (endings + 50), 2000);
}

TEST_F(PackContentsTest, EveryImageDecodesLikeLibpng)
{
    int images = 0;
    for (const ResourcePack::Entry& entry : currentResourcePack()->rawEntries()) {
        if (entry.size < 8 || std::memcmp(entry.data, "\x89PNG", 4) != 0)
            continue;
        ++images;
        std::vector<uint8_t> png(entry.data, entry.data + entry.size);
        OraclePng expected = decodeWithLibpng(png);
        Decoded ours = decodeOurs(png);
        ASSERT_NE(ours.image, nullptr) << entry.id << ours.output;
        EXPECT_EQ(ours.output.find("[ImagePNG]"), std::string::npos) << entry.id << ours.output;
        EXPECT_EQ(ours.image->colorType, 3) << entry.id;
        EXPECT_EQ(std::vector<uint8_t>(ours.image->pixels, ours.image->pixels + expected.pixels.size()),
                  expected.pixels)
            << entry.id;
        if (ours.image->transparency) {
            for (int32_t i = 0; i < ours.image->transparencyCount; ++i) {
                uint8_t alpha = ours.image->transparency[i];
                EXPECT_TRUE(alpha == 0 || alpha == 255) << entry.id << " entry " << i;
            }
        }
    }
    EXPECT_GE(images, 1);
}

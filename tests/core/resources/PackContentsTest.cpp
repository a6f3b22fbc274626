// The game's own pack, as the build made it: compared entry by entry with windres's
// decompilation of the same file, and checked for what the screens need from it.
#include "core/resources/ImagePNG.h"
#include "core/resources/ResourcePack.h"
#include "core/resources/TextList.h"

#include "PngTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>

namespace {

std::string narrow(const String& text)
{
    std::string out;
    for (int32_t i = 0; i < text.length(); ++i)
        out += text.charAt(i) < 128 ? char(text.charAt(i)) : '?';
    return out;
}

struct Decompiled {
    std::map<int, std::string> texts;
    std::map<int, std::vector<uint8_t>> raw;
};

// Parses the parts of `windres FILE -O rc` output that the pack uses: STRINGTABLE
// lines `ID, "text"` and RCDATA blocks of numbers (16-bit words, or 32-bit with an
// L suffix, little-endian), narrow strings and L"..." wide strings.
class RcParser {
public:
    explicit RcParser(const std::string& text)
        : s(text)
    {
    }

    Decompiled parse()
    {
        Decompiled out;
        while (skipSpaceAndComments(), at < s.size()) {
            std::string word = token();
            if (word == "LANGUAGE") {
                at = s.find('\n', at);
                if (at == std::string::npos)
                    at = s.size();
            } else if (word == "STRINGTABLE") {
                expectWord("BEGIN");
                while (skipSpaceAndComments(), !startsWith("END")) {
                    int id = std::stoi(token());
                    skipSpaceAndComments();
                    if (s[at] == ',')
                        ++at;
                    skipSpaceAndComments();
                    std::vector<uint8_t> bytes = quoted(false);
                    out.texts[id] = std::string(bytes.begin(), bytes.end());
                }
                expectWord("END");
            } else if (!word.empty() && isdigit(static_cast<unsigned char>(word[0]))) {
                int id = std::stoi(word);
                expectWord("RCDATA");
                expectWord("BEGIN");
                std::vector<uint8_t>& bytes = out.raw[id];
                while (skipSpaceAndComments(), !startsWith("END")) {
                    if (s[at] == ',') {
                        ++at;
                    } else if (s[at] == '"') {
                        auto piece = quoted(false);
                        bytes.insert(bytes.end(), piece.begin(), piece.end());
                    } else if (s[at] == 'L' && s[at + 1] == '"') {
                        ++at;
                        auto piece = quoted(true);
                        bytes.insert(bytes.end(), piece.begin(), piece.end());
                    } else {
                        std::string number = token();
                        bool wide = !number.empty() && number.back() == 'L';
                        if (wide)
                            number.pop_back();
                        unsigned long value = std::stoul(number, nullptr, 0);
                        for (int i = 0; i < (wide ? 4 : 2); ++i)
                            bytes.push_back(uint8_t(value >> (8 * i)));
                    }
                }
                expectWord("END");
            }
            // LANGUAGE lines and other words are passed over.
        }
        return out;
    }

private:
    bool startsWith(const char* word) const { return s.compare(at, std::strlen(word), word) == 0; }

    void skipSpaceAndComments()
    {
        for (;;) {
            while (at < s.size() && isspace(static_cast<unsigned char>(s[at])))
                ++at;
            if (startsWith("/*")) {
                size_t end = s.find("*/", at + 2);
                at = end == std::string::npos ? s.size() : end + 2;
                continue;
            }
            return;
        }
    }

    std::string token()
    {
        skipSpaceAndComments();
        size_t start = at;
        while (at < s.size() && !isspace(static_cast<unsigned char>(s[at])) && s[at] != ',')
            ++at;
        return s.substr(start, at - start);
    }

    void expectWord(const char* word)
    {
        std::string got = token();
        if (got != word)
            throw std::runtime_error(std::string("expected ") + word + ", got " + got);
    }

    // A quoted string with C escapes and "" for a quote; wide strings give two bytes
    // per unit.
    std::vector<uint8_t> quoted(bool wide)
    {
        std::vector<uint8_t> out;
        auto put = [&](unsigned long unit) {
            out.push_back(uint8_t(unit));
            if (wide)
                out.push_back(uint8_t(unit >> 8));
        };
        ++at; // opening quote
        for (;;) {
            char c = s.at(at++);
            if (c == '"') {
                if (at < s.size() && s[at] == '"') {
                    ++at;
                    put('"');
                    continue;
                }
                return out;
            }
            if (c != '\\') {
                put(static_cast<unsigned char>(c));
                continue;
            }
            char e = s.at(at++);
            switch (e) {
            case 'n': put('\n'); break;
            case 'r': put('\r'); break;
            case 't': put('\t'); break;
            case 'a': put('\a'); break;
            case 'b': put('\b'); break;
            case 'f': put('\f'); break;
            case 'v': put('\v'); break;
            case 'x': {
                size_t start = at;
                while (at < s.size() && isxdigit(static_cast<unsigned char>(s[at])))
                    ++at;
                put(std::stoul(s.substr(start, at - start), nullptr, 16));
                break;
            }
            default:
                if (e >= '0' && e <= '7') {
                    size_t start = at - 1;
                    while (at < s.size() && at - start < 3 && s[at] >= '0' && s[at] <= '7')
                        ++at;
                    put(std::stoul(s.substr(start, at - start), nullptr, 8));
                } else {
                    put(static_cast<unsigned char>(e));
                }
            }
        }
    }

    const std::string& s;
    size_t at = 0;
};

std::string runCommand(const std::string& command)
{
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return out;
    char buffer[65536];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, n);
    pclose(pipe);
    return out;
}

// Ids the program never asks for.
const std::set<int> UNUSED = {2008, 2009, 2012, 2022, 2025, 2027, 2028, 2030, 2031, 2034,
                              2043, 2046, 2057, 2067, 2068, 2073, 2074, 2082, 2085, 2116,
                              2117, 2119, 2132, 2136, 2137, 2139, 2141, 2143};

class PackContentsTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(openResourcePack(KM_GAME_PACK)); }
    void TearDown() override { closeResourcePack(); }
};

} // namespace

TEST_F(PackContentsTest, AgreesWithWindresDecompilation)
{
    std::string rc = runCommand(std::string(KM_WINDRES) + " " + KM_GAME_PACK + " -O rc");
    ASSERT_FALSE(rc.empty());
    Decompiled expected = RcParser(rc).parse();
    ResourcePack* pack = currentResourcePack();
    EXPECT_EQ(pack->textCount(), int32_t(expected.texts.size()));
    for (const auto& [id, text] : expected.texts)
        EXPECT_EQ(narrow(getText(id)), text) << "text " << id;
    ASSERT_EQ(pack->rawEntries().size(), expected.raw.size());
    for (const auto& [id, bytes] : expected.raw) {
        const ResourcePack::Entry* entry = pack->rawData(id);
        ASSERT_NE(entry, nullptr) << id;
        EXPECT_EQ(std::vector<uint8_t>(entry->data, entry->data + entry->size), bytes) << "raw " << id;
    }
}

TEST_F(PackContentsTest, EveryUsedTextIdHasPlainAsciiWording)
{
    for (int id = 2000; id <= 2143; ++id) {
        String text = getText(id);
        if (UNUSED.count(id)) {
            EXPECT_EQ(text.length(), 0) << id;
            continue;
        }
        EXPECT_GT(text.length(), 0) << id;
        for (int32_t i = 0; i < text.length(); ++i) {
            char16_t c = text.charAt(i);
            EXPECT_TRUE(c == u'\n' || (c >= 0x20 && c <= 0x7E)) << "text " << id << " unit " << i;
        }
    }
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
    for (int id : {2122, 2072, 2121, 2138, 2123, 2075})
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

TEST_F(PackContentsTest, SoundClipsAreCompletePcmWaves)
{
    for (int id = 5002; id <= 5008; ++id) {
        const ResourcePack::Entry* entry = currentResourcePack()->rawData(id);
        ASSERT_NE(entry, nullptr) << id;
        ASSERT_GE(entry->size, 44u) << id;
        const uint8_t* w = entry->data;
        auto le16 = [&](size_t at) { return uint32_t(w[at] | w[at + 1] << 8); };
        auto le32 = [&](size_t at) { return le16(at) | le16(at + 2) << 16; };
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(w), 4), "RIFF");
        EXPECT_EQ(le32(4), entry->size - 8) << id;
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(w + 8), 8), "WAVEfmt ");
        EXPECT_EQ(le16(20), 1u) << "PCM";
        EXPECT_EQ(le16(34), 16u) << "bits";
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(w + 36), 4), "data");
        EXPECT_EQ(le32(40), entry->size - 44) << id;
        double seconds = double(le32(40)) / le32(28);
        EXPECT_GT(seconds, 0.03) << id;
        EXPECT_LT(seconds, id == 5007 ? 8.0 : 1.0) << id;
    }
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

#include "TextsFile.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(TextsFileTest, JoinsPiecesAndKeepsSpacesAndEscapes)
{
    auto texts = TextsFile::parse("# comment\n"
                                  "2129 \"You finished in place \"\n"
                                  "\n"
                                  "2060 \"First.\\n\\n\"\n"
                                  "     \"Say \\\"hi\\\" \\\\ there\"\r\n"
                                  "2099 \" players\" \" more\"\n");
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[2129], "You finished in place ");
    EXPECT_EQ(texts[2060], "First.\n\nSay \"hi\" \\ there");
    EXPECT_EQ(texts[2099], " players more");
}

TEST(TextsFileTest, RefusesWhatTheFontsOrTheFormatCannotTake)
{
    const char* bad[] = {
        "2000 \"About\"\n2000 \"Again\"\n", // duplicate id
        "2000 \"caf\xc3\xa9\"\n",           // not ASCII
        "2000 \"tab\there\"\n",             // control character
        "2000 \"open\n",                    // unterminated
        "2000 \"x\\t\"\n",                  // unknown escape
        "  \"orphan\"\n",                   // continuation first
        "2000\n",                           // no text
        "2000 About\n",                     // unquoted
        "70000 \"big\"\n",                  // id past 16 bits
        "about \"x\"\n",                    // not an id
    };
    for (const char* content : bad)
        EXPECT_THROW(TextsFile::parse(content), std::runtime_error) << content;
    try {
        TextsFile::parse("2000 \"ok\"\n\n2001 \"bad\\q\"\n");
        FAIL();
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("line 3"), std::string::npos) << error.what();
    }
}

#include "ResourceScript.h"

#include <gtest/gtest.h>

TEST(ResourceScriptTest, WritesOneStringTableAndAnRcdataLinePerFileQuotedForWindres)
{
    std::string script = ResourceScript::write({{2000, "About"}, {2001, ""}, {2002, "All-in"}},
                                               {{1001, "/tmp/x/1001.png"}, {5002, "/tmp/x/5002.wav"}});
    EXPECT_NE(script.find("STRINGTABLE\nBEGIN\n  2000, \"About\"\n  2002, \"All-in\"\nEND\n"), std::string::npos)
        << script;
    EXPECT_EQ(script.find("2001,"), std::string::npos);
    EXPECT_NE(script.find("1001 RCDATA \"/tmp/x/1001.png\"\n"), std::string::npos);
    EXPECT_NE(script.find("5002 RCDATA \"/tmp/x/5002.wav\"\n"), std::string::npos);
    // No comment or preprocessor line: windres reads the script through /bin/cat.
    EXPECT_EQ(script.find("//"), std::string::npos);
    EXPECT_EQ(script.find('#'), std::string::npos);
    EXPECT_THROW(ResourceScript::write({}, {{1, "/tmp/a\"b"}}), std::runtime_error);
    EXPECT_EQ(ResourceScript::quote("a\"b\\c\nd"), "\"a\"\"b\\\\c\\nd\"");
    EXPECT_EQ(ResourceScript::quote(" lead and trail "), "\" lead and trail \"");
}

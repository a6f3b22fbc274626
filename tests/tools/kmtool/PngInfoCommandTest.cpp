// kmtool png info: stdout is the JSON alone, the decoder's messages go to stderr.
#include "ToolRun.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

std::string pngSample(const std::string& name)
{
    const char* root = std::getenv("KM_TEST_DATA");
    return std::string(root ? root : "tests/data") + "/resources/" + name;
}

} // namespace

TEST(PngInfoCommandTest, DecoderMessagesGoToStderrAndStdoutIsJsonOnly)
{
    ToolRun refused = kmtool("png info " + pngSample("malformed/depth16.png"));
    EXPECT_EQ(refused.status, 0);
    EXPECT_EQ(refused.out, "{\"image\":null}\n");
    EXPECT_EQ(refused.err, "[ImagePNG] PNG bit depth is incompatible. Only 8bpp PNG supported\n"
                           "[ImagePNG] PNG resource is incompatible\n");

    ToolRun decoded = kmtool("png info " + pngSample("png/skip_ancillary.png"));
    EXPECT_EQ(decoded.status, 0);
    EXPECT_EQ(decoded.out.rfind("{\"width\":", 0), 0u) << decoded.out;
    EXPECT_EQ(decoded.err, "");
}

#include "core/runtime/Clock.h"
#include "core/runtime/String.h"
#include "host/SystemTimeSource.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* VERSION = "1.0.1";

void printUsage()
{
    std::printf("Kestrelmoore %s - no-limit Texas hold'em\n"
                "usage: kestrelmoore [--version] [--help]\n"
                "The game window is not built yet; this program shows its version only.\n",
                VERSION);
}

} // namespace

int main(int argc, char** argv)
{
    SystemTimeSource systemTime;
    processClock().setUp(systemTime);
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s\n", VERSION);
            return 0;
        }
    }
    printUsage();
    return 0;
}

#include "core/runtime/Clock.h"
#include "core/runtime/String.h"
#include "core/io/FileSystem.h"
#include "host/posix/DataDirectory.h"
#include "host/posix/PosixFileSystem.h"
#include "host/posix/SystemTimeSource.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr const char* VERSION = "1.0.1";

void printUsage()
{
    std::printf("Kestrelmoore %s - no-limit Texas hold'em\n"
                "usage: kestrelmoore [--version] [--help] [--data-dir DIR]\n"
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
    // Saves live in the data directory, made on first use.
    std::string error;
    std::string dataDirectory = DataDirectory::resolve(argc, argv, error);
    if (dataDirectory.empty() || !DataDirectory::create(dataDirectory, error)) {
        std::fprintf(stderr, "kestrelmoore: %s\n", error.c_str());
        return 1;
    }
    PosixFileSystem files(dataDirectory);
    setProcessFileSystem(&files);
    printUsage();
    setProcessFileSystem(nullptr);
    return 0;
}

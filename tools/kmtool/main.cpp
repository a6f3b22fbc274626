#include "Subcommands.h"
#include "ToolError.h"

#include "core/runtime/DiagnosticSink.h"

#include <cstdio>
#include <cstring>
#include <new>

namespace {

void printUsage(FILE* out)
{
    std::fprintf(out, "usage: kmtool <command> [arguments]\ncommands:\n");
    for (const Subcommand& command : subcommands())
        std::fprintf(out, "  %s\n", command.usage);
}

// Finds the longest registered name that the arguments start with, so that
// two-word commands ("bench eval") and one-word commands share one table.
const Subcommand* find(int argc, char** argv, int& consumed)
{
    const Subcommand* best = nullptr;
    for (const Subcommand& command : subcommands()) {
        int words = 0;
        const char* name = command.name;
        bool matches = true;
        while (*name) {
            const char* space = std::strchr(name, ' ');
            size_t length = space ? size_t(space - name) : std::strlen(name);
            if (1 + words >= argc || std::strlen(argv[1 + words]) != length
                || std::strncmp(argv[1 + words], name, length) != 0) {
                matches = false;
                break;
            }
            ++words;
            name += length + (space ? 1 : 0);
        }
        if (matches && words > consumed) {
            best = &command;
            consumed = words;
        }
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    // stdout carries only JSON: the library's diagnostics go beside the tool's own errors.
    DiagnosticSink::useStream(stderr);
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0) {
        printUsage(argc < 2 ? stderr : stdout);
        return argc < 2 ? 2 : 0;
    }
    int consumed = 0;
    const Subcommand* command = find(argc, argv, consumed);
    if (!command) {
        std::fprintf(stderr, "kmtool: unknown command '%s' (try kmtool --help)\n", argv[1]);
        return 2;
    }
    Arguments arguments(argv + 1 + consumed, argv + argc);
    try {
        command->run(arguments);
    } catch (const ToolError& error) {
        std::fprintf(stderr, "kmtool %s: %s\n", command->name, error.what());
        return 2;
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "kmtool %s: out of memory\n", command->name);
        return 2;
    }
    return 0;
}

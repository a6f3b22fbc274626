#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The arguments after a subcommand's name: "--name value" flags and positionals.
// Every getter throws ToolError with a message naming the argument at fault.
class CommandLine {
public:
    // knownFlags lists every "--flag" the subcommand takes; each takes one value.
    CommandLine(const std::vector<std::string>& arguments, const std::vector<std::string>& knownFlags);

    bool has(const std::string& flag) const;
    std::string text(const std::string& flag, const std::string& fallback) const;
    // Whole numbers only, within [min, max].
    int64_t integer(const std::string& flag, int64_t fallback, int64_t min, int64_t max) const;
    int64_t requiredInteger(const std::string& flag, int64_t min, int64_t max) const;

    const std::vector<std::string>& positionals() const { return positional; }
    void expectPositionals(size_t min, size_t max) const;

    static int64_t parseInteger(const std::string& name, const std::string& value, int64_t min, int64_t max);

private:
    std::vector<std::pair<std::string, std::string>> flags;
    std::vector<std::string> positional;
};

#include "CommandLine.h"

#include "ToolError.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

CommandLine::CommandLine(const std::vector<std::string>& arguments, const std::vector<std::string>& knownFlags)
{
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.size() < 2 || argument.compare(0, 2, "--") != 0) {
            positional.push_back(argument);
            continue;
        }
        if (std::find(knownFlags.begin(), knownFlags.end(), argument) == knownFlags.end())
            throw ToolError("unknown option " + argument);
        if (i + 1 >= arguments.size())
            throw ToolError("option " + argument + " needs a value");
        if (has(argument))
            throw ToolError("option " + argument + " given twice");
        flags.emplace_back(argument, arguments[i + 1]);
        ++i;
    }
}

bool CommandLine::has(const std::string& flag) const
{
    for (auto& entry : flags) {
        if (entry.first == flag)
            return true;
    }
    return false;
}

std::string CommandLine::text(const std::string& flag, const std::string& fallback) const
{
    for (auto& entry : flags) {
        if (entry.first == flag)
            return entry.second;
    }
    return fallback;
}

int64_t CommandLine::parseInteger(const std::string& name, const std::string& value, int64_t min, int64_t max)
{
    const char* start = value.c_str();
    char* end = nullptr;
    errno = 0;
    long long parsed = std::strtoll(start, &end, 10);
    if (value.empty() || *end != 0 || errno == ERANGE)
        throw ToolError(name + " must be a whole number, not '" + value + "'");
    if (parsed < min || parsed > max)
        throw ToolError(name + " must be between " + std::to_string(min) + " and " + std::to_string(max) + ", not "
                        + value);
    return parsed;
}

int64_t CommandLine::integer(const std::string& flag, int64_t fallback, int64_t min, int64_t max) const
{
    if (!has(flag))
        return fallback;
    return parseInteger(flag, text(flag, ""), min, max);
}

int64_t CommandLine::requiredInteger(const std::string& flag, int64_t min, int64_t max) const
{
    if (!has(flag))
        throw ToolError("missing " + flag);
    return integer(flag, 0, min, max);
}

void CommandLine::expectPositionals(size_t min, size_t max) const
{
    if (positional.size() < min)
        throw ToolError("too few arguments");
    if (positional.size() > max)
        throw ToolError("unexpected argument '" + positional[max] + "'");
}

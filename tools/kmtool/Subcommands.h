#pragma once

#include <string>
#include <vector>

// Each subcommand receives the arguments after its name, prints one JSON object per
// result on stdout and returns 0, or throws ToolError.
using Arguments = std::vector<std::string>;

struct Subcommand {
    const char* name;
    const char* usage;
    void (*run)(const Arguments& arguments);
};

// The table main() dispatches on; subcommands are registered in Subcommands.cpp.
const std::vector<Subcommand>& subcommands();

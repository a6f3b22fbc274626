#pragma once

#include <stdexcept>
#include <string>

// A refusal of the command line or its input: kmtool prints the message as one line
// on stderr and exits with 2.
class ToolError : public std::runtime_error {
public:
    explicit ToolError(const std::string& message)
        : std::runtime_error(message)
    {
    }
};

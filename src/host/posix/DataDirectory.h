#pragma once

#include <string>

// Where the game keeps its record stores: the directory given with --data-dir DIR
// (or --data-dir=DIR), else $XDG_DATA_HOME/kestrelmoore, else
// ~/.local/share/kestrelmoore. Every program of the game takes the flag.
class DataDirectory {
public:
    static constexpr const char* FLAG = "--data-dir";
    static constexpr const char* APP_FOLDER = "kestrelmoore";

    // The directory named by the arguments and environment. Empty, with a reason in
    // error, when the flag has no value or neither XDG_DATA_HOME nor HOME is usable.
    static std::string resolve(int argc, char** argv, std::string& error);
    // Without a flag: from the environment alone.
    static std::string fromEnvironment(std::string& error);

    // Creates the directory and its missing parents. False, with a reason, when it
    // cannot be made or exists as something other than a directory.
    static bool create(const std::string& path, std::string& error);
};

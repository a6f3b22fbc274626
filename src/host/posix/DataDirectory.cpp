#include "host/posix/DataDirectory.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

std::string DataDirectory::fromEnvironment(std::string& error)
{
    // XDG base directories must be absolute; a relative one is ignored.
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/')
        return std::string(xdg) + "/" + APP_FOLDER;
    const char* home = std::getenv("HOME");
    if (home && home[0] != 0)
        return std::string(home) + "/.local/share/" + APP_FOLDER;
    error = "neither XDG_DATA_HOME nor HOME is set; use --data-dir DIR";
    return std::string();
}

std::string DataDirectory::resolve(int argc, char** argv, std::string& error)
{
    size_t flagLength = std::strlen(FLAG);
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (std::strcmp(argument, FLAG) == 0) {
            if (i + 1 >= argc || argv[i + 1][0] == 0) {
                error = std::string(FLAG) + " needs a directory";
                return std::string();
            }
            return argv[i + 1];
        }
        if (std::strncmp(argument, FLAG, flagLength) == 0 && argument[flagLength] == '=') {
            if (argument[flagLength + 1] == 0) {
                error = std::string(FLAG) + " needs a directory";
                return std::string();
            }
            return argument + flagLength + 1;
        }
    }
    return fromEnvironment(error);
}

bool DataDirectory::create(const std::string& path, std::string& error)
{
    if (path.empty()) {
        error = "empty data directory";
        return false;
    }
    // Walk the path, making each missing component (mkdir -p).
    for (size_t at = 1; at <= path.size(); ++at) {
        if (at != path.size() && path[at] != '/')
            continue;
        std::string prefix = path.substr(0, at);
        if (mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST) {
            error = "cannot create " + prefix + ": " + std::strerror(errno);
            return false;
        }
    }
    struct stat info;
    if (stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        error = path + " is not a directory";
        return false;
    }
    return true;
}

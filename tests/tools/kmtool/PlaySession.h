#pragma once

// Runs the built kmtool's scripted player and reads its dumps: the helpers the
// scripted-session tests share.
#include <cstdio>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

struct PlayRun {
    int status = -1;
    std::vector<std::string> dumps; // one JSON object per dump line
    std::string error;              // what kmtool wrote on stderr
};

// A fresh folder under the system's temporary folder, removed by the caller's
// TempFolder when the test ends.
struct TempFolder {
    std::string path;
    TempFolder()
    {
        char pattern[] = "/tmp/km-play-XXXXXX";
        path = mkdtemp(pattern);
    }
    ~TempFolder() { std::system(("rm -rf '" + path + "'").c_str()); }
};

inline PlayRun playScript(const std::string& script, const std::string& options)
{
    char scriptPath[] = "/tmp/km-script-XXXXXX";
    int fd = mkstemp(scriptPath);
    if (fd < 0)
        return {};
    ::close(fd);
    std::ofstream(scriptPath) << script;
    std::string errorPath = std::string(scriptPath) + ".err";
    std::string command = std::string(KMTOOL_PATH) + " play --script " + scriptPath + " --pack " + KM_GAME_PACK +
        " " + options + " 2>" + errorPath;
    PlayRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe) {
        char* line = nullptr;
        size_t capacity = 0;
        while (getline(&line, &capacity, pipe) > 0) {
            std::string text(line);
            if (!text.empty() && text.back() == '\n')
                text.pop_back();
            run.dumps.push_back(text);
        }
        free(line);
        int status = pclose(pipe);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::ifstream errors(errorPath);
    run.error.assign(std::istreambuf_iterator<char>(errors), std::istreambuf_iterator<char>());
    std::remove(scriptPath);
    std::remove(errorPath.c_str());
    return run;
}

// The JSON text of a member of a dumped object, found by its path of keys
// ("profile.name"); empty when absent. Values are returned as written: strings
// keep their quotes.
inline std::string field(const std::string& json, const std::string& path)
{
    size_t begin = 0;
    size_t end = json.size();
    size_t from = 0;
    while (from <= path.size()) {
        size_t dot = path.find('.', from);
        std::string key = "\"" + path.substr(from, dot == std::string::npos ? std::string::npos : dot - from) + "\":";
        // Find the key at depth 1 of the current object.
        int depth = 0;
        bool inString = false;
        size_t found = std::string::npos;
        for (size_t i = begin; i < end; ++i) {
            char c = json[i];
            if (inString) {
                if (c == '\\')
                    ++i;
                else if (c == '"')
                    inString = false;
                continue;
            }
            if (depth == 1 && json.compare(i, key.size(), key) == 0) {
                found = i + key.size();
                break;
            }
            if (c == '"')
                inString = true;
            else if (c == '{' || c == '[')
                ++depth;
            else if (c == '}' || c == ']')
                --depth;
        }
        if (found == std::string::npos)
            return std::string();
        // The value runs to the comma or bracket that closes it at its own depth.
        depth = 0;
        inString = false;
        size_t i = found;
        for (; i < end; ++i) {
            char c = json[i];
            if (inString) {
                if (c == '\\')
                    ++i;
                else if (c == '"')
                    inString = false;
                continue;
            }
            if (c == '"')
                inString = true;
            else if (c == '{' || c == '[')
                ++depth;
            else if (c == '}' || c == ']') {
                if (depth == 0)
                    break;
                --depth;
            } else if (c == ',' && depth == 0)
                break;
        }
        begin = found;
        end = i;
        if (dot == std::string::npos)
            break;
        from = dot + 1;
    }
    return json.substr(begin, end - begin);
}

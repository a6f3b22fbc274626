#pragma once

// Runs the built kmtool's scripted player and reads its dumps: the helpers the
// scripted-session tests share.
#include "ToolRun.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

struct PlayRun {
    int status = -1;
    std::vector<std::string> dumps; // one JSON object per dump line
    std::string error;              // what kmtool wrote on stderr
};

// A fresh folder under /tmp, removed with everything in it when the test ends.
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
    TempFolder work;
    const std::string scriptPath = work.path + "/script";
    std::ofstream(scriptPath) << script;
    ToolRun tool = kmtool("play --script " + scriptPath + " --pack " + KM_GAME_PACK + " " + options);
    PlayRun run;
    run.status = tool.status;
    run.error = tool.err;
    std::istringstream lines(tool.out);
    for (std::string line; std::getline(lines, line);)
        run.dumps.push_back(line);
    return run;
}

// A run that ended cleanly with the number of dumps its script asked for.
inline ::testing::AssertionResult succeeded(const PlayRun& run, size_t dumps)
{
    if (run.status != 0)
        return ::testing::AssertionFailure() << "status " << run.status << ": " << run.error;
    if (run.dumps.size() != dumps)
        return ::testing::AssertionFailure() << run.dumps.size() << " dumps, not " << dumps;
    return ::testing::AssertionSuccess();
}

inline std::string repeat(int times, const std::string& lines)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += lines;
    return out;
}

// Every line of the hand histories the game wrote into a data folder.
inline std::vector<std::string> handHistoryLines(const std::string& dataDirectory)
{
    std::vector<std::string> lines;
    FILE* list = popen(("cat '" + dataDirectory + "'/hand-history/kestrelmoore-*.txt 2>/dev/null").c_str(), "r");
    char* line = nullptr;
    size_t capacity = 0;
    while (list && getline(&line, &capacity, list) > 0)
        lines.emplace_back(line);
    free(line);
    if (list)
        pclose(list);
    return lines;
}

// From json[at], the position where the value that starts there ends: at the comma
// or closing bracket of its own level, skipping strings and nested values. With
// stopAtKey, stops instead at stopAtKey found at the value's own level.
inline size_t scanValue(const std::string& json, size_t at, size_t end, const std::string& stopAtKey = "")
{
    int depth = 0;
    for (size_t i = at; i < end; ++i) {
        const char c = json[i];
        if (depth == 1 && !stopAtKey.empty() && json.compare(i, stopAtKey.size(), stopAtKey) == 0)
            return i + stopAtKey.size();
        if (c == '"') {
            for (++i; i < end && json[i] != '"'; ++i)
                i += json[i] == '\\';
        } else if (c == '{' || c == '[') {
            ++depth;
        } else if (c == '}' || c == ']') {
            if (depth-- == 0)
                return i;
        } else if (c == ',' && depth == 0 && stopAtKey.empty()) {
            return i;
        }
    }
    return stopAtKey.empty() ? end : std::string::npos;
}

// The JSON text of a member of a dumped object, found by its path of keys
// ("profile.name"); empty when absent. Strings keep their quotes.
inline std::string field(const std::string& json, const std::string& path)
{
    size_t begin = 0;
    size_t end = json.size();
    std::istringstream keys(path);
    for (std::string key; std::getline(keys, key, '.');) {
        const size_t value = scanValue(json, begin, end, "\"" + key + "\":");
        if (value == std::string::npos)
            return std::string();
        begin = value;
        end = scanValue(json, value, end);
    }
    return json.substr(begin, end - begin);
}

// The JSON of one element of an array member ("table.seats"); empty past its end.
inline std::string element(const std::string& json, const std::string& path, int index)
{
    const std::string array = field(json, path);
    size_t at = 1;
    for (int i = 0; i < index && at < array.size(); ++i)
        at = scanValue(array, at, array.size() - 1) + 1;
    if (at >= array.size())
        return std::string();
    return array.substr(at, scanValue(array, at, array.size() - 1) - at);
}

// The names in a folder, "." and ".." left out; none when it cannot be read.
inline std::vector<std::string> entries(const std::string& folder)
{
    std::vector<std::string> names;
    if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* e = readdir(dir)) {
            const std::string name = e->d_name;
            if (name != "." && name != "..")
                names.push_back(name);
        }
        closedir(dir);
    }
    return names;
}

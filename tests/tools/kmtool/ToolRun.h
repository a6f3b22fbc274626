#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

// One run of the built kmtool: exit status, stdout and stderr kept apart.
struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline ToolRun kmtool(const std::string& arguments)
{
    std::string errPath = ::testing::TempDir() + "kmtool-stderr-" + std::to_string(getpid());
    std::string command = std::string(KMTOOL_PATH) + " " + arguments + " 2>" + errPath;
    ToolRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, got);
    int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errPath);
    run.err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
    std::remove(errPath.c_str());
    return run;
}

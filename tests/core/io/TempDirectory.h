#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

// A fresh directory under /tmp, removed with its files when the test ends.
class TempDirectory {
public:
    TempDirectory()
    {
        char pattern[] = "/tmp/km-io-test-XXXXXX";
        const char* made = mkdtemp(pattern);
        path = made ? made : "";
    }
    ~TempDirectory()
    {
        std::error_code ignored;
        if (!path.empty())
            std::filesystem::remove_all(path, ignored);
    }

    std::string file(const std::string& name) const { return path + "/" + name; }

    std::vector<uint8_t> read(const std::string& name) const
    {
        std::ifstream in(file(name), std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    void write(const std::string& name, const std::vector<uint8_t>& bytes) const
    {
        std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }

    bool exists(const std::string& name) const { return access(file(name).c_str(), F_OK) == 0; }

    // Names of every entry, hidden ones included.
    std::vector<std::string> entries() const
    {
        std::vector<std::string> names;
        std::error_code ignored;
        for (const auto& entry : std::filesystem::directory_iterator(path, ignored))
            names.push_back(entry.path().filename().string());
        return names;
    }

    std::string path;
};

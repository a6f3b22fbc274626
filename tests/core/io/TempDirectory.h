#pragma once

#include <cstdio>
#include <cstdlib>
#include <dirent.h>
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
    ~TempDirectory() { removeTree(path); }

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

    // Names of every entry but "." and "..", hidden ones included.
    std::vector<std::string> entries() const
    {
        std::vector<std::string> names;
        DIR* dir = opendir(path.c_str());
        if (!dir)
            return names;
        while (dirent* entry = readdir(dir)) {
            std::string name = entry->d_name;
            if (name != "." && name != "..")
                names.push_back(name);
        }
        closedir(dir);
        return names;
    }

    std::string path;

private:
    static void removeTree(const std::string& root)
    {
        if (root.empty())
            return;
        DIR* dir = opendir(root.c_str());
        if (dir) {
            while (dirent* entry = readdir(dir)) {
                std::string name = entry->d_name;
                if (name == "." || name == "..")
                    continue;
                std::string child = root + "/" + name;
                if (entry->d_type == DT_DIR)
                    removeTree(child);
                else
                    unlink(child.c_str());
            }
            closedir(dir);
        }
        rmdir(root.c_str());
    }
};

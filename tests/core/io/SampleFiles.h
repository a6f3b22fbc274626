#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// The committed sample stores under tests/data/io.
inline std::string sampleDir()
{
    const char* root = std::getenv("KM_TEST_DATA");
    return std::string(root ? root : "tests/data") + "/io";
}

inline std::vector<uint8_t> readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Names in the malformed samples folder starting with prefix, sorted; empty when the
// folder is missing (callers check a minimum count).
inline std::vector<std::string> malformedSamples(const std::string& prefix = "")
{
    std::vector<std::string> names;
    std::error_code missing;
    for (const auto& entry : std::filesystem::directory_iterator(sampleDir() + "/malformed", missing)) {
        std::string name = entry.path().filename().string();
        if (name.rfind(prefix, 0) == 0)
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

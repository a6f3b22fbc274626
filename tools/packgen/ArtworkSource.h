#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One raw-data entry of the pack: a complete PNG (or other file) under a resource id.
struct RawEntry {
    int id;
    std::vector<uint8_t> bytes;
};

// Every image of the pack, made from the parameters under assetsDir. Ids are image
// resource ids (1001 and up); the pack builder refuses duplicates and ids outside
// 1..65535.
std::vector<RawEntry> buildArtwork(const std::string& assetsDir);

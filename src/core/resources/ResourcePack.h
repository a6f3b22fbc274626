#pragma once

#include "core/runtime/String.h"

#include <cstdint>
#include <string>
#include <vector>

// A resource-only PE/COFF module (the game's Kestrelmoore_res.dat) read into memory
// once and indexed: string-table blocks (type 6) and raw-data entries (type 10) by
// 16-bit id. Nothing in the file is trusted: every offset of the headers and of the
// resource directory is checked against the file, and an entry that points outside
// it is left out of the index. Only ids are looked at; named entries are skipped, and
// of several languages the first entry is taken.
class ResourcePack {
public:
    static constexpr uint16_t TYPE_STRING_TABLE = 6;
    static constexpr uint16_t TYPE_RAW_DATA = 10;
    // Files above this are refused: every size the game handles is a 32-bit count.
    static constexpr int64_t MAX_FILE_BYTES = int64_t(1) << 30;

    struct Entry {
        uint16_t id;
        const uint8_t* data;
        uint32_t size;
    };

    ResourcePack(const ResourcePack&) = delete;
    ResourcePack& operator=(const ResourcePack&) = delete;
    ~ResourcePack();

    // Reads and indexes the file; null when it cannot be read or is no PE image.
    static ResourcePack* load(const char* path);
    // Indexes a copy of bytes already in memory (fuzzing, tests).
    static ResourcePack* fromBytes(const uint8_t* data, size_t length);

    // The stored text as a view into the pack (no copy); the empty string for an id
    // the string table lacks or an entry of length 0.
    String text(int32_t id) const;
    const Entry* rawData(int32_t id) const;

    const std::vector<Entry>& rawEntries() const { return raw; }
    // Number of non-empty texts in the string table.
    int32_t textCount() const;

private:
    ResourcePack() = default;
    bool index();
    const Entry* find(const std::vector<Entry>& entries, uint32_t id) const;

    uint8_t* file = nullptr;
    size_t fileSize = 0;
    std::vector<Entry> stringBlocks; // by block id = text id / 16 + 1
    std::vector<Entry> raw;
};

// The process-wide pack. A bare file name is looked for beside the running program,
// then in the working directory; a path with a '/' is used as given. True at once
// when a pack is already open.
bool openResourcePack(const char* fileName);
// The folder of the running program, without a trailing '/'; empty if unknown.
std::string programFolder();
// False when no pack is open; otherwise forgets it and returns true.
bool closeResourcePack();
// Text id -> view into the open pack; empty when no pack is open or the id is absent.
String getText(int32_t id);
// The open pack, or null.
ResourcePack* currentResourcePack();

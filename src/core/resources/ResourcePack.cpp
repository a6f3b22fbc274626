#include "ResourcePack.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <unistd.h>

namespace {

ResourcePack* openPack = nullptr;

// Offsets and sizes below follow the Microsoft PE/COFF format: the MS-DOS stub with the
// PE header offset at 0x3C, the 4-byte signature, the 20-byte COFF header, the
// optional header whose data directory 2 is the resource table, then the 40-byte
// section headers; the resource directory is IMAGE_RESOURCE_DIRECTORY (16 bytes)
// followed by 8-byte entries, and data entries are 16 bytes.
constexpr size_t DOS_HEADER_SIZE = 64;
constexpr size_t PE_OFFSET_FIELD = 0x3C;
constexpr size_t COFF_HEADER_SIZE = 20;
constexpr size_t SECTION_HEADER_SIZE = 40;
constexpr uint32_t RESOURCE_DIRECTORY_INDEX = 2;
constexpr uint32_t DIRECTORY_HEADER_SIZE = 16;
constexpr uint32_t DIRECTORY_ENTRY_SIZE = 8;
constexpr uint32_t DATA_ENTRY_SIZE = 16;
constexpr uint32_t SUBDIRECTORY_FLAG = 0x80000000u;
constexpr uint32_t NAME_IS_STRING_FLAG = 0x80000000u;

uint16_t le16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
uint32_t le32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }

struct Section {
    uint32_t virtualAddress;
    uint32_t virtualSize;
    uint32_t rawSize;
    uint32_t rawOffset;
};

// The file bytes behind a relative virtual address range, or null when any of it
// lies outside a section's raw data or outside the file.
const uint8_t* mapRva(const uint8_t* file, size_t fileSize, const std::vector<Section>& sections, uint32_t rva,
                      uint32_t length)
{
    for (const Section& s : sections) {
        uint64_t start = s.virtualAddress;
        uint64_t end = start + s.rawSize;
        if (rva < start || uint64_t(rva) + length > end)
            continue;
        uint64_t offset = uint64_t(s.rawOffset) + (rva - start);
        if (offset + length > fileSize)
            return nullptr;
        return file + offset;
    }
    return nullptr;
}

// Reads one resource directory table inside the resource section [base, base + size).
// Returns the id entries as (id, offset-with-flag) pairs; a table that does not fit
// yields what fits.
std::vector<std::pair<uint32_t, uint32_t>> directoryEntries(const uint8_t* base, uint32_t size, uint32_t offset)
{
    std::vector<std::pair<uint32_t, uint32_t>> entries;
    if (uint64_t(offset) + DIRECTORY_HEADER_SIZE > size)
        return entries;
    const uint8_t* table = base + offset;
    uint32_t named = le16(table + 12);
    uint32_t ids = le16(table + 14);
    uint64_t first = uint64_t(offset) + DIRECTORY_HEADER_SIZE;
    for (uint32_t i = 0; i < named + ids; ++i) {
        uint64_t at = first + uint64_t(i) * DIRECTORY_ENTRY_SIZE;
        if (at + DIRECTORY_ENTRY_SIZE > size)
            break;
        uint32_t name = le32(base + at);
        uint32_t target = le32(base + at + 4);
        if (name & NAME_IS_STRING_FLAG)
            continue;
        entries.emplace_back(name, target);
    }
    return entries;
}

std::string besideProgram(const char* fileName)
{
    const std::string folder = programFolder();
    return folder.empty() ? std::string() : folder + "/" + fileName;
}

} // namespace

std::string programFolder()
{
    char path[4096];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return std::string();
    std::string program(path, size_t(n));
    size_t slash = program.rfind('/');
    return slash == std::string::npos ? std::string() : program.substr(0, slash);
}

ResourcePack::~ResourcePack() { delete[] file; }

ResourcePack* ResourcePack::load(const char* path)
{
    if (!path)
        return nullptr;
    FILE* in = std::fopen(path, "rb");
    if (!in)
        return nullptr;
    ResourcePack* pack = nullptr;
    if (std::fseek(in, 0, SEEK_END) == 0) {
        long length = std::ftell(in);
        if (length > 0 && length <= MAX_FILE_BYTES && std::fseek(in, 0, SEEK_SET) == 0) {
            uint8_t* bytes = new (std::nothrow) uint8_t[size_t(length)];
            if (bytes && std::fread(bytes, 1, size_t(length), in) == size_t(length)) {
                pack = new ResourcePack;
                pack->file = bytes;
                pack->fileSize = size_t(length);
                if (!pack->index()) {
                    delete pack;
                    pack = nullptr;
                }
            } else {
                delete[] bytes;
            }
        }
    }
    std::fclose(in);
    return pack;
}

ResourcePack* ResourcePack::fromBytes(const uint8_t* data, size_t length)
{
    if (!data || length == 0 || length > size_t(MAX_FILE_BYTES))
        return nullptr;
    ResourcePack* pack = new ResourcePack;
    pack->file = new uint8_t[length];
    std::memcpy(pack->file, data, length);
    pack->fileSize = length;
    if (!pack->index()) {
        delete pack;
        return nullptr;
    }
    return pack;
}

bool ResourcePack::index()
{
    if (fileSize < DOS_HEADER_SIZE || file[0] != 'M' || file[1] != 'Z')
        return false;
    uint64_t peOffset = le32(file + PE_OFFSET_FIELD);
    if (peOffset + 4 + COFF_HEADER_SIZE > fileSize || std::memcmp(file + peOffset, "PE\0\0", 4) != 0)
        return false;
    const uint8_t* coff = file + peOffset + 4;
    uint32_t sectionCount = le16(coff + 2);
    uint32_t optionalSize = le16(coff + 16);
    uint64_t optionalOffset = peOffset + 4 + COFF_HEADER_SIZE;
    if (optionalOffset + optionalSize > fileSize || optionalSize < 2)
        return false;
    const uint8_t* optional = file + optionalOffset;
    // PE32 (0x10B) and PE32+ (0x20B) differ only in where the data directories start.
    uint16_t magic = le16(optional);
    uint32_t countField, directoriesStart;
    if (magic == 0x10B) {
        countField = 92;
        directoriesStart = 96;
    } else if (magic == 0x20B) {
        countField = 108;
        directoriesStart = 112;
    } else {
        return false;
    }

    std::vector<Section> sections;
    uint64_t sectionTable = optionalOffset + optionalSize;
    for (uint32_t i = 0; i < sectionCount; ++i) {
        uint64_t at = sectionTable + uint64_t(i) * SECTION_HEADER_SIZE;
        if (at + SECTION_HEADER_SIZE > fileSize)
            return false;
        const uint8_t* header = file + at;
        sections.push_back({le32(header + 12), le32(header + 8), le32(header + 16), le32(header + 20)});
    }

    // No resource table makes a valid but empty pack.
    uint64_t directoryField = uint64_t(directoriesStart) + RESOURCE_DIRECTORY_INDEX * 8;
    if (countField + 4 > optionalSize || le32(optional + countField) <= RESOURCE_DIRECTORY_INDEX ||
        directoryField + 8 > optionalSize)
        return true;
    uint32_t resourceRva = le32(optional + directoryField);
    uint32_t resourceSize = le32(optional + directoryField + 4);
    if (resourceRva == 0 || resourceSize < DIRECTORY_HEADER_SIZE)
        return true;
    const uint8_t* base = mapRva(file, fileSize, sections, resourceRva, resourceSize);
    if (!base) {
        // Linkers may round the directory size up past the raw data; take what the
        // section really holds.
        for (const Section& s : sections) {
            if (resourceRva >= s.virtualAddress && resourceRva < uint64_t(s.virtualAddress) + s.rawSize) {
                uint32_t available = uint32_t(uint64_t(s.virtualAddress) + s.rawSize - resourceRva);
                resourceSize = std::min(resourceSize, available);
                base = mapRva(file, fileSize, sections, resourceRva, resourceSize);
                break;
            }
        }
        if (!base)
            return true;
    }

    // Three fixed levels (type, id, language): the walk never follows an offset more
    // than three deep, so a directory that points back at itself cannot loop.
    for (const auto& type : directoryEntries(base, resourceSize, 0)) {
        if (type.first != TYPE_STRING_TABLE && type.first != TYPE_RAW_DATA)
            continue;
        if (!(type.second & SUBDIRECTORY_FLAG))
            continue;
        std::vector<Entry>& list = type.first == TYPE_STRING_TABLE ? stringBlocks : raw;
        for (const auto& name : directoryEntries(base, resourceSize, type.second & ~SUBDIRECTORY_FLAG)) {
            if (name.first > 0xFFFF || !(name.second & SUBDIRECTORY_FLAG))
                continue;
            auto languages = directoryEntries(base, resourceSize, name.second & ~SUBDIRECTORY_FLAG);
            if (languages.empty() || (languages[0].second & SUBDIRECTORY_FLAG))
                continue;
            uint32_t dataEntry = languages[0].second;
            if (uint64_t(dataEntry) + DATA_ENTRY_SIZE > resourceSize)
                continue;
            uint32_t dataRva = le32(base + dataEntry);
            uint32_t dataSize = le32(base + dataEntry + 4);
            const uint8_t* data = mapRva(file, fileSize, sections, dataRva, dataSize);
            if (!data || dataSize > uint32_t(INT32_MAX))
                continue;
            list.push_back({uint16_t(name.first), data, dataSize});
        }
    }
    auto byId = [](const Entry& a, const Entry& b) { return a.id < b.id; };
    // Stable, so that of two entries with one id the first in the file wins.
    std::stable_sort(stringBlocks.begin(), stringBlocks.end(), byId);
    std::stable_sort(raw.begin(), raw.end(), byId);
    auto sameId = [](const Entry& a, const Entry& b) { return a.id == b.id; };
    stringBlocks.erase(std::unique(stringBlocks.begin(), stringBlocks.end(), sameId), stringBlocks.end());
    raw.erase(std::unique(raw.begin(), raw.end(), sameId), raw.end());
    return true;
}

const ResourcePack::Entry* ResourcePack::find(const std::vector<Entry>& entries, uint32_t id) const
{
    auto at = std::lower_bound(entries.begin(), entries.end(), id,
                               [](const Entry& e, uint32_t value) { return e.id < value; });
    if (at == entries.end() || at->id != id)
        return nullptr;
    return &*at;
}

String ResourcePack::text(int32_t id) const
{
    if (id < 0 || id > 0xFFFF)
        return String();
    // A string-table block holds 16 texts, each a 16-bit length and that many UTF-16
    // units; block n / 16 + 1 holds text n.
    const Entry* block = find(stringBlocks, uint32_t(id) / 16 + 1);
    if (!block)
        return String();
    uint32_t offset = 0;
    for (int32_t slot = 0; slot <= id % 16; ++slot) {
        if (uint64_t(offset) + 2 > block->size)
            return String();
        uint32_t length = le16(block->data + offset);
        offset += 2;
        if (uint64_t(offset) + uint64_t(length) * 2 > block->size)
            return String();
        if (slot == id % 16) {
            const uint8_t* units = block->data + offset;
            // The view reads char16_t in place: a forged entry at an odd address
            // cannot be read that way and counts as absent.
            if (length == 0 || reinterpret_cast<uintptr_t>(units) % alignof(char16_t) != 0)
                return String();
            auto* chars = reinterpret_cast<char16_t*>(const_cast<uint8_t*>(units));
            return String(chars, chars, int32_t(length), nullptr);
        }
        offset += length * 2;
    }
    return String();
}

int32_t ResourcePack::textCount() const
{
    int32_t count = 0;
    for (const Entry& block : stringBlocks)
        for (int32_t slot = 0; slot < 16; ++slot)
            if (text((block.id - 1) * 16 + slot).length() > 0)
                ++count;
    return count;
}

const ResourcePack::Entry* ResourcePack::rawData(int32_t id) const { return find(raw, uint32_t(id) & 0xFFFF); }

bool openResourcePack(const char* fileName)
{
    if (openPack)
        return true;
    if (!fileName)
        return false;
    if (std::strchr(fileName, '/')) {
        openPack = ResourcePack::load(fileName);
    } else {
        std::string beside = besideProgram(fileName);
        if (!beside.empty())
            openPack = ResourcePack::load(beside.c_str());
        if (!openPack)
            openPack = ResourcePack::load(fileName);
    }
    return openPack != nullptr;
}

bool closeResourcePack()
{
    if (!openPack)
        return false;
    delete openPack;
    openPack = nullptr;
    return true;
}

String getText(int32_t id)
{
    if (!openPack)
        return String();
    return openPack->text(id);
}

ResourcePack* currentResourcePack() { return openPack; }

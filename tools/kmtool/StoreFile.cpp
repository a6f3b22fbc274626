#include "StoreFile.h"

#include "CommandLine.h"
#include "ToolError.h"

#include <fstream>
#include <iterator>
#include <vector>

StoreFile readStoreFile(const Arguments& arguments)
{
    CommandLine line(arguments, { "--data-dir" });
    line.expectPositionals(1, 1);
    StoreFile file;
    file.path = line.positionals()[0];
    if (line.has("--data-dir") && file.path.find('/') == std::string::npos)
        file.path = line.text("--data-dir", "") + "/" + file.path;

    std::ifstream in(file.path, std::ios::binary);
    if (!in)
        throw ToolError("cannot read " + file.path);
    in.seekg(0, std::ios::end);
    std::streamoff size = in.tellg();
    if (size < 0)
        throw ToolError("cannot read " + file.path);
    if (size > DataFile::MAX_FILE_BYTES)
        throw ToolError(file.path + " is " + std::to_string(size) + " bytes, too large for a record store");
    in.seekg(0, std::ios::beg);
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    if (size > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), size))
        throw ToolError("cannot read " + file.path);

    std::string base = file.path.substr(file.path.find_last_of('/') + 1);
    std::string suffix = RecordStore::FILE_SUFFIX;
    file.storeName = base;
    if (base.size() > suffix.size() && base.compare(base.size() - suffix.size(), suffix.size(), suffix) == 0)
        file.storeName = base.substr(0, base.size() - suffix.size());

    file.store = RecordStore::fromBytes(String(file.storeName.c_str()), bytes.data(), int32_t(bytes.size()));
    if (file.store == nullptr)
        throw ToolError(file.path
                        + " is not a well-formed record store (a negative count, or its header or an entry cut short)");
    return file;
}

std::string utf8Of(const String& text)
{
    std::string out;
    for (int32_t i = 0; i < text.length(); ++i) {
        uint32_t c = text.charAt(i);
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.length()) {
            uint32_t low = text.charAt(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        if (c >= 0xD800 && c <= 0xDFFF)
            c = 0xFFFD;
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xF0 | (c >> 18));
            out += char(0x80 | ((c >> 12) & 0x3F));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

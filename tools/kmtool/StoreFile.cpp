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


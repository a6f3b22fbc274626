#include "core/io/RecordStore.h"

#include "core/io/ByteArrayInputStream.h"
#include "core/io/ByteArrayOutputStream.h"
#include "core/runtime/DiagnosticSink.h"

#include <cstring>

namespace {

// Bytes of an entry's header: id and length.
constexpr int32_t ENTRY_HEADER_BYTES = 8;

bool readInt32(DataFile& file, int32_t& value)
{
    uint8_t bytes[4];
    if (file.read(bytes, 4) != 4)
        return false;
    value = int32_t(uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16
                    | uint32_t(bytes[3]) << 24);
    return true;
}

void putInt32(uint8_t* at, int32_t value)
{
    uint32_t bits = uint32_t(value);
    at[0] = uint8_t(bits);
    at[1] = uint8_t(bits >> 8);
    at[2] = uint8_t(bits >> 16);
    at[3] = uint8_t(bits >> 24);
}

bool rangeInside(const ByteArray& data, int32_t offset, int32_t count)
{
    if (count < 0 || offset < 0)
        return false;
    if (count == 0)
        return offset <= data.length;
    return data.data && int64_t(offset) + count <= data.length;
}

ByteArray copyOf(const ByteArray& data, int32_t offset, int32_t count)
{
    ByteArray copy;
    if (!copy.allocate(count))
        return copy;
    if (count > 0)
        std::memcpy(copy.data, data.data + offset, size_t(count));
    return copy;
}

} // namespace

RecordStore::RecordStore(const String& name, FileSystem* fileSystem)
    : name(name)
    , fileSystem(fileSystem ? fileSystem : processFileSystem())
{
}

bool RecordStore::fileNameOf(const String& name, char (&fileName)[MAX_FILE_NAME + 1])
{
    int32_t suffixLength = int32_t(std::strlen(FILE_SUFFIX));
    if (name.length() + suffixLength > MAX_FILE_NAME)
        return false;
    int32_t at = 0;
    for (int32_t i = 0; i < name.length(); ++i) {
        // A store is a file of the data directory itself: a separator or a NUL
        // would name another place, or cut the name short.
        const char c = char(uint8_t(name.charAt(i)));
        if (c == '/' || c == '\\' || c == 0)
            return false;
        fileName[at++] = c;
    }
    std::memcpy(fileName + at, FILE_SUFFIX, size_t(suffixLength) + 1);
    return true;
}

bool RecordStore::load(DataFile& file)
{
    int32_t total = file.contentSize();
    if (total == 0)
        return true;
    int32_t count = 0;
    if (!readInt32(file, count) || !readInt32(file, nextRecordId))
        return false;
    if (count < 0)
        return false;
    for (int32_t i = 0; i < count; ++i) {
        // An entry whose id cannot be read is skipped, and so is every one after it:
        // a store cut at the end of an entry keeps the complete entries before the
        // cut. Reading stops here, so a count far beyond the data costs nothing.
        int32_t id = 0;
        if (!readInt32(file, id))
            break;
        int32_t length = 0;
        if (!readInt32(file, length))
            return false;
        // Nothing is allocated beyond the bytes the file holds.
        if (length < 0 || length > total - file.getPosition())
            return false;
        ByteArray data;
        if (!data.allocate(length))
            return false;
        if (length > 0 && file.read(data.data, length) != length)
            return false;
        recordIds.add(id);
        records.add(data);
    }
    return true;
}

SharedPointer<RecordStore> RecordStore::openRecordStore(const String& name, bool createIfMissing,
                                                        FileSystem* fileSystem)
{
    char fileName[MAX_FILE_NAME + 1];
    if (!fileNameOf(name, fileName))
        return SharedPointer<RecordStore>();
    SharedPointer<RecordStore> store(new RecordStore(name, fileSystem));
    DataFile file(store->fileSystem);
    if (file.open(fileName, DataFile::MODE_READ)) {
        bool loaded = store->load(file);
        file.close();
        if (!loaded)
            return SharedPointer<RecordStore>();
    } else {
        if (!createIfMissing)
            return SharedPointer<RecordStore>();
        // A file that exists but cannot be read is not replaced by an empty one.
        if (!store->fileSystem || store->fileSystem->exists(fileName))
            return SharedPointer<RecordStore>();
        // Nothing is written yet: the file appears whole when the store is first
        // closed with a change, so no crash can leave an empty file in its place.
    }
    store->dirty = false;
    return store;
}

SharedPointer<RecordStore> RecordStore::fromBytes(const String& name, const uint8_t* bytes, int32_t n)
{
    if (n < 0 || (n > 0 && !bytes))
        return SharedPointer<RecordStore>();
    SharedPointer<RecordStore> store(new RecordStore(name, nullptr));
    DataFile file(nullptr);
    file.setContent(bytes, n);
    if (!store->load(file))
        return SharedPointer<RecordStore>();
    return store;
}

bool RecordStore::deleteRecordStore(const String& name, FileSystem* fileSystem)
{
    char fileName[MAX_FILE_NAME + 1];
    if (!fileNameOf(name, fileName))
        return false;
    return DataFile::deleteFile(fileName, fileSystem);
}

int32_t RecordStore::indexOf(int32_t id) const
{
    for (int32_t i = 0; i < recordIds.size(); ++i) {
        if (recordIds[i] == id)
            return i;
    }
    return -1;
}

int32_t RecordStore::addRecord(const ByteArray& data, int32_t offset, int32_t count)
{
    if (!rangeInside(data, offset, count) || nextRecordId == INT32_MAX)
        return -1;
    ByteArray copy = copyOf(data, offset, count);
    if (!copy.data)
        return -1;
    int32_t id = nextRecordId + 1;
    nextRecordId = id;
    recordIds.add(id);
    records.add(copy);
    dirty = true;
    return id;
}

bool RecordStore::setRecord(int32_t id, const ByteArray& data, int32_t offset, int32_t count)
{
    int32_t index = indexOf(id);
    if (index < 0 || !rangeInside(data, offset, count))
        return false;
    ByteArray copy = copyOf(data, offset, count);
    if (!copy.data)
        return false;
    records[index] = copy;
    dirty = true;
    return true;
}

ByteArray RecordStore::getRecord(int32_t id) const
{
    int32_t index = indexOf(id);
    if (index < 0)
        return ByteArray();
    return records[index];
}

SharedPointer<RecordEnumeration> RecordStore::enumerateRecords()
{
    return SharedPointer<RecordEnumeration>(new RecordEnumeration(this));
}

ByteArray RecordStore::toBytes() const
{
    int64_t total = ENTRY_HEADER_BYTES;
    for (int32_t i = 0; i < records.size(); ++i)
        total += ENTRY_HEADER_BYTES + records[i].length;
    ByteArray image;
    if (total > DataFile::MAX_FILE_BYTES || !image.allocate(int32_t(total)))
        return ByteArray();
    putInt32(image.data, recordIds.size());
    putInt32(image.data + 4, nextRecordId);
    int32_t at = ENTRY_HEADER_BYTES;
    for (int32_t i = 0; i < records.size(); ++i) {
        putInt32(image.data + at, recordIds[i]);
        putInt32(image.data + at + 4, records[i].length);
        at += ENTRY_HEADER_BYTES;
        if (records[i].length > 0)
            std::memcpy(image.data + at, records[i].data, size_t(records[i].length));
        at += records[i].length;
    }
    return image;
}

bool RecordStore::closeRecordStore()
{
    if (!dirty)
        return true;
    char fileName[MAX_FILE_NAME + 1];
    if (!fileNameOf(name, fileName))
        return false;
    ByteArray image = toBytes();
    if (!image.data)
        return false;
    DataFile file(fileSystem);
    if (!file.open(fileName, DataFile::MODE_CREATE | DataFile::MODE_WRITE))
        return false;
    if (!file.write(image.data, image.length)) {
        file.close();
        return false;
    }
    if (!file.close())
        return false;
    dirty = false;
    return true;
}

bool RecordStore::saveObject(const String& name, RecordClient& client, FileSystem* fileSystem)
{
    ByteArrayOutputStream bytes;
    DataOutputStream out(&bytes);
    if (!client.saveRecord(name, out))
        return false;
    out.flush();
    if (bytes.overflowed())
        return false;
    ByteArray data = bytes.toByteArray();
    if (!data.data)
        return false;
    SharedPointer<RecordStore> store = openRecordStore(name, /*createIfMissing=*/true, fileSystem);
    if (store == nullptr)
        return false;
    if (store->getNumRecords() > 0) {
        if (!store->setRecord(1, data, 0, data.length))
            return false;
    } else if (store->addRecord(data, 0, data.length) < 0) {
        return false;
    }
    return store->closeRecordStore();
}

bool RecordStore::loadObject(const String& name, RecordClient& client, FileSystem* fileSystem)
{
    SharedPointer<RecordStore> store = openRecordStore(name, /*createIfMissing=*/false, fileSystem);
    ByteArray data;
    if (store != nullptr)
        data = store->getRecord(1);
    bool loaded = false;
    if (data.data) {
        ByteArrayInputStream bytes(data);
        DataInputStream in(&bytes);
        loaded = client.loadRecord(name, in);
    }
    if (!loaded) {
        char fileName[MAX_FILE_NAME + 1];
        if (fileNameOf(name, fileName))
            DiagnosticSink::print("Record %.*s does not exist\n", int(name.length()), fileName);
    }
    return loaded;
}

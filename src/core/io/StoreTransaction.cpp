#include "core/io/StoreTransaction.h"

#include "core/io/ByteArrayOutputStream.h"
#include "core/io/DataFile.h"
#include "core/io/DataOutputStream.h"
#include "core/runtime/DiagnosticSink.h"

#include <cstring>
#include <zlib.h>

namespace {

constexpr uint8_t MAGIC[4] = { 'K', 'M', 'T', 'J' };
constexpr uint8_t KIND_REPLACE = 1;
constexpr uint8_t KIND_REMOVE = 2;
// Magic, version and count before the changes; the checksum after them.
constexpr int32_t HEADER_BYTES = 12;
constexpr int32_t CHECKSUM_BYTES = 4;

// The journal's checksum: zlib's CRC-32, as the PNG decoder uses for its chunks.
uint32_t crc32Of(const uint8_t* bytes, size_t n)
{
    return uint32_t(crc32(crc32(0L, Z_NULL, 0), bytes, uInt(n)));
}

void appendInt32(std::vector<uint8_t>& out, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(uint8_t(value >> shift));
}

// Reads through the journal's bytes without ever passing their end.
class Reader {
public:
    Reader(const uint8_t* bytes, int32_t n)
        : bytes(bytes)
        , end(n)
    {
    }
    bool int32(uint32_t& value)
    {
        if (end - at < 4)
            return false;
        value = uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at + 2]) << 16
            | uint32_t(bytes[at + 3]) << 24;
        at += 4;
        return true;
    }
    bool byte(uint8_t& value)
    {
        if (at >= end)
            return false;
        value = bytes[at++];
        return true;
    }
    const uint8_t* take(uint32_t n)
    {
        if (n > uint32_t(end - at))
            return nullptr;
        const uint8_t* start = bytes + at;
        at += int32_t(n);
        return start;
    }
    bool atEnd() const { return at == end; }

private:
    const uint8_t* bytes;
    int32_t end;
    int32_t at = 0;
};

bool endsWith(const char* text, const char* suffix)
{
    size_t length = std::strlen(text);
    size_t suffixLength = std::strlen(suffix);
    return length >= suffixLength && std::strcmp(text + length - suffixLength, suffix) == 0;
}

FileSystem* layerOf(FileSystem* given)
{
    return given ? given : processFileSystem();
}

} // namespace

StoreTransaction::StoreTransaction(FileSystem* fileSystem)
    : fileSystem(layerOf(fileSystem))
{
}

bool StoreTransaction::isOurFile(const char* fileName)
{
    if (!fileName)
        return false;
    if (std::strcmp(fileName, JOURNAL_FILE) == 0)
        return true;
    return std::strlen(fileName) > std::strlen(RecordStore::FILE_SUFFIX) && endsWith(fileName, RecordStore::FILE_SUFFIX);
}

bool StoreTransaction::stage(Change change)
{
    for (Change& staged : changes) {
        if (staged.fileName == change.fileName) {
            staged = change;
            return true;
        }
    }
    changes.push_back(change);
    return true;
}

bool StoreTransaction::putStore(const RecordStore& store)
{
    char fileName[RecordStore::MAX_FILE_NAME + 1];
    ByteArray image = store.toBytes();
    if (!RecordStore::fileNameOf(store.getName(), fileName) || !image.data) {
        failed = true;
        return false;
    }
    Change change;
    change.fileName = fileName;
    change.bytes = image;
    return stage(change);
}

bool StoreTransaction::putObject(const String& storeName, RecordClient& client)
{
    ByteArrayOutputStream bytes;
    DataOutputStream out(&bytes);
    bool ok = client.saveRecord(storeName, out);
    out.flush();
    ByteArray data;
    if (ok && !bytes.overflowed())
        data = bytes.toByteArray();
    SharedPointer<RecordStore> store;
    if (data.data)
        store = RecordStore::openRecordStore(storeName, /*createIfMissing=*/true, fileSystem);
    if (store == nullptr) {
        failed = true;
        return false;
    }
    // As saveObject: record 1 replaced, or added as id 1 to a store without records.
    bool put = store->getNumRecords() > 0 ? store->setRecord(1, data, 0, data.length)
                                          : store->addRecord(data, 0, data.length) >= 0;
    if (!put) {
        failed = true;
        return false;
    }
    return putStore(*store);
}

bool StoreTransaction::removeStore(const String& storeName)
{
    char fileName[RecordStore::MAX_FILE_NAME + 1];
    if (!RecordStore::fileNameOf(storeName, fileName)) {
        failed = true;
        return false;
    }
    Change change;
    change.fileName = fileName;
    change.remove = true;
    return stage(change);
}

ByteArray StoreTransaction::journalBytes() const
{
    std::vector<uint8_t> out(MAGIC, MAGIC + 4);
    appendInt32(out, JOURNAL_VERSION);
    appendInt32(out, uint32_t(changes.size()));
    for (const Change& change : changes) {
        out.push_back(change.remove ? KIND_REMOVE : KIND_REPLACE);
        appendInt32(out, uint32_t(change.fileName.size()));
        out.insert(out.end(), change.fileName.begin(), change.fileName.end());
        if (change.remove)
            continue;
        appendInt32(out, uint32_t(change.bytes.length));
        if (change.bytes.length > 0)
            out.insert(out.end(), change.bytes.data, change.bytes.data + change.bytes.length);
    }
    appendInt32(out, crc32Of(out.data(), out.size()));
    ByteArray journal;
    if (int64_t(out.size()) > DataFile::MAX_FILE_BYTES || !journal.allocate(int32_t(out.size())))
        return ByteArray();
    std::memcpy(journal.data, out.data(), out.size());
    return journal;
}

bool StoreTransaction::parseJournal(const uint8_t* bytes, int32_t n, std::vector<Change>& parsed)
{
    if (n < HEADER_BYTES + CHECKSUM_BYTES || std::memcmp(bytes, MAGIC, 4) != 0)
        return false;
    const int32_t body = n - CHECKSUM_BYTES;
    Reader checksum(bytes + body, CHECKSUM_BYTES);
    uint32_t stored = 0;
    if (!checksum.int32(stored) || stored != crc32Of(bytes, size_t(body)))
        return false;
    Reader in(bytes, body);
    uint32_t version = 0;
    uint32_t count = 0;
    if (!in.take(4) || !in.int32(version) || !in.int32(count) || version != JOURNAL_VERSION)
        return false;
    for (uint32_t i = 0; i < count; ++i) {
        uint8_t kind = 0;
        uint32_t nameLength = 0;
        if (!in.byte(kind) || (kind != KIND_REPLACE && kind != KIND_REMOVE) || !in.int32(nameLength)
            || nameLength == 0 || nameLength > uint32_t(RecordStore::MAX_FILE_NAME))
            return false;
        const uint8_t* name = in.take(nameLength);
        if (!name || std::memchr(name, 0, nameLength))
            return false;
        Change change;
        change.fileName.assign(reinterpret_cast<const char*>(name), nameLength);
        // Only our store files: a journal never reaches any other file.
        if (!endsWith(change.fileName.c_str(), RecordStore::FILE_SUFFIX) || !isOurFile(change.fileName.c_str())
            || change.fileName.find('/') != std::string::npos)
            return false;
        change.remove = kind == KIND_REMOVE;
        if (!change.remove) {
            uint32_t length = 0;
            if (!in.int32(length))
                return false;
            const uint8_t* data = in.take(length);
            if (!data || !change.bytes.allocate(int32_t(length)))
                return false;
            if (length > 0)
                std::memcpy(change.bytes.data, data, length);
        }
        parsed.push_back(change);
    }
    return in.atEnd();
}

bool StoreTransaction::writeWhole(FileSystem& files, const char* fileName, const ByteArray& bytes)
{
    DataFile file(&files);
    if (!file.open(fileName, DataFile::MODE_CREATE | DataFile::MODE_WRITE))
        return false;
    if (bytes.length > 0 && !file.write(bytes.data, bytes.length)) {
        file.close();
        return false;
    }
    return file.close();
}

bool StoreTransaction::apply(FileSystem& files, const std::vector<Change>& toApply)
{
    for (const Change& change : toApply) {
        if (change.remove) {
            if (!files.remove(change.fileName.c_str()) && files.exists(change.fileName.c_str()))
                return false;
        } else if (!writeWhole(files, change.fileName.c_str(), change.bytes)) {
            return false;
        }
    }
    return true;
}

bool StoreTransaction::commit()
{
    if (failed || !fileSystem)
        return false;
    if (changes.empty())
        return true;
    // An earlier commit that could not finish goes first, so that changes land in
    // the order they were made.
    if (recover(fileSystem) == Recovery::Failed)
        return false;
    // Every store must be writable before the journal makes the changes binding:
    // a file the layer refuses (a damaged store it keeps, say) would otherwise stop
    // the commit half-way, and the next start would write over that file.
    for (const Change& change : changes) {
        SharedPointer<FileHandle> probe = fileSystem->openForReplace(change.fileName.c_str());
        if (probe == nullptr)
            return false;
        probe->close();
    }
    ByteArray journal = journalBytes();
    if (!journal.data || !writeWhole(*fileSystem, JOURNAL_FILE, journal))
        return false;
    if (!apply(*fileSystem, changes))
        return false;
    if (!fileSystem->remove(JOURNAL_FILE) && fileSystem->exists(JOURNAL_FILE)) {
        // Every store holds its new file; a journal left now would take them back
        // to this state at the next start, over whatever is saved after it.
        DiagnosticSink::print("[StoreTransaction] cannot remove %s\n", JOURNAL_FILE);
    }
    return true;
}

StoreTransaction::Recovery StoreTransaction::recover(FileSystem* given)
{
    FileSystem* files = layerOf(given);
    if (!files || !files->exists(JOURNAL_FILE))
        return Recovery::Nothing;
    DataFile file(files);
    std::vector<uint8_t> bytes;
    bool readable = file.open(JOURNAL_FILE, DataFile::MODE_READ);
    if (readable) {
        bytes.resize(size_t(file.contentSize()));
        readable = bytes.empty() || file.read(bytes.data(), int32_t(bytes.size())) == int32_t(bytes.size());
        file.close();
    }
    std::vector<Change> pending;
    if (!readable || !parseJournal(bytes.data(), int32_t(bytes.size()), pending)) {
        DiagnosticSink::print("[StoreTransaction] %s is unreadable; removed\n", JOURNAL_FILE);
        files->remove(JOURNAL_FILE);
        return Recovery::Dropped;
    }
    if (!apply(*files, pending) || (!files->remove(JOURNAL_FILE) && files->exists(JOURNAL_FILE))) {
        DiagnosticSink::print("[StoreTransaction] cannot finish %s; kept for the next start\n", JOURNAL_FILE);
        return Recovery::Failed;
    }
    return Recovery::RolledForward;
}

int32_t StoreTransaction::removeLeftovers(FileSystem* given)
{
    FileSystem* files = layerOf(given);
    return files ? files->removeUnfinishedReplacements(&StoreTransaction::isOurFile) : 0;
}

StoreTransaction::Recovery StoreTransaction::recoverAtStart(FileSystem* given)
{
    Recovery recovery = recover(given);
    removeLeftovers(given);
    return recovery;
}

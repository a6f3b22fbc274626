#pragma once

#include "core/io/DataFile.h"
#include "core/io/RecordClient.h"
#include "core/io/RecordEnumeration.h"
#include "core/runtime/Array.h"
#include "core/runtime/Object.h"
#include "core/runtime/SharedPointer.h"
#include "core/runtime/String.h"
#include "core/runtime/Vector.h"

#include <cstdint>

// A named table of numbered byte records, read whole from the file N + "_DATA.dat"
// when opened and written whole when closed. File layout, integers 32-bit little
// endian: record count, nextRecordId, then per record its id, its length and its
// bytes. No magic, version or checksum; an empty file is an empty store.
class RecordStore : public Object {
public:
    static constexpr const char* FILE_SUFFIX = "_DATA.dat";
    // Longest file name the stores use, as on the original platform.
    static constexpr int32_t MAX_FILE_NAME = 260;

    // Empty when the file is malformed (a negative count, or a header, an entry's
    // length or its data cut short), or missing and createIfMissing is false. A
    // missing file with createIfMissing gives an empty store whose file is written,
    // whole, by the first closeRecordStore after a change; until then there is no
    // file. A file that ends before an entry's id is complete keeps the entries
    // before it.
    static SharedPointer<RecordStore> openRecordStore(const String& name, bool createIfMissing,
                                                      FileSystem* fileSystem = nullptr);
    static bool deleteRecordStore(const String& name, FileSystem* fileSystem = nullptr);
    // Parses the bytes of a store file without touching any file; empty when malformed.
    static SharedPointer<RecordStore> fromBytes(const String& name, const uint8_t* bytes, int32_t n);

    // Writes the store when it changed. False when the file could not be written
    // completely; the previous file is then left as it was.
    bool closeRecordStore();

    // The new id, or -1 when the range is outside the array or ids ran out.
    int32_t addRecord(const ByteArray& data, int32_t offset, int32_t count);
    // False when the store has no such id or the range is outside the array.
    bool setRecord(int32_t id, const ByteArray& data, int32_t offset, int32_t count);
    // The stored array itself (a change to it changes the store); empty when absent.
    ByteArray getRecord(int32_t id) const;
    int32_t getNumRecords() const { return recordIds.size(); }
    int32_t getNextRecordId() const { return nextRecordId; }
    SharedPointer<RecordEnumeration> enumerateRecords();

    int32_t recordIdAt(int32_t index) const { return recordIds[index]; }
    ByteArray recordAt(int32_t index) const { return records[index]; }
    const String& getName() const { return name; }
    bool isDirty() const { return dirty; }

    // The file image of the store, as closeRecordStore writes it.
    ByteArray toBytes() const;

    // Serialises an object through the client into record 1 of the store.
    static bool saveObject(const String& name, RecordClient& client, FileSystem* fileSystem = nullptr);
    // Hands record 1 of the store to the client. False, after the "does not exist"
    // line, when the store or record is missing or the client refuses the record.
    static bool loadObject(const String& name, RecordClient& client, FileSystem* fileSystem = nullptr);

    // The store's file name: name + "_DATA.dat", narrowed to 8 bits; false when too
    // long or when the name holds a path separator or a NUL.
    static bool fileNameOf(const String& name, char (&fileName)[MAX_FILE_NAME + 1]);

private:
    RecordStore(const String& name, FileSystem* fileSystem);
    bool load(DataFile& file);
    int32_t indexOf(int32_t id) const;

    int32_t nextRecordId = 0;
    Vector<int32_t> recordIds;
    Vector<ByteArray> records;
    String name;
    bool dirty = false;
    FileSystem* fileSystem;
};

// Feeds arbitrary bytes to the record store loader as a store file. A file that
// loads must survive being written back and reloaded unchanged.
#include "core/io/RecordStore.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > size_t(DataFile::MAX_FILE_BYTES))
        return 0;
    SharedPointer<RecordStore> store = RecordStore::fromBytes("Fuzz", data, int32_t(size));
    if (store == nullptr)
        return 0;
    int64_t total = 0;
    SharedPointer<RecordEnumeration> walk = store->enumerateRecords();
    while (walk->hasNextElement())
        total += walk->nextRecord().length;
    if (total > int64_t(size))
        __builtin_trap();
    ByteArray image = store->toBytes();
    if (!image.data)
        __builtin_trap();
    SharedPointer<RecordStore> again = RecordStore::fromBytes("Fuzz", image.data, image.length);
    if (again == nullptr || again->getNumRecords() != store->getNumRecords()
        || again->getNextRecordId() != store->getNextRecordId())
        __builtin_trap();
    for (int32_t i = 0; i < store->getNumRecords(); ++i) {
        ByteArray a = store->recordAt(i);
        ByteArray b = again->recordAt(i);
        if (a.length != b.length || (a.length > 0 && std::memcmp(a.data, b.data, size_t(a.length)) != 0))
            __builtin_trap();
    }
    return 0;
}

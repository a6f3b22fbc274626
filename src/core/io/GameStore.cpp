#include "core/io/GameStore.h"

#include "core/io/RecordStore.h"
#include "core/runtime/DiagnosticSink.h"

ByteArray GameStore::load(int32_t kind, FileSystem* fileSystem)
{
    DiagnosticSink::print("loading data for record %d\n", kind);
    ByteArray result;
    SharedPointer<RecordStore> store = RecordStore::openRecordStore(STORE_NAME, /*createIfMissing=*/true, fileSystem);
    if (store != nullptr) {
        SharedPointer<RecordEnumeration> records = store->enumerateRecords();
        while (records->hasNextElement()) {
            ByteArray record = records->nextRecord();
            if (record.length > 0 && record[0] == uint8_t(kind)) {
                if (record.length > 1 && record[1] == 1)
                    result = record;
                break;
            }
        }
    }
    if (!result.data)
        DiagnosticSink::print("Record with id %d does not exist\n", kind);
    if (store != nullptr)
        store->closeRecordStore();
    return result;
}

bool GameStore::save(int32_t kind, const ByteArray& data, FileSystem* fileSystem)
{
    DiagnosticSink::print("saving data for record %d\n", kind);
    if (data.length < 2)
        return false;
    data[0] = uint8_t(kind);
    data[1] = 1;
    SharedPointer<RecordStore> store = RecordStore::openRecordStore(STORE_NAME, /*createIfMissing=*/true, fileSystem);
    if (store == nullptr)
        return false;
    bool found = false;
    int32_t lastOfKind = 0;
    for (int32_t i = 0; i < store->getNumRecords(); ++i) {
        ByteArray record = store->recordAt(i);
        // Records too short to carry a kind are passed over, not read past.
        if (record.length > 0 && record[0] == uint8_t(kind)) {
            found = true;
            lastOfKind = store->recordIdAt(i);
        }
    }
    if (found) {
        if (!store->setRecord(lastOfKind, data, 0, data.length))
            return false;
    } else if (store->addRecord(data, 0, data.length) < 0) {
        return false;
    }
    return store->closeRecordStore();
}

#include "JsonWriter.h"
#include "StoreFile.h"
#include "Subcommands.h"

// kmtool store dump FILE [--data-dir DIR]: every record of a store file as
// {"records":[{"id":..,"length":..,"hex":".."}],"nextRecordId":..}. Read-only.
void runStoreDump(const Arguments& arguments)
{
    StoreFile file = readStoreFile(arguments);
    static const char digits[] = "0123456789abcdef";
    JsonWriter json;
    json.beginObject().key("records").beginArray();
    for (int32_t i = 0; i < file.store->getNumRecords(); ++i) {
        ByteArray record = file.store->recordAt(i);
        std::string hex;
        hex.reserve(size_t(record.length) * 2);
        for (int32_t b = 0; b < record.length; ++b) {
            hex += digits[record[b] >> 4];
            hex += digits[record[b] & 15];
        }
        json.beginObject()
            .key("id")
            .value(int64_t(file.store->recordIdAt(i)))
            .key("length")
            .value(int64_t(record.length))
            .key("hex")
            .value(hex)
            .endObject();
    }
    json.endArray().key("nextRecordId").value(int64_t(file.store->getNextRecordId())).endObject();
    json.print();
}

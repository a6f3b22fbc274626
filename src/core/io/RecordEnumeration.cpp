#include "core/io/RecordEnumeration.h"

#include "core/io/RecordStore.h"

RecordEnumeration::RecordEnumeration(RecordStore* store)
    : store(store)
{
}

bool RecordEnumeration::hasNextElement() const
{
    return index < store->getNumRecords();
}

int32_t RecordEnumeration::nextRecordId()
{
    if (!hasNextElement())
        return -1;
    return store->recordIdAt(index++);
}

ByteArray RecordEnumeration::nextRecord()
{
    if (!hasNextElement())
        return ByteArray();
    return store->recordAt(index++);
}

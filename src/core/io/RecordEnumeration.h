#pragma once

#include "core/runtime/Array.h"
#include "core/runtime/Object.h"

#include <cstdint>

class RecordStore;

// Walks a store's records in insertion order, seeing the store as it is at each
// step. The store is borrowed and must outlive the enumeration.
class RecordEnumeration : public Object {
public:
    explicit RecordEnumeration(RecordStore* store);

    bool hasNextElement() const;
    // The next id, or -1 when none is left.
    int32_t nextRecordId();
    // The next record, shared with the store; an empty array when none is left.
    ByteArray nextRecord();

private:
    RecordStore* store;
    int32_t index = 0;
};

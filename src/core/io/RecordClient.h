#pragma once

#include "core/io/DataInputStream.h"
#include "core/io/DataOutputStream.h"
#include "core/runtime/String.h"

// Writes and reads the objects kept in the named stores. The stores call it with
// the store's name; a client handles the names it knows and refuses the others.
class RecordClient {
public:
    virtual ~RecordClient() = default;

    // False when nothing should be stored under this name.
    virtual bool saveRecord(const String& storeName, DataOutputStream& out) = 0;
    // False when the name is not this client's or the record is unusable (truncated,
    // or values outside their ranges); the client's objects are then left unchanged.
    virtual bool loadRecord(const String& storeName, DataInputStream& in) = 0;
};

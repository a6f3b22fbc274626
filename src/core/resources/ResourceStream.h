#pragma once

#include "ByteSpanStream.h"

// The stream over one raw-data entry (PNG or WAV) of the open resource pack. It
// reads straight from the pack's memory and never owns it; close() only detaches.
class ResourceStream : public ByteSpanStream {
public:
    // False when no pack is open or it has no raw-data entry with the low 16 bits of id.
    bool open(int32_t id) override;
};

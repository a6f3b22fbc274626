#include "ResourceStream.h"

#include "ResourcePack.h"

bool ResourceStream::open(int32_t id)
{
    ResourcePack* pack = currentResourcePack();
    if (!pack)
        return false;
    const ResourcePack::Entry* entry = pack->rawData(id);
    if (!entry)
        return false;
    attach(entry->data, int32_t(entry->size));
    return true;
}

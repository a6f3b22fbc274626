// Feeds arbitrary bytes to the resource pack reader and touches every text and raw
// entry it indexes: any read outside the input is a sanitizer report.
#include "core/resources/ResourcePack.h"

#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::unique_ptr<ResourcePack> pack(ResourcePack::fromBytes(data, size));
    if (!pack)
        return 0;
    uint32_t sum = 0;
    for (const ResourcePack::Entry& entry : pack->rawEntries())
        for (uint32_t i = 0; i < entry.size; i += 97)
            sum += entry.data[i];
    for (int32_t id = 0; id < 4200; ++id) {
        String text = pack->text(id);
        for (int32_t i = 0; i < text.length(); ++i)
            sum += text.charAt(i);
    }
    pack->text(65535);
    return sum == 0xFFFFFFFFu ? 1 : 0;
}

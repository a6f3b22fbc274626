#pragma once

#include "core/resources/ResourcePack.h"
#include "core/resources/ResourceStream.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

// The resource pack the build makes (build dir/Kestrelmoore_res.dat), opened once
// for the tests that need real artwork.
inline bool openBuiltPack()
{
    if (currentResourcePack())
        return true;
    const std::string path = std::string(KM_BUILD_DIR) + "/Kestrelmoore_res.dat";
    return openResourcePack(path.c_str());
}

// A pack stream that counts how often an entry was opened.
struct CountingStream : ResourceStream {
    bool open(int32_t id) override
    {
        ++opens;
        return ResourceStream::open(id);
    }
    int32_t opens = 0;
};

#pragma once

#include "core/io/RecordStore.h"
#include "core/runtime/String.h"

#include <string>

#include "Subcommands.h"

// A store file named on kmtool's command line, read once and never written.
struct StoreFile {
    std::string path;
    std::string storeName; // the file name without "_DATA.dat"
    SharedPointer<RecordStore> store;
};

// Reads FILE (relative to --data-dir DIR when that is given); throws ToolError when
// it cannot be read or is not a well-formed store.
StoreFile readStoreFile(const Arguments& arguments);


#pragma once

#include "core/io/FileHandle.h"
#include "core/runtime/SharedPointer.h"

#include <cstdint>

// What the record stores need from the operating system: files named by plain
// 8-bit names (no directories) inside the game's one data directory. The host
// layer supplies the real backend and test backends.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // An empty pointer when the file is missing or cannot be read.
    virtual SharedPointer<FileHandle> openForRead(const char* name) = 0;
    // Starts a replacement of the file (created when missing); empty on failure.
    virtual SharedPointer<FileHandle> openForReplace(const char* name) = 0;
    virtual bool exists(const char* name) = 0;
    // True when the file was there and is gone.
    virtual bool remove(const char* name) = 0;

    // Removes what replacements that never finished left behind (the process died
    // between starting one and putting it in place), for the target files that
    // `wanted` accepts, and nothing else. The number of files removed. A layer whose
    // unfinished replacements vanish by themselves (memory) has nothing to remove.
    virtual int32_t removeUnfinishedReplacements(bool (*wanted)(const char* fileName))
    {
        (void)wanted;
        return 0;
    }
};

// The file layer of the process: set once at start-up by the program (and by
// tests). Without one every open fails, so data is reported absent, never faked.
FileSystem* processFileSystem();
void setProcessFileSystem(FileSystem* fileSystem);

#pragma once

#include "core/io/FileHandle.h"
#include "core/runtime/SharedPointer.h"

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
};

// The file layer of the process: set once at start-up by the program (and by
// tests). Without one every open fails, so data is reported absent, never faked.
FileSystem* processFileSystem();
void setProcessFileSystem(FileSystem* fileSystem);

#pragma once

#include "core/io/FileSystem.h"

#include <cstdint>

// Wraps another file layer and makes one step of writing fail, as a full disk, a
// failing medium or a crash would: a write that stops half-way, a sync or a rename
// that fails, or an open that is refused. Reads pass through untouched.
class FaultyFileSystem : public FileSystem {
public:
    enum class Fault { None, OpenForReplace, Write, Sync, Replace };

    explicit FaultyFileSystem(FileSystem& inner);

    // Arms a fault for every later replacement. For Fault::Write, bytesBeforeFailure
    // bytes of the replacement still reach the inner layer before writes fail.
    void arm(Fault fault, int64_t bytesBeforeFailure = 0);
    void disarm() { arm(Fault::None); }
    // How often an armed fault has fired.
    int32_t faultsFired() const { return fired; }

    SharedPointer<FileHandle> openForRead(const char* name) override;
    SharedPointer<FileHandle> openForReplace(const char* name) override;
    bool exists(const char* name) override;
    bool remove(const char* name) override;

private:
    friend class FaultyFile;

    FileSystem& inner;
    Fault fault = Fault::None;
    int64_t byteBudget = 0;
    int32_t fired = 0;
};

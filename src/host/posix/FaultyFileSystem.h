#pragma once

#include "core/io/FileSystem.h"

#include <cstdint>

// Wraps another file layer and makes one step of writing fail, as a full disk, a
// failing medium or a crash would: a write that stops half-way, a sync or a rename
// that fails, or an open that is refused. Reads pass through untouched.
//
// It can also stop the world: from a chosen step on, every step that would change
// a file fails, as if the process had been killed just before that step. Steps are
// counted across all files: starting a replacement, each write, sync and replace,
// and each remove. Running an operation with the stop at 1, 2, ... until it runs
// through visits every point at which a kill can interrupt it.
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

    // The step-th step from now (counting from 1) and every later one fail; 0 lets
    // every step through again. Resets the count of steps taken.
    void stopAtStep(int32_t step);
    // Steps that went through since the last stopAtStep.
    int32_t stepsTaken() const { return taken; }
    // Whether the world has stopped.
    bool stopped() const { return dead; }

    SharedPointer<FileHandle> openForRead(const char* name) override;
    SharedPointer<FileHandle> openForReplace(const char* name) override;
    bool exists(const char* name) override;
    bool remove(const char* name) override;
    int32_t removeUnfinishedReplacements(bool (*wanted)(const char* fileName)) override;

private:
    friend class FaultyFile;

    // False when the world has stopped at (or before) this step.
    bool takeStep();

    FileSystem& inner;
    Fault fault = Fault::None;
    int64_t byteBudget = 0;
    int32_t fired = 0;
    int32_t stopAt = 0;
    int32_t taken = 0;
    bool dead = false;
};

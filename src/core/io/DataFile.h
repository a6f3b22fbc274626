#pragma once

#include "core/io/FileHandle.h"
#include "core/io/FileSystem.h"
#include "core/runtime/Array.h"
#include "core/runtime/Object.h"
#include "core/runtime/SharedPointer.h"
#include "core/runtime/Vector.h"

#include <cstdint>

// A whole file held in memory: read at once when opened, written at once when
// flushed. Writing never changes the file in place: the bytes go to a replacement
// that takes the file's place only when close() succeeds, so a failure at any
// point leaves the previous file as it was.
class DataFile : public Object {
public:
    // Open flags.
    static constexpr int32_t MODE_CREATE = 1; // start from an empty file, created when missing
    static constexpr int32_t MODE_READ = 2;
    static constexpr int32_t MODE_WRITE = 4;

    // seek() origins.
    static constexpr int32_t SEEK_START = 1;
    static constexpr int32_t SEEK_CURRENT = 2;
    static constexpr int32_t SEEK_FROM_END = 4; // position = size - offset

    static constexpr int32_t INITIAL_CAPACITY = 1024;
    // Largest file opened at all. The game's stores hold a few kilobytes; anything
    // near this is not one of ours, and is refused before memory is asked for.
    static constexpr int64_t MAX_FILE_BYTES = 16 * 1024 * 1024;

    // Uses the process file layer unless given another.
    explicit DataFile(FileSystem* fileSystem = nullptr);
    ~DataFile() override;

    // Closes a file still open first. Without MODE_CREATE the file must exist.
    bool open(const char* name, int32_t mode);
    // Bytes in memory, or -1 when not open.
    int32_t size() const;
    // n, or -1 (copying nothing) when fewer than n bytes remain.
    int32_t read(uint8_t* into, int32_t n);
    // Overwrites at the position, appending past the end.
    bool write(const uint8_t* from, int32_t n);
    // Whether the position is inside the content afterwards; it is kept within 0..size.
    bool seek(int32_t offset, int32_t whence);
    // With MODE_WRITE, hands the content to the replacement and empties it.
    bool flush();
    // Flushes, makes the replacement durable and puts it in place. False when any
    // write, flush, sync or replace failed; the old file is then untouched.
    bool close();

    // Takes bytes as if read from a file, for parsing data that came another way.
    void setContent(const uint8_t* bytes, int32_t n);
    int32_t getPosition() const { return position; }
    // Bytes in memory whether or not a file is open.
    int32_t contentSize() const { return content.size(); }
    bool opened() const { return isOpen; }

    static bool deleteFile(const char* name, FileSystem* fileSystem = nullptr);

protected:
    virtual bool rawOpen(const char* name, int32_t mode);
    // commit: put the replacement in place (after sync) rather than discard it.
    virtual bool rawClose(bool commit);
    virtual int64_t rawSize();
    virtual int32_t rawRead(uint8_t* into, int32_t n);
    virtual bool rawWrite(const uint8_t* from, int32_t n);

private:
    bool writes() const { return (mode & (MODE_CREATE | MODE_WRITE)) != 0; }

    FileSystem* fileSystem;
    int32_t mode = 0;
    int32_t position = 0;
    Vector<uint8_t> content;
    bool isOpen = false;
    SharedPointer<FileHandle> handle;
    bool writeFailed = false;
};

#include "core/io/DataFile.h"

DataFile::DataFile(FileSystem* fileSystem)
    : fileSystem(fileSystem ? fileSystem : processFileSystem())
{
    content.reserve(INITIAL_CAPACITY);
}

DataFile::~DataFile()
{
    // Without flushing: an unfinished replacement is discarded.
    if (isOpen)
        rawClose(/*commit=*/false);
}

bool DataFile::rawOpen(const char* name, int32_t openMode)
{
    if (!fileSystem)
        return false;
    if (openMode & MODE_CREATE) {
        handle = fileSystem->openForReplace(name);
        return handle != nullptr;
    }
    if (openMode & MODE_WRITE) {
        if (!fileSystem->exists(name))
            return false;
        if (openMode & MODE_READ) {
            // The current bytes are read through a second handle; the replacement
            // gets the whole content again when flushed.
            SharedPointer<FileHandle> reader = fileSystem->openForRead(name);
            if (reader == nullptr)
                return false;
            handle = reader;
            return true;
        }
        handle = fileSystem->openForReplace(name);
        return handle != nullptr;
    }
    handle = fileSystem->openForRead(name);
    return handle != nullptr;
}

bool DataFile::rawClose(bool commit)
{
    bool ok = true;
    if (commit)
        ok = handle->sync() && handle->replace();
    handle->close();
    handle = SharedPointer<FileHandle>();
    return ok;
}

int64_t DataFile::rawSize()
{
    return handle->size();
}

int32_t DataFile::rawRead(uint8_t* into, int32_t n)
{
    return handle->read(into, n);
}

bool DataFile::rawWrite(const uint8_t* from, int32_t n)
{
    return handle->write(from, n);
}

bool DataFile::open(const char* name, int32_t openMode)
{
    if (isOpen)
        close();
    content.clear();
    position = 0;
    writeFailed = false;
    mode = openMode;
    if (!name || !rawOpen(name, openMode))
        return false;
    isOpen = true;
    if ((openMode & MODE_CREATE) || !(openMode & MODE_READ))
        return true;

    int64_t fileSize = rawSize();
    if (fileSize < 0 || fileSize > MAX_FILE_BYTES) {
        rawClose(/*commit=*/false);
        isOpen = false;
        return false;
    }
    ByteArray bytes;
    if (!bytes.allocate(int32_t(fileSize))) {
        rawClose(/*commit=*/false);
        isOpen = false;
        return false;
    }
    int32_t got = fileSize > 0 ? rawRead(bytes.data, int32_t(fileSize)) : 0;
    if (got == fileSize)
        setContent(bytes.data, got);

    if ((openMode & MODE_WRITE) && (openMode & MODE_READ)) {
        // Reading done: from here on writes go to a replacement.
        handle->close();
        handle = fileSystem->openForReplace(name);
        if (handle == nullptr) {
            isOpen = false;
            content.clear();
            return false;
        }
    }
    return true;
}

void DataFile::setContent(const uint8_t* bytes, int32_t n)
{
    content.clear();
    position = 0;
    content.reserve(n);
    for (int32_t i = 0; i < n; ++i)
        content.add(bytes[i]);
}

int32_t DataFile::size() const
{
    return isOpen ? content.size() : -1;
}

int32_t DataFile::read(uint8_t* into, int32_t n)
{
    if (n < 0 || int64_t(position) + n > content.size())
        return -1;
    for (int32_t i = 0; i < n; ++i)
        into[i] = content[position + i];
    position += n;
    return n;
}

bool DataFile::write(const uint8_t* from, int32_t n)
{
    if (n < 0 || int64_t(position) + n > MAX_FILE_BYTES)
        return false;
    for (int32_t i = 0; i < n; ++i) {
        if (position < content.size())
            content[position] = from[i];
        else
            content.add(from[i]);
        ++position;
    }
    return true;
}

bool DataFile::seek(int32_t offset, int32_t whence)
{
    int64_t target = position;
    if (whence == SEEK_START)
        target = offset;
    else if (whence == SEEK_CURRENT)
        target = int64_t(position) + offset;
    else if (whence == SEEK_FROM_END)
        target = int64_t(content.size()) - offset;
    if (target < 0)
        target = 0;
    if (target > content.size())
        target = content.size();
    position = int32_t(target);
    return position < content.size();
}

bool DataFile::flush()
{
    bool ok = true;
    if (isOpen && (mode & MODE_WRITE) && content.size() > 0) {
        // One write of the whole content, as the file is always written whole.
        ByteArray bytes;
        if (!bytes.allocate(content.size())) {
            ok = false;
        } else {
            for (int32_t i = 0; i < content.size(); ++i)
                bytes[i] = content[i];
            ok = rawWrite(bytes.data, bytes.length);
        }
    }
    if (!ok)
        writeFailed = true;
    content.clear();
    position = 0;
    return ok;
}

bool DataFile::close()
{
    if (!isOpen)
        return true;
    bool ok = flush();
    bool commit = writes() && ok && !writeFailed;
    bool closed = rawClose(commit);
    isOpen = false;
    return ok && !writeFailed && closed;
}

bool DataFile::deleteFile(const char* name, FileSystem* fileSystem)
{
    FileSystem* files = fileSystem ? fileSystem : processFileSystem();
    return files && name && files->remove(name);
}

#include "host/posix/FaultyFileSystem.h"

class FaultyFile : public FileHandle {
public:
    FaultyFile(SharedPointer<FileHandle> inner, FaultyFileSystem& owner)
        : inner(inner)
        , owner(owner)
        , budget(owner.byteBudget)
    {
    }

    int64_t size() override { return inner->size(); }
    int32_t read(uint8_t* into, int32_t n) override { return inner->read(into, n); }

    bool write(const uint8_t* from, int32_t n) override
    {
        if (owner.fault != FaultyFileSystem::Fault::Write)
            return inner->write(from, n);
        // The first part lands, the rest is lost: a disk that filled up mid-write.
        int64_t allowed = n < budget ? n : budget;
        if (allowed > 0)
            inner->write(from, int32_t(allowed));
        budget -= allowed;
        if (allowed == n)
            return true;
        ++owner.fired;
        return false;
    }

    bool sync() override
    {
        if (owner.fault == FaultyFileSystem::Fault::Sync) {
            ++owner.fired;
            return false;
        }
        return inner->sync();
    }

    bool replace() override
    {
        if (owner.fault == FaultyFileSystem::Fault::Replace) {
            ++owner.fired;
            return false;
        }
        return inner->replace();
    }

    void close() override { inner->close(); }

private:
    SharedPointer<FileHandle> inner;
    FaultyFileSystem& owner;
    int64_t budget;
};

FaultyFileSystem::FaultyFileSystem(FileSystem& inner)
    : inner(inner)
{
}

void FaultyFileSystem::arm(Fault newFault, int64_t bytesBeforeFailure)
{
    fault = newFault;
    byteBudget = bytesBeforeFailure;
}

SharedPointer<FileHandle> FaultyFileSystem::openForRead(const char* name)
{
    return inner.openForRead(name);
}

SharedPointer<FileHandle> FaultyFileSystem::openForReplace(const char* name)
{
    if (fault == Fault::OpenForReplace) {
        ++fired;
        return SharedPointer<FileHandle>();
    }
    SharedPointer<FileHandle> file = inner.openForReplace(name);
    if (file == nullptr)
        return file;
    return SharedPointer<FileHandle>(new FaultyFile(file, *this));
}

bool FaultyFileSystem::exists(const char* name)
{
    return inner.exists(name);
}

bool FaultyFileSystem::remove(const char* name)
{
    return inner.remove(name);
}

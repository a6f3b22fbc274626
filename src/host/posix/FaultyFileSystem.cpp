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
        if (!owner.takeStep())
            return false;
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
        if (!owner.takeStep())
            return false;
        if (owner.fault == FaultyFileSystem::Fault::Sync) {
            ++owner.fired;
            return false;
        }
        return inner->sync();
    }

    bool replace() override
    {
        if (!owner.takeStep())
            return false;
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

void FaultyFileSystem::stopAtStep(int32_t step)
{
    stopAt = step;
    taken = 0;
    dead = false;
}

bool FaultyFileSystem::takeStep()
{
    if (dead)
        return false;
    if (stopAt > 0 && taken + 1 >= stopAt) {
        dead = true;
        return false;
    }
    ++taken;
    return true;
}

SharedPointer<FileHandle> FaultyFileSystem::openForReplace(const char* name)
{
    if (!takeStep())
        return SharedPointer<FileHandle>();
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
    return takeStep() && inner.remove(name);
}

int32_t FaultyFileSystem::removeUnfinishedReplacements(bool (*wanted)(const char* fileName))
{
    return dead ? 0 : inner.removeUnfinishedReplacements(wanted);
}

#include "app/StoreGuard.h"

#include "core/io/RecordStore.h"

#include <cstring>

StoreGuard::StoreGuard(FileSystem* inner)
    : inner(inner)
{
}

StoreGuard::~StoreGuard() = default;

FileSystem* StoreGuard::files() const { return inner ? inner : processFileSystem(); }

void StoreGuard::protect(const String& storeName)
{
    if (!isProtected(storeName))
        protectedStores.add(storeName);
}

bool StoreGuard::isProtected(const String& storeName) const
{
    for (int32_t i = 0; i < protectedStores.size(); ++i)
        if (protectedStores[i].equals(storeName))
            return true;
    return false;
}

bool StoreGuard::isProtectedFile(const char* name) const
{
    char fileName[RecordStore::MAX_FILE_NAME + 1];
    for (int32_t i = 0; i < protectedStores.size(); ++i)
        if (RecordStore::fileNameOf(protectedStores[i], fileName) && std::strcmp(fileName, name) == 0)
            return true;
    return false;
}

bool StoreGuard::storeExists(const String& storeName)
{
    char fileName[RecordStore::MAX_FILE_NAME + 1];
    return RecordStore::fileNameOf(storeName, fileName) && exists(fileName);
}

SharedPointer<FileHandle> StoreGuard::openForRead(const char* name)
{
    FileSystem* fs = files();
    return fs ? fs->openForRead(name) : SharedPointer<FileHandle>();
}

SharedPointer<FileHandle> StoreGuard::openForReplace(const char* name)
{
    FileSystem* fs = files();
    if (!fs || isProtectedFile(name))
        return SharedPointer<FileHandle>();
    return fs->openForReplace(name);
}

bool StoreGuard::exists(const char* name)
{
    FileSystem* fs = files();
    return fs && fs->exists(name);
}

bool StoreGuard::remove(const char* name)
{
    FileSystem* fs = files();
    return fs && !isProtectedFile(name) && fs->remove(name);
}

#pragma once

#include "core/io/FileSystem.h"
#include "core/runtime/String.h"
#include "core/runtime/Vector.h"

// The file layer the game's stores go through. A store found on disk but not
// readable (a damaged file, or a record the game refuses) behaves as absent, and
// this keeps it as it is: replacing or removing its file is refused for the rest
// of the run, so nothing the game writes can destroy what is left of it.
class StoreGuard : public FileSystem {
public:
    // inner: the real file layer, not owned; null uses the process's at each call.
    explicit StoreGuard(FileSystem* inner = nullptr);
    ~StoreGuard() override;

    // Keeps the store's file from being replaced or removed.
    void protect(const String& storeName);
    bool isProtected(const String& storeName) const;
    // True when the store's file is there (readable or not).
    bool storeExists(const String& storeName);

    SharedPointer<FileHandle> openForRead(const char* name) override;
    SharedPointer<FileHandle> openForReplace(const char* name) override;
    bool exists(const char* name) override;
    bool remove(const char* name) override;

private:
    FileSystem* files() const;
    bool isProtectedFile(const char* name) const;

    FileSystem* inner;
    Vector<String> protectedStores;
};

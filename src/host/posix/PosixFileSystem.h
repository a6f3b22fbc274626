#pragma once

#include "core/io/FileSystem.h"

#include <string>

// The game's files in one directory of a POSIX file system. A file is rewritten
// by writing a hidden temporary file beside it, forcing it to disk and renaming it
// over the old one, so a crash or a full disk at any moment leaves either the old
// file or the new one, never a mix. A crash can leave the temporary file behind;
// removeUnfinishedReplacements clears those at the next start.
class PosixFileSystem : public FileSystem {
public:
    explicit PosixFileSystem(std::string directory);

    SharedPointer<FileHandle> openForRead(const char* name) override;
    SharedPointer<FileHandle> openForReplace(const char* name) override;
    bool exists(const char* name) override;
    bool remove(const char* name) override;
    // Removes the regular files named as openForReplace names its temporaries,
    // "." + target + "." + six letters or digits, whose target `wanted` accepts.
    int32_t removeUnfinishedReplacements(bool (*wanted)(const char* fileName)) override;

    // The target of a temporary file's name; empty when the name is not one.
    static std::string targetOfTemporary(const std::string& name);

    const std::string& directory() const { return root; }
    // Plain names only: no directories, no "." or "..", at most 255 bytes.
    static bool isPlainName(const char* name);

private:
    std::string pathOf(const char* name) const;

    std::string root;
};

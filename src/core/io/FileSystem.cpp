#include "core/io/FileSystem.h"

namespace {

FileSystem* current = nullptr;

} // namespace

FileSystem* processFileSystem()
{
    return current;
}

void setProcessFileSystem(FileSystem* fileSystem)
{
    current = fileSystem;
}

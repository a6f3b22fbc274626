#include "host/posix/PosixFileSystem.h"

#include <cerrno>
#include <cctype>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr size_t MAX_NAME_BYTES = 255;
// The "XXXXXX" that mkstemp fills in, and the dot before it.
constexpr size_t TEMPORARY_SUFFIX_BYTES = 7;

// Makes the renames and removals done in the directory durable, in their order:
// a change that depends on an earlier one never reaches the disk without it.
void syncDirectory(const std::string& directory)
{
    int dirFd = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        fsync(dirFd);
        ::close(dirFd);
    }
}

class PosixFile : public FileHandle {
public:
    // A reader of path, or a writer of the temporary tempPath meant to replace path.
    PosixFile(int fd, std::string path, std::string tempPath, std::string directory)
        : fd(fd)
        , path(std::move(path))
        , tempPath(std::move(tempPath))
        , directory(std::move(directory))
    {
    }
    ~PosixFile() override { close(); }

    int64_t size() override
    {
        struct stat info;
        if (fd < 0 || fstat(fd, &info) != 0)
            return -1;
        return int64_t(info.st_size);
    }

    int32_t read(uint8_t* into, int32_t n) override
    {
        if (fd < 0 || n < 0)
            return -1;
        int32_t got = 0;
        while (got < n) {
            ssize_t r = ::read(fd, into + got, size_t(n - got));
            if (r < 0 && errno == EINTR)
                continue;
            if (r < 0)
                return -1;
            if (r == 0)
                break;
            got += int32_t(r);
        }
        return got;
    }

    bool write(const uint8_t* from, int32_t n) override
    {
        if (fd < 0 || tempPath.empty() || n < 0)
            return false;
        int32_t put = 0;
        while (put < n) {
            ssize_t w = ::write(fd, from + put, size_t(n - put));
            if (w < 0 && errno == EINTR)
                continue;
            if (w <= 0)
                return false; // ENOSPC, EIO, ...
            put += int32_t(w);
        }
        return true;
    }

    bool sync() override
    {
        if (fd < 0)
            return false;
        return fsync(fd) == 0;
    }

    bool replace() override
    {
        if (fd < 0 || tempPath.empty())
            return false;
        if (::close(fd) != 0) {
            fd = -1;
            return false;
        }
        fd = -1;
        if (rename(tempPath.c_str(), path.c_str()) != 0)
            return false;
        tempPath.clear();
        // The new file is in place whatever this returns, so its failure is not
        // reported as a failed save.
        syncDirectory(directory);
        return true;
    }

    void close() override
    {
        if (fd >= 0) {
            ::close(fd);
            fd = -1;
        }
        if (!tempPath.empty()) {
            unlink(tempPath.c_str());
            tempPath.clear();
        }
    }

private:
    int fd;
    std::string path;
    std::string tempPath; // empty for readers and once the replacement is in place
    std::string directory;
};

} // namespace

PosixFileSystem::PosixFileSystem(std::string directory)
    : root(std::move(directory))
{
}

bool PosixFileSystem::isPlainName(const char* name)
{
    if (!name || !*name)
        return false;
    size_t length = std::strlen(name);
    if (length > MAX_NAME_BYTES || std::strchr(name, '/'))
        return false;
    return std::strcmp(name, ".") != 0 && std::strcmp(name, "..") != 0;
}

std::string PosixFileSystem::pathOf(const char* name) const
{
    return root + "/" + name;
}

SharedPointer<FileHandle> PosixFileSystem::openForRead(const char* name)
{
    if (!isPlainName(name))
        return SharedPointer<FileHandle>();
    std::string path = pathOf(name);
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return SharedPointer<FileHandle>();
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return SharedPointer<FileHandle>();
    }
    return SharedPointer<FileHandle>(new PosixFile(fd, path, std::string(), root));
}

SharedPointer<FileHandle> PosixFileSystem::openForReplace(const char* name)
{
    if (!isPlainName(name))
        return SharedPointer<FileHandle>();
    // Same directory as the target, so that the rename never crosses file systems.
    // targetOfTemporary reads this name back.
    std::string temp = root + "/." + name + ".XXXXXX";
    int fd = mkstemp(&temp[0]);
    if (fd < 0)
        return SharedPointer<FileHandle>();
    return SharedPointer<FileHandle>(new PosixFile(fd, pathOf(name), temp, root));
}

bool PosixFileSystem::exists(const char* name)
{
    if (!isPlainName(name))
        return false;
    struct stat info;
    return stat(pathOf(name).c_str(), &info) == 0;
}

bool PosixFileSystem::remove(const char* name)
{
    if (!isPlainName(name))
        return false;
    if (unlink(pathOf(name).c_str()) != 0)
        return false;
    syncDirectory(root);
    return true;
}

std::string PosixFileSystem::targetOfTemporary(const std::string& name)
{
    if (name.size() < 1 + 1 + TEMPORARY_SUFFIX_BYTES || name[0] != '.')
        return std::string();
    const size_t suffixAt = name.size() - TEMPORARY_SUFFIX_BYTES;
    if (name[suffixAt] != '.')
        return std::string();
    // mkstemp fills in letters and digits only.
    for (size_t i = suffixAt + 1; i < name.size(); ++i) {
        if (!std::isalnum(static_cast<unsigned char>(name[i])))
            return std::string();
    }
    return name.substr(1, suffixAt - 1);
}

int32_t PosixFileSystem::removeUnfinishedReplacements(bool (*wanted)(const char* fileName))
{
    DIR* folder = opendir(root.c_str());
    if (!folder)
        return 0;
    std::vector<std::string> doomed;
    while (const dirent* entry = readdir(folder)) {
        std::string target = targetOfTemporary(entry->d_name);
        if (target.empty() || !isPlainName(target.c_str()) || !wanted || !wanted(target.c_str()))
            continue;
        // Only files: a directory or a link that happens to match is not ours.
        struct stat info;
        if (lstat(pathOf(entry->d_name).c_str(), &info) == 0 && S_ISREG(info.st_mode))
            doomed.push_back(entry->d_name);
    }
    closedir(folder);
    int32_t removed = 0;
    for (const std::string& name : doomed) {
        if (unlink(pathOf(name.c_str()).c_str()) == 0)
            ++removed;
    }
    return removed;
}

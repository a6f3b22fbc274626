#include "host/posix/HandHistoryFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* FILE_PREFIX = "kestrelmoore-";
constexpr const char* FILE_SUFFIX = ".txt";
constexpr const char* HAND_MARKER = "PokerStars Hand #";
// How far back a torn tail is looked for; a hand is a few kilobytes at most.
constexpr off_t TAIL_WINDOW = 64 * 1024;

std::string reason(const std::string& what, const std::string& path)
{
    return what + " " + path + ": " + std::strerror(errno);
}

bool writeAll(int fd, const char* data, size_t n)
{
    while (n > 0) {
        ssize_t w = ::write(fd, data, n);
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0)
            return false; // ENOSPC, EIO, ...
        data += w;
        n -= size_t(w);
    }
    return true;
}

// Makes a new or renamed entry of directory survive a power cut.
void syncDirectory(const std::string& directory)
{
    int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        ::close(fd);
    }
}

std::string parentOf(const std::string& path)
{
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// The length the file should have: all of it when it ends with a whole hand (or is
// empty), else up to the last empty line, else -1 when no hand end lies in the window
// (or the tail cannot be read).
off_t wholeLength(int fd, off_t size)
{
    if (size == 0)
        return 0;
    off_t from = std::max<off_t>(0, size - TAIL_WINDOW);
    std::string tail(size_t(size - from), '\0');
    if (pread(fd, &tail[0], tail.size(), from) != ssize_t(tail.size()))
        return -1;
    size_t end = tail.rfind("\n\n");
    if (end == std::string::npos)
        return from == 0 ? 0 : -1;
    return from + off_t(end) + 2;
}

bool appendTo(int fd, const std::string& path, const std::string& text, std::string& error)
{
    struct stat info;
    if (fstat(fd, &info) != 0) {
        error = reason("cannot read", path);
        return false;
    }
    off_t size = info.st_size;
    off_t whole = wholeLength(fd, size);
    std::string out = text;
    if (whole < 0) {
        out = "\n\n" + text; // no hand end in sight: keep what is there, start afresh after it
    } else if (whole < size) {
        if (ftruncate(fd, whole) != 0) {
            error = reason("cannot cut the torn hand from", path);
            return false;
        }
        size = whole;
    }
    if (!writeAll(fd, out.data(), out.size())) {
        error = reason("cannot write", path);
        if (ftruncate(fd, size) != 0)
            error += " (a part of the hand may be left)";
        return false;
    }
    if (fsync(fd) != 0) {
        error = reason("cannot sync", path);
        return false;
    }
    return true;
}

} // namespace

HandHistoryFile::HandHistoryFile(std::string dataDirectory)
    : folderPath(std::move(dataDirectory) + "/" + FOLDER)
{
}

std::string HandHistoryFile::fileNameFor(int64_t utcMillis)
{
    time_t seconds = time_t(utcMillis >= 0 ? utcMillis / 1000 : (utcMillis - 999) / 1000);
    struct tm local;
    if (!localtime_r(&seconds, &local))
        return std::string(FILE_PREFIX) + "unknown-date" + FILE_SUFFIX;
    char name[64];
    std::snprintf(name, sizeof name, "%s%04d-%02d-%02d%s", FILE_PREFIX, local.tm_year + 1900,
        local.tm_mon + 1, local.tm_mday, FILE_SUFFIX);
    return name;
}

bool HandHistoryFile::makeFolder()
{
    if (mkdir(folderPath.c_str(), 0755) == 0) {
        syncDirectory(parentOf(folderPath));
        return true;
    }
    struct stat info;
    if (errno == EEXIST && stat(folderPath.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        return true;
    error = reason("cannot make the folder", folderPath);
    return false;
}

bool HandHistoryFile::appendWhole(const std::string& path, const std::string& text, std::string& error)
{
    struct stat info;
    bool existed = stat(path.c_str(), &info) == 0;
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = reason("cannot open", path);
        return false;
    }
    bool ok = appendTo(fd, path, text, error);
    ::close(fd);
    if (ok && !existed)
        syncDirectory(parentOf(path));
    return ok;
}

bool HandHistoryFile::append(const std::string& hand, int64_t startMillis)
{
    if (!makeFolder())
        return false;
    return appendWhole(folderPath + "/" + fileNameFor(startMillis), hand, error);
}

int64_t HandHistoryFile::highestHandNumber(const std::string& folder)
{
    int64_t highest = 0;
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return 0;
    size_t prefix = std::strlen(FILE_PREFIX);
    size_t suffix = std::strlen(FILE_SUFFIX);
    while (struct dirent* entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (name.size() < prefix + suffix || name.compare(0, prefix, FILE_PREFIX) != 0
            || name.compare(name.size() - suffix, suffix, FILE_SUFFIX) != 0)
            continue;
        std::ifstream in(folder + "/" + name, std::ios::binary);
        std::string line;
        while (std::getline(in, line)) {
            if (line.compare(0, std::strlen(HAND_MARKER), HAND_MARKER) != 0)
                continue;
            long long n = std::strtoll(line.c_str() + std::strlen(HAND_MARKER), nullptr, 10);
            highest = std::max<int64_t>(highest, n);
        }
    }
    closedir(dir);
    return highest;
}

int64_t HandHistoryFile::nextHandNumber()
{
    if (!makeFolder())
        return -1;
    std::string path = folderPath + "/" + COUNTER;
    int64_t next = 0;
    {
        std::ifstream in(path, std::ios::binary);
        std::string text;
        if (in && std::getline(in, text) && !text.empty() && text.size() <= 18
            && text.find_first_not_of("0123456789") == std::string::npos)
            next = std::strtoll(text.c_str(), nullptr, 10);
    }
    // Missing or damaged: carry on after the hands already written.
    if (next < 1)
        next = highestHandNumber(folderPath) + 1;

    std::string temp = path + ".tmp";
    std::string text = std::to_string(next + 1) + "\n";
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    bool ok = fd >= 0 && writeAll(fd, text.data(), text.size()) && fsync(fd) == 0;
    if (fd >= 0 && ::close(fd) != 0)
        ok = false;
    if (!ok || rename(temp.c_str(), path.c_str()) != 0) {
        error = reason("cannot save the counter", path);
        unlink(temp.c_str());
        return -1;
    }
    syncDirectory(folderPath);
    return next;
}

#include "host/posix/InstanceLock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace {

// A second start may come while the first is between taking the lock and opening
// its FIFO: try for up to 20 x 25 ms before giving the request up.
constexpr int RAISE_ATTEMPTS = 20;
constexpr long RAISE_RETRY_NS = 25L * 1000 * 1000;

// Opens path as a FIFO, never following a symbolic link or accepting another kind
// of file that someone put there.
int openFifo(const std::string& path, int mode)
{
    int fd = open(path.c_str(), mode | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return -1;
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISFIFO(info.st_mode)) {
        close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}

void sendRaise(const std::string& path)
{
    for (int attempt = 0; attempt < RAISE_ATTEMPTS; ++attempt) {
        int fd = openFifo(path, O_WRONLY);
        if (fd >= 0) {
            // A full FIFO (EAGAIN) already holds requests enough.
            const char request = 'r';
            ssize_t written = write(fd, &request, 1);
            (void)written;
            close(fd);
            return;
        }
        // ENXIO: no reader yet; ENOENT: the FIFO is not made yet.
        if (errno != ENXIO && errno != ENOENT)
            return;
        struct timespec pause = {0, RAISE_RETRY_NS};
        nanosleep(&pause, nullptr);
    }
}

} // namespace

InstanceLock::InstanceLock(std::string directory)
    : directory(std::move(directory))
{
}

InstanceLock::~InstanceLock()
{
    stopListening();
    if (fifoFd >= 0)
        close(fifoFd);
    // The lock file stays: removing it would let a third process lock a new file
    // while a second still waits on the old one.
    if (lockFd >= 0)
        close(lockFd);
}

InstanceLock::Result InstanceLock::acquire(std::string& error)
{
    if (lockFd >= 0)
        return Result::Acquired;
    std::string lockPath = directory + "/" + LOCK_FILE;
    int fd = open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        error = "cannot open " + lockPath + ": " + std::strerror(errno);
        return Result::Unavailable;
    }
    int locked;
    do
        locked = flock(fd, LOCK_EX | LOCK_NB);
    while (locked != 0 && errno == EINTR);
    std::string fifoPath = directory + "/" + RAISE_FIFO;
    if (locked != 0) {
        int reason = errno;
        close(fd);
        if (reason == EWOULDBLOCK) {
            sendRaise(fifoPath);
            return Result::Taken;
        }
        error = "cannot lock " + lockPath + ": " + std::strerror(reason);
        return Result::Unavailable;
    }
    lockFd = fd;
    // Opened for reading and writing at once: requests queue in the FIFO from now
    // on, and the reader never sees end-of-file when a sender closes.
    if (mkfifo(fifoPath.c_str(), 0600) != 0 && errno != EEXIST)
        return Result::Acquired;
    fifoFd = openFifo(fifoPath, O_RDWR);
    return Result::Acquired;
}

bool InstanceLock::listen(std::function<void()> callback)
{
    stopListening();
    if (fifoFd < 0)
        return false;
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0)
        return false;
    wakeRead = ends[0];
    wakeWrite = ends[1];
    onRaise = std::move(callback);
    listener = std::thread([this] { listenLoop(); });
    return true;
}

void InstanceLock::listenLoop()
{
    for (;;) {
        struct pollfd watched[2] = {{fifoFd, POLLIN, 0}, {wakeRead, POLLIN, 0}};
        if (poll(watched, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (watched[1].revents != 0)
            return;
        if (watched[0].revents & (POLLERR | POLLNVAL))
            return;
        if (watched[0].revents & POLLIN) {
            char drained[64];
            while (read(fifoFd, drained, sizeof drained) > 0) {
            }
            if (onRaise)
                onRaise();
        }
    }
}

void InstanceLock::stopListening()
{
    if (listener.joinable()) {
        const char stop = 's';
        ssize_t written = write(wakeWrite, &stop, 1);
        (void)written;
        listener.join();
    }
    if (wakeRead >= 0) {
        close(wakeRead);
        close(wakeWrite);
        wakeRead = wakeWrite = -1;
    }
}

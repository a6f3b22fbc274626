#pragma once

#include <functional>
#include <string>
#include <thread>

// One running game per data directory. The first process holds an exclusive
// flock on LOCK_FILE in the directory for as long as it runs (the kernel drops it
// when the process dies, so a crash leaves no stale lock). A second process finds
// the lock taken, writes one byte into the FIFO RAISE_FIFO beside it to ask the
// first to come forward, and gives up.
class InstanceLock {
public:
    static constexpr const char* LOCK_FILE = "kestrelmoore.lock";
    static constexpr const char* RAISE_FIFO = "kestrelmoore.raise";

    enum class Result {
        Acquired,    // this process owns the directory now
        Taken,       // another process owns it and was asked to come forward
        Unavailable, // the lock file cannot be made or locked (error says why)
    };

    explicit InstanceLock(std::string directory);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    Result acquire(std::string& error);
    bool owned() const { return lockFd >= 0; }

    // The owner: onRaise runs on a listener thread once for each burst of raise
    // requests, also for those that came before listen was called. The thread
    // sleeps in poll() between requests. onRaise must be safe to call from another
    // thread. False when the FIFO could not be made (no raise requests then).
    bool listen(std::function<void()> onRaise);
    // Stops the listener thread; done by the destructor too. Call it before
    // destroying what onRaise uses (the window).
    void stopListening();

private:
    void listenLoop();

    std::string directory;
    int lockFd = -1;
    int fifoFd = -1;
    int wakeRead = -1;  // the pipe that tells the listener to stop
    int wakeWrite = -1;
    std::function<void()> onRaise;
    std::thread listener;
};

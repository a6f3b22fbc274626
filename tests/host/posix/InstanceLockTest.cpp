#include "host/posix/InstanceLock.h"

#include "core/io/TempDirectory.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace {

// Counts raise callbacks coming from the listener thread.
class RaiseCount {
public:
    void raised()
    {
        std::lock_guard<std::mutex> guard(lock);
        ++count;
        changed.notify_all();
    }
    // True once at least n requests arrived; gives up after 5 s so that a lost
    // request fails the test instead of hanging it.
    bool reaches(int n)
    {
        std::unique_lock<std::mutex> guard(lock);
        return changed.wait_for(guard, std::chrono::seconds(5), [&] { return count >= n; });
    }

private:
    std::mutex lock;
    std::condition_variable changed;
    int count = 0;
};

} // namespace

TEST(InstanceLockTest, OneOwnerPerDirectoryAndLaterStartsRaiseIt)
{
    TempDirectory dir;
    TempDirectory otherDir;
    std::string error;
    auto first = std::make_unique<InstanceLock>(dir.path);
    ASSERT_EQ(first->acquire(error), InstanceLock::Result::Acquired) << error;

    // A start between the first's lock and its listener: the request waits.
    InstanceLock early(dir.path);
    EXPECT_EQ(early.acquire(error), InstanceLock::Result::Taken);
    EXPECT_FALSE(early.owned());

    RaiseCount raises;
    ASSERT_TRUE(first->listen([&] { raises.raised(); }));
    EXPECT_TRUE(raises.reaches(1));
    InstanceLock second(dir.path);
    EXPECT_EQ(second.acquire(error), InstanceLock::Result::Taken);
    EXPECT_TRUE(raises.reaches(2));

    InstanceLock elsewhere(otherDir.path);
    EXPECT_EQ(elsewhere.acquire(error), InstanceLock::Result::Acquired);

    // The owner ends (its listener stops with it): the directory is free again.
    first.reset();
    InstanceLock next(dir.path);
    EXPECT_EQ(next.acquire(error), InstanceLock::Result::Acquired);

    InstanceLock missing(dir.path + "/no/such/dir");
    EXPECT_EQ(missing.acquire(error), InstanceLock::Result::Unavailable);
    EXPECT_NE(error.find("no/such/dir"), std::string::npos);
}

#pragma once

#include <cstdlib>
#include <ctime>
#include <string>

// Sets an environment variable for one test and puts the old value back. The time
// zone is read again both ways, so TZ can be set like any other.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value)
        : name(name)
    {
        const char* old = std::getenv(name);
        hadOld = old != nullptr;
        if (old)
            oldValue = old;
        set(value);
    }
    ~ScopedEnv() { set(hadOld ? oldValue.c_str() : nullptr); }

private:
    void set(const char* value)
    {
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
        tzset();
    }

    const char* name;
    bool hadOld = false;
    std::string oldValue;
};

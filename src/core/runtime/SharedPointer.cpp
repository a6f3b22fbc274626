#include "SharedPointer.h"

#include <cstdio>

void throwNullPointer()
{
    static const char message[] = "SharedPointer - NullPointerException";
    std::printf("%s\n", message);
    std::fflush(stdout);
    throw static_cast<const char*>(message);
}

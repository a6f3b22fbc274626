#include "RefCount.h"

void RefCount::destroy()
{
    delete this;
}

int32_t RefCount::addRef()
{
    ++useCount;
    ++blockCount;
    return useCount;
}

int32_t RefCount::release()
{
    --useCount;
    --blockCount;
    if (blockCount <= 0) {
        destroy();
        return 0;
    }
    return useCount;
}

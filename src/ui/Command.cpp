#include "ui/Command.h"

Command::Command(const String& label, int32_t type, int32_t priority)
    : label(label)
    , type(type)
    , priority(priority)
{
}

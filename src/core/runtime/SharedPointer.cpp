#include "SharedPointer.h"

#include "DiagnosticSink.h"

void throwNullPointer()
{
    static const char message[] = "SharedPointer - NullPointerException";
    DiagnosticSink::print("%s\n", message);
    DiagnosticSink::flush();
    throw static_cast<const char*>(message);
}

#include "DiagnosticSink.h"

#include <cstdarg>

namespace {

FILE* current = nullptr; // null: stdout, which is not a constant to initialise from

} // namespace

void DiagnosticSink::print(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(stream(), format, arguments);
    va_end(arguments);
}

void DiagnosticSink::flush()
{
    std::fflush(stream());
}

FILE* DiagnosticSink::useStream(FILE* stream)
{
    FILE* before = DiagnosticSink::stream();
    current = stream;
    return before;
}

FILE* DiagnosticSink::stream()
{
    return current ? current : stdout;
}

#pragma once

#include <cstdio>

// Where the library's diagnostic lines go: the fixed messages of failed decodes,
// loads and misuse that the player never sees. The game prints them on stdout; a
// tool whose stdout carries data sends them to stderr instead. One stream for the
// whole process, chosen at start-up.
class DiagnosticSink {
public:
    // printf-style; the format carries its own line feed.
    static void print(const char* format, ...) __attribute__((format(printf, 1, 2)));
    // Pushes out what is buffered, before a throw that may end the process.
    static void flush();

    // The stream that receives the lines from now on (null restores stdout);
    // returns the one used before.
    static FILE* useStream(FILE* stream);
    static FILE* stream();
};

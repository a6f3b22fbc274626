#include "SoundOutput.h"

namespace {
SoundOutput* current = nullptr;
}

void SoundOutput::install(SoundOutput* output) { current = output; }

SoundOutput* SoundOutput::installed() { return current; }

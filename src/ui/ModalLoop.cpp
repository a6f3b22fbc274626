#include "ui/ModalLoop.h"

#include "core/runtime/Clock.h"

namespace {

ModalLoop* installed = nullptr;
int64_t modalEnd = 0;

} // namespace

ModalLoop* currentModalLoop() { return installed; }
void setCurrentModalLoop(ModalLoop* loop) { installed = loop; }

int64_t lastModalEnd() { return modalEnd; }
void setLastModalEnd(int64_t millis) { modalEnd = millis; }
void stampModalEnd() { modalEnd = currentTimeMillis(); }

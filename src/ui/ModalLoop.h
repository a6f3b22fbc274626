#pragma once

#include <cstdint>
#include <functional>

// A nested message loop for the modal alert and the popup menu: runWhile pumps the
// window's events (keys, pointer, paints; no ticks) until condition() turns false.
// It may also return early when the window is closing; callers treat that as a
// dismissal.
class ModalLoop {
public:
    virtual ~ModalLoop() = default;
    virtual void runWhile(const std::function<bool()>& condition) = 0;
};

// The process-wide loop, installed by the message loop's owner; null before (the
// modals then do not block: an alert stays up until the window dismisses it, a
// popup menu returns -1 at once).
ModalLoop* currentModalLoop();
void setCurrentModalLoop(ModalLoop* loop);

// When the last modal interaction (alert or popup menu) started or ended, in
// currentTimeMillis. The window procedure's input guard drops keyboard and pointer
// input until more than 200 ms have passed since then.
int64_t lastModalEnd();
void setLastModalEnd(int64_t millis);
// Stamps lastModalEnd with the current time.
void stampModalEnd();

#pragma once

#include "host/HostWindow.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

struct SDL_Window;
struct SDL_Surface;
union SDL_Event;
class SdlGamepad;

// The game's window on the desktop. The frame is drawn by the game in software;
// this window shows it on its own surface (no OpenGL, no SDL renderer: a bare
// window stays near 10 MB where a renderer pulls in a GL driver of 100 MB) at the
// largest whole-number scale that fits, nearest-neighbour, centred on black.
//
// Keys the window keeps for itself: F11 toggles desktop full screen (the frame at
// the largest whole scale the screen takes, the rest black); Ctrl+1 .. Ctrl+9
// become a FrameSize event with the nine sizes of FrameSizes.
//
// waitEvent returns input first, then a pending Paint (one however many repaint
// requests came, also after an expose or a resize), then the timeout, as a Windows
// message queue gives WM_PAINT and WM_TIMER only when no input waits. It sleeps in
// SDL_WaitEventTimeout in between.
class SdlWindow : public HostWindow {
public:
    // The desktop file's name: kestrelmoore.desktop.
    static constexpr const char* APP_ID = "kestrelmoore";

    // Opens the window for a frame of width x height (one of FrameSizes) at the
    // largest whole scale that fits within 90% of the usable desktop (WindowFit).
    // Null, with the reason in error, when there is no display or the window
    // cannot be made.
    static std::unique_ptr<SdlWindow> open(int32_t width, int32_t height, std::string& error);

    // The frame size of a first start on the first display (WindowFit::firstStart).
    // False when there is no display.
    static bool defaultFrameSize(int32_t& width, int32_t& height);

    ~SdlWindow() override;
    SdlWindow(const SdlWindow&) = delete;
    SdlWindow& operator=(const SdlWindow&) = delete;

    bool waitEvent(int64_t deadline, HostEvent& event) override;
    int32_t frameWidth() const override { return width; }
    int32_t frameHeight() const override { return height; }
    // Outside full screen and maximised, the window takes the size it would open
    // at for the new frame, around the same centre; full screen, once F11 leaves it.
    void setFrameSize(int32_t newWidth, int32_t newHeight) override;
    void setTextInput(bool on) override;
    void vibrate(int32_t duration) override;
    void raise() override;
    void requestRepaint(int32_t, int32_t) override { paintPending = true; }
    void showFrame(const uint8_t* pixels, int32_t frameWidth, int32_t frameHeight) override;

    // Safe from any thread (the one-instance lock's listener): the window comes
    // forward during its next wait.
    void requestRaise();

    // The whole-number scale the frame is shown at now.
    int32_t scale() const;

private:
    SdlWindow(SDL_Window* window, int32_t width, int32_t height);

    // Turns one SDL event into zero or more host events at the end of the queue.
    void translate(const SDL_Event& sdlEvent);
    void translateKey(const SDL_Event& sdlEvent);
    void translateButton(const SDL_Event& sdlEvent);
    void push(HostEvent::Type type);
    void setActive(bool nowActive);
    // Frame pixel under a window position; false outside the frame.
    bool toFrame(int32_t windowX, int32_t windowY, int32_t& x, int32_t& y) const;
    // Sizes the window for the frame as it would open, around the same centre.
    void fitToFrame();
    void present();
    // The shake and the controller's rumble: stepped and ended by the clock.
    void runEffects(int64_t now);
    int64_t nextEffectTime() const;
    void stopRumble();

    SDL_Window* window;
    uint32_t raiseEventType;
    int32_t width;
    int32_t height;
    std::deque<HostEvent> queue;
    bool paintPending = true;
    bool active = true;
    bool textInputOn = false;
    bool pointerDown = false;
    uint32_t swallowedKeys = 0; // bit n: the release of digit n belongs to a Ctrl+n
    bool fitWhenWindowed = false; // the frame changed while full screen or maximised

    // The last frame as the game gave it (blue, green, red) and converted once to
    // the window surface's pixel format.
    std::vector<uint8_t> frame;
    std::vector<uint8_t> converted;
    uint32_t convertedFormat = 0;
    bool haveFrame = false;

    int64_t shakeEnd = -1;     // -1: no shake
    int64_t nextShakeStep = 0;
    int32_t shakeOffset = 0;   // in frame pixels, added to x
    std::unique_ptr<SdlGamepad> gamepad;
    int64_t rumbleEnd = -1;
};

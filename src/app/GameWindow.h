#pragma once

#include "host/HostEvent.h"
#include "app/ControllerHost.h"
#include "app/input/KeyEventTarget.h"
#include "ui/ModalLoop.h"

#include <cstdint>
#include <functional>

class Display;
class HostWindow;
class KeyMapper;
class Screen;

// The game's side of the one window: the window procedure that turns host events
// into game events, the 100 ms frame timer, the paint path, and the message loop
// that the modal alert and popup menu run nested.
//
// Everything runs on one thread. The timer is not a separate clock: the loop
// waits for events with the next tick as its deadline, so an idle game sleeps.
class GameWindow : public ModalLoop, public KeyEventTarget, public ControllerHost {
public:
    static constexpr int64_t INPUT_GUARD = 200;       // ms of dropped input after a modal closes

    // What the window procedure needs of the rest of the game. The entry fills it
    // once the controller, display and key mapper exist.
    struct Hooks {
        std::function<Screen*()> currentScreen;
        std::function<void()> start;                   // the controller's start
        std::function<void()> pause;                   // the controller's pause
        std::function<void()> activated;               // apply the game volume
        std::function<void()> deactivated;             // stop the sound
        std::function<void(int32_t, int32_t)> frameSizeChosen; // Ctrl+1..9: remember the choice
    };

    explicit GameWindow(HostWindow& window);
    ~GameWindow() override;
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    // keys translates the window's keys (null: keys are ignored).
    void attach(Display* display, KeyMapper* keys, Hooks hooks);

    // Runs the message loop until the window is closed: starts the controller
    // first if it is not running yet. Returns the quit code (0).
    int run();

    // ModalLoop: pumps events (no ticks while a modal is up) until condition()
    // is false or the window closes.
    void runWhile(const std::function<bool()>& condition) override;

    // The window procedure: one host event.
    void dispatch(const HostEvent& event);

    // The frame timer, started and stopped by the controller.
    void startTimer();
    void stopTimer();
    bool timerRunning() const { return timerOn; }

    // ControllerHost.
    void setFrameTimer(bool on) override { on ? startTimer() : stopTimer(); }
    void postClose() override { quit(); }
    void setTextInput(bool on) override;

    // Asks the window to close, as the window's close button does.
    void quit();
    bool isClosing() const { return closing; }

    // KeyEventTarget. Events go to the shown popup menu if there is one, else to
    // the current screen. Keyboard and pointer input counts only once more than
    // 200 ms have passed since the last modal alert or popup menu started or ended.
    bool sendEvent(int32_t type, int32_t p1, int32_t p2) override;
    bool passesInputGuard() override;
    bool isOverlayShown() override;
    // Releases the shown alert; the repaint this asks for also ends its modal loop.
    void dismissOverlay() override;

    // Composes the current screen, the alert and the popup menu into the frame and
    // presents it.
    void paint();

    bool isStarted() const { return started; }
    HostWindow& host() { return window; }

private:
    // Waits for one event or the next tick and handles it. False once closing.
    bool pumpOne();
    void tick();
    void activate();
    void deactivate();
    void pointer(int32_t type, int32_t x, int32_t y, bool dismisses);

    HostWindow& window;
    Display* display = nullptr;
    KeyMapper* keys = nullptr;
    Hooks hooks;
    bool started = false;
    bool timerOn = false;
    bool closing = false;
    int64_t nextTick = 0;
};

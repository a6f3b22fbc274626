#include "app/GameWindow.h"

#include "core/lcdui/2d/Display.h"
#include "core/lcdui/2d/ScreenSurface.h"
#include "core/runtime/Clock.h"
#include "host/HostWindow.h"
#include "app/input/KeyMapper.h"
#include "app/input/PadMapping.h"
#include "ui/Events.h"
#include "ui/PopupMenu.h"
#include "ui/Screen.h"

GameWindow::GameWindow(HostWindow& window)
    : window(window)
{
}

GameWindow::~GameWindow()
{
    if (currentModalLoop() == this)
        setCurrentModalLoop(nullptr);
}

void GameWindow::attach(Display* attachedDisplay, KeyMapper* keyMapper, Hooks attachedHooks)
{
    display = attachedDisplay;
    keys = keyMapper;
    hooks = std::move(attachedHooks);
    setCurrentModalLoop(this);
}

int GameWindow::run()
{
    if (!started && hooks.start) {
        started = true;
        hooks.start();
    }
    while (pumpOne()) {
    }
    return 0;
}

void GameWindow::runWhile(const std::function<bool()>& condition)
{
    while (condition() && pumpOne()) {
    }
}

bool GameWindow::pumpOne()
{
    if (closing)
        return false;
    HostEvent event;
    int64_t deadline = timerOn ? nextTick : -1;
    if (window.waitEvent(deadline, event))
        dispatch(event);
    else if (timerOn && currentTimeMillis() >= nextTick)
        tick();

    // The text-input method is up exactly while the screen takes typed text.
    Screen* screen = hooks.currentScreen ? hooks.currentScreen() : nullptr;
    window.setTextInput(screen && screen->wantsTextInput() && !isOverlayShown());
    return !closing;
}

void GameWindow::tick()
{
    int64_t now = currentTimeMillis();
    nextTick += FRAME_INTERVAL_MS;
    if (nextTick <= now) // fell behind (the machine slept): no burst of catch-up ticks
        nextTick = now + FRAME_INTERVAL_MS;
    // Ticks stop while an alert or popup menu is up; the screen below is frozen.
    if (!display || isOverlayShown() || PopupMenu::current())
        return;
    sendEvent(EVENT_TICK, 0, 0);
}

void GameWindow::startTimer()
{
    timerOn = true;
    nextTick = currentTimeMillis() + FRAME_INTERVAL_MS;
}

void GameWindow::stopTimer()
{
    timerOn = false;
}

void GameWindow::setTextInput(bool on)
{
    window.setTextInput(on);
}

void GameWindow::quit()
{
    stopTimer();
    HostEvent close;
    close.type = HostEvent::Type::Close;
    dispatch(close);
}

bool GameWindow::sendEvent(int32_t type, int32_t p1, int32_t p2)
{
    if (PopupMenu* popup = PopupMenu::current()) {
        if (type == EVENT_TICK)
            return false;
        return popup->handleEvent(type, p1, p2);
    }
    Screen* screen = hooks.currentScreen ? hooks.currentScreen() : nullptr;
    return screen ? screen->handleEvent(type, p1, p2) : false;
}

bool GameWindow::passesInputGuard()
{
    // Signed difference: a modal end stamped in the future fails the guard too.
    int64_t since = currentTimeMillis() - lastModalEnd();
    return since > INPUT_GUARD;
}

bool GameWindow::isOverlayShown()
{
    return display && display->hasOverlay();
}

void GameWindow::dismissOverlay()
{
    if (!display)
        return;
    display->clearOverlay();
    if (display->getSurface())
        display->getSurface()->requestRepaint();
}

void GameWindow::pointer(int32_t type, int32_t x, int32_t y, bool dismisses)
{
    if (!display || !passesInputGuard())
        return;
    if (isOverlayShown()) {
        if (dismisses)
            dismissOverlay();
        return;
    }
    sendEvent(type, x, y);
}

void GameWindow::dispatch(const HostEvent& event)
{
    switch (event.type) {
    case HostEvent::Type::KeyDown:
        if (display && keys)
            keys->keyDown(event.key, *this);
        break;
    case HostEvent::Type::KeyUp:
        if (display && keys)
            keys->keyUp(event.key, *this);
        break;
    case HostEvent::Type::Character:
        // Events carry one UTF-16 unit; nothing the game can draw lies beyond them.
        if (display && keys && event.character <= 0xFFFF)
            keys->character(static_cast<int32_t>(event.character), *this);
        break;
    case HostEvent::Type::PadDown:
        if (display && keys)
            PadMapping::press(event.key, *keys, *this);
        break;
    case HostEvent::Type::PadUp:
        if (display && keys)
            PadMapping::release(event.key, *keys, *this);
        break;
    case HostEvent::Type::PointerPressed:
        pointer(EVENT_POINTER_PRESSED, event.x, event.y, /*dismisses=*/true);
        break;
    case HostEvent::Type::PointerReleased:
        pointer(EVENT_POINTER_RELEASED, event.x, event.y, /*dismisses=*/false);
        break;
    case HostEvent::Type::PointerMoved:
        pointer(EVENT_POINTER_DRAGGED, event.x, event.y, /*dismisses=*/false);
        break;
    case HostEvent::Type::Activated:
        activate();
        break;
    case HostEvent::Type::Deactivated:
        deactivate();
        break;
    case HostEvent::Type::Paint:
        paint();
        break;
    case HostEvent::Type::FrameSize:
        if (!display)
            break;
        window.setFrameSize(event.width, event.height);
        if (hooks.frameSizeChosen)
            hooks.frameSizeChosen(event.width, event.height);
        // Fresh metrics: new surface, new tables, every screen and a shown alert
        // laid out again.
        display->setMetrics(DisplayMetrics(window.frameWidth(), window.frameHeight()));
        if (display->getSurface())
            display->getSurface()->requestRepaint();
        break;
    case HostEvent::Type::Close:
        if (started) {
            started = false;
            if (hooks.pause)
                hooks.pause();
        }
        stopTimer();
        closing = true;
        break;
    case HostEvent::Type::None:
        break;
    }
}

void GameWindow::activate()
{
    if (hooks.activated)
        hooks.activated();
    if (!started) {
        started = true;
        if (hooks.start)
            hooks.start();
    }
}

void GameWindow::deactivate()
{
    if (started) {
        started = false;
        if (hooks.pause)
            hooks.pause();
    }
    if (hooks.deactivated)
        hooks.deactivated();
}

void GameWindow::paint()
{
    if (!display)
        return;
    ScreenSurface* surface = display->getSurface();
    if (!surface)
        return;
    if (Screen* screen = hooks.currentScreen ? hooks.currentScreen() : nullptr)
        screen->paint(*surface);
    if (isOverlayShown())
        display->getOverlay()->paint(*surface);
    PopupMenu::paintCurrent(*surface);
    surface->present();
}

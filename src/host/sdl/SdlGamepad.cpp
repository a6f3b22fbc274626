#include "host/sdl/SdlGamepad.h"

#include <SDL.h>

#include <algorithm>
#include <cstdlib>

namespace {

bool repeats(int32_t button)
{
    return (button >= SDL_CONTROLLER_BUTTON_DPAD_UP && button <= SDL_CONTROLLER_BUTTON_DPAD_RIGHT)
        || button == SDL_CONTROLLER_BUTTON_LEFTSHOULDER || button == SDL_CONTROLLER_BUTTON_RIGHTSHOULDER;
}

// How far the stick points towards a D-pad direction.
int32_t along(int32_t button, int32_t x, int32_t y)
{
    switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP: return -y;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return y;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return -x;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return x;
    default: return 0;
    }
}

} // namespace

SdlGamepad::SdlGamepad()
{
    // Controllers already plugged in arrive as SDL_CONTROLLERDEVICEADDED events.
    initialised = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
}

SdlGamepad::~SdlGamepad()
{
    stopRumble();
    for (SDL_GameController* controller : controllers)
        SDL_GameControllerClose(controller);
    if (initialised)
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

int32_t SdlGamepad::stickDirection(int32_t x, int32_t y, int32_t current)
{
    if (current != NO_DIRECTION && along(current, x, y) > STICK_RELEASE)
        return current;
    const int32_t ax = std::abs(x);
    const int32_t ay = std::abs(y);
    if (std::max(ax, ay) < STICK_PRESS)
        return NO_DIRECTION;
    if (ax > ay)
        return x > 0 ? SDL_CONTROLLER_BUTTON_DPAD_RIGHT : SDL_CONTROLLER_BUTTON_DPAD_LEFT;
    return y > 0 ? SDL_CONTROLLER_BUTTON_DPAD_DOWN : SDL_CONTROLLER_BUTTON_DPAD_UP;
}

bool SdlGamepad::translate(const SDL_Event& event, std::deque<HostEvent>& queue, int64_t now)
{
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
        if (SDL_GameController* controller = SDL_GameControllerOpen(event.cdevice.which)) {
            // The same device can be announced twice (at start and by hot-plug).
            if (std::find(controllers.begin(), controllers.end(), controller) == controllers.end())
                controllers.push_back(controller);
            else
                SDL_GameControllerClose(controller);
        }
        return true;
    case SDL_CONTROLLERDEVICEREMOVED:
        removed(event.cdevice.which, queue);
        return true;
    case SDL_CONTROLLERBUTTONDOWN:
        down(event.cbutton.button, queue, now);
        return true;
    case SDL_CONTROLLERBUTTONUP:
        up(event.cbutton.button, queue);
        return true;
    case SDL_CONTROLLERAXISMOTION:
        switch (event.caxis.axis) {
        case SDL_CONTROLLER_AXIS_LEFTX:
            stickX = event.caxis.value;
            stickMoved(queue, now);
            break;
        case SDL_CONTROLLER_AXIS_LEFTY:
            stickY = event.caxis.value;
            stickMoved(queue, now);
            break;
        case SDL_CONTROLLER_AXIS_TRIGGERLEFT:
            if (!triggerDown && event.caxis.value >= TRIGGER_PRESS) {
                triggerDown = true;
                down(HostEvent::PAD_LEFT_TRIGGER, queue, now);
            } else if (triggerDown && event.caxis.value < TRIGGER_RELEASE) {
                triggerDown = false;
                up(HostEvent::PAD_LEFT_TRIGGER, queue);
            }
            break;
        default:
            break;
        }
        return true;
    default:
        return false;
    }
}

void SdlGamepad::stickMoved(std::deque<HostEvent>& queue, int64_t now)
{
    const int32_t direction = stickDirection(stickX, stickY, stickButton);
    if (direction == stickButton)
        return;
    if (stickButton != NO_DIRECTION)
        up(stickButton, queue);
    stickButton = direction;
    if (direction != NO_DIRECTION)
        down(direction, queue, now);
}

void SdlGamepad::down(int32_t button, std::deque<HostEvent>& queue, int64_t now)
{
    HostEvent event;
    event.type = HostEvent::Type::PadDown;
    event.key = button;
    queue.push_back(event);
    if (!repeats(button))
        return;
    held.erase(std::remove_if(held.begin(), held.end(), [button](const Held& h) { return h.button == button; }),
               held.end());
    held.push_back({button, now + REPEAT_DELAY_MS});
}

void SdlGamepad::up(int32_t button, std::deque<HostEvent>& queue)
{
    held.erase(std::remove_if(held.begin(), held.end(), [button](const Held& h) { return h.button == button; }),
               held.end());
    HostEvent event;
    event.type = HostEvent::Type::PadUp;
    event.key = button;
    queue.push_back(event);
}

void SdlGamepad::removed(int32_t instanceId, std::deque<HostEvent>& queue)
{
    for (auto it = controllers.begin(); it != controllers.end(); ++it) {
        SDL_Joystick* joystick = SDL_GameControllerGetJoystick(*it);
        if (joystick && SDL_JoystickInstanceID(joystick) == instanceId) {
            SDL_GameControllerClose(*it);
            controllers.erase(it);
            break;
        }
    }
    // What the unplugged pad held is let go, so nothing goes on repeating.
    while (!held.empty())
        up(held.back().button, queue);
    if (triggerDown)
        up(HostEvent::PAD_LEFT_TRIGGER, queue);
    triggerDown = false;
    stickButton = NO_DIRECTION;
    stickX = stickY = 0;
}

void SdlGamepad::repeat(int64_t now, std::deque<HostEvent>& queue)
{
    for (Held& h : held) {
        if (now < h.nextRepeat)
            continue;
        HostEvent event;
        event.type = HostEvent::Type::PadDown;
        event.key = h.button;
        queue.push_back(event);
        // A late wake (the machine was busy) gives one repeat, not a burst.
        h.nextRepeat = std::max(h.nextRepeat + REPEAT_INTERVAL_MS, now + 1);
    }
}

int64_t SdlGamepad::nextRepeatTime() const
{
    int64_t next = -1;
    for (const Held& h : held) {
        if (next < 0 || h.nextRepeat < next)
            next = h.nextRepeat;
    }
    return next;
}

bool SdlGamepad::rumble(int32_t duration)
{
    for (SDL_GameController* controller : controllers) {
        if (SDL_GameControllerRumble(controller, 0xFFFF, 0xFFFF, Uint32(duration)) == 0)
            return true;
    }
    return false;
}

void SdlGamepad::stopRumble()
{
    for (SDL_GameController* controller : controllers)
        SDL_GameControllerRumble(controller, 0, 0, 0);
}

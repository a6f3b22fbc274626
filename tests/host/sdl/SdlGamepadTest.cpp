#include "host/sdl/SdlGamepad.h"

#include <SDL.h>

#include <gtest/gtest.h>

#include <deque>

namespace {

using Type = HostEvent::Type;

// Pumps SDL's queue through the gamepad as the window does.
void pump(SdlGamepad& pad, std::deque<HostEvent>& out, int64_t now)
{
    SDL_JoystickUpdate();
    SDL_GameControllerUpdate();
    SDL_Event event;
    while (SDL_PollEvent(&event))
        pad.translate(event, out, now);
}

std::string describe(const std::deque<HostEvent>& events)
{
    std::string text;
    for (const HostEvent& e : events)
        text += (e.type == Type::PadDown ? "+" : e.type == Type::PadUp ? "-" : "?") + std::to_string(e.key) + " ";
    return text;
}

} // namespace

TEST(SdlGamepadTest, StickHysteresis)
{
    const int32_t none = SdlGamepad::NO_DIRECTION;
    EXPECT_EQ(SdlGamepad::stickDirection(-5000, -20000, none), SDL_CONTROLLER_BUTTON_DPAD_UP);
    // Held until its own axis is back inside the release zone, even when the
    // other axis is now the stronger one.
    EXPECT_EQ(SdlGamepad::stickDirection(12000, 30000, SDL_CONTROLLER_BUTTON_DPAD_RIGHT),
              SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    EXPECT_EQ(SdlGamepad::stickDirection(9000, 30000, SDL_CONTROLLER_BUTTON_DPAD_RIGHT),
              SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    EXPECT_EQ(SdlGamepad::stickDirection(9000, 0, SDL_CONTROLLER_BUTTON_DPAD_RIGHT), none);
}

// A virtual controller plugged in, played and unplugged: SDL's own game controller
// path from device to host events.
TEST(SdlGamepadTest, VirtualControllerButtonsStickTriggerRepeatAndUnplug)
{
    SDL_SetHint(SDL_HINT_JOYSTICK_HIDAPI, "0");
    SdlGamepad pad;
    std::deque<HostEvent> events;
    const int device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                                 SDL_CONTROLLER_BUTTON_MAX, 0);
    ASSERT_GE(device, 0) << SDL_GetError();
    SDL_Joystick* joystick = SDL_JoystickOpen(device);
    ASSERT_NE(joystick, nullptr) << SDL_GetError();
    pump(pad, events, 0);
    ASSERT_EQ(pad.controllerCount(), 1);
    EXPECT_TRUE(events.empty()) << describe(events);

    SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_A, 1);
    pump(pad, events, 0);
    SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_A, 0);
    SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_START, 1);
    pump(pad, events, 0);
    EXPECT_EQ(describe(events), "+0 -0 +6 ");
    events.clear();

    // The stick: inside the dead zone nothing, then left, repeated while held.
    SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTX, -8000);
    pump(pad, events, 1000);
    EXPECT_TRUE(events.empty()) << describe(events);
    SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTX, -30000);
    pump(pad, events, 1000);
    EXPECT_EQ(describe(events), "+13 ");
    EXPECT_EQ(pad.nextRepeatTime(), 1000 + SdlGamepad::REPEAT_DELAY_MS);
    events.clear();
    pad.repeat(1399, events);
    pad.repeat(1400, events);
    pad.repeat(1400 + SdlGamepad::REPEAT_INTERVAL_MS, events);
    EXPECT_EQ(describe(events), "+13 +13 ");
    events.clear();
    SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTX, 0);
    pump(pad, events, 2000);
    EXPECT_EQ(describe(events), "-13 ");
    EXPECT_EQ(pad.nextRepeatTime(), -1);
    events.clear();

    // The trigger pulled and let go; the D-pad held when the pad is unplugged is released.
    SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_TRIGGERLEFT, 30000);
    pump(pad, events, 3000);
    // A virtual trigger rests at the low end of the joystick's axis range.
    SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_TRIGGERLEFT, -32768);
    SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_START, 0);
    SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_DPAD_DOWN, 1);
    pump(pad, events, 3000);
    EXPECT_EQ(describe(events), "+32 -32 -6 +12 ");
    events.clear();
    SDL_JoystickClose(joystick);
    SDL_JoystickDetachVirtual(device);
    pump(pad, events, 3100);
    EXPECT_EQ(pad.controllerCount(), 0);
    EXPECT_EQ(describe(events), "-12 ");
    EXPECT_EQ(pad.nextRepeatTime(), -1);
}

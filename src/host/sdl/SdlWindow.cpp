#include "host/sdl/SdlWindow.h"

#include "core/runtime/Clock.h"
#include "host/FrameSizes.h"
#include "host/sdl/SdlGamepad.h"
#include "host/sdl/SdlKeyTable.h"
#include "host/sdl/WindowFit.h"

#include <SDL.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

constexpr const char* TITLE = "Kestrelmoore";

// The shake that stands in for a vibrator: the frame jumps two frame pixels left
// and right every 40 ms.
constexpr int32_t SHAKE_PIXELS = 2;
constexpr int64_t SHAKE_STEP_MS = 40;

// What the window manager leaves of a display for windows (panels and docks taken
// off), else the whole display.
bool usableArea(int display, SDL_Rect& area)
{
    if (SDL_GetDisplayUsableBounds(display, &area) == 0)
        return true;
    return SDL_GetDisplayBounds(display, &area) == 0;
}

WindowFit::Area areaOf(const SDL_Rect& rect)
{
    return WindowFit::Area{ rect.w, rect.h };
}

// The next code point of UTF-8 text, advancing at; 0 at the end. Broken sequences
// yield U+FFFD, which no font draws, so the game ignores them.
uint32_t nextCodePoint(const unsigned char*& at)
{
    uint32_t lead = *at;
    if (lead == 0)
        return 0;
    ++at;
    if (lead < 0x80)
        return lead;
    int more = lead >= 0xF0 && lead < 0xF8 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (more < 0)
        return 0xFFFD;
    uint32_t code = lead & (0x3F >> more);
    for (int i = 0; i < more; ++i) {
        if ((*at & 0xC0) != 0x80)
            return 0xFFFD;
        code = (code << 6) | (*at++ & 0x3F);
    }
    return code;
}

} // namespace

std::unique_ptr<SdlWindow> SdlWindow::open(int32_t width, int32_t height, std::string& error)
{
    // The window surface is a plain X image: no GL context and no driver behind it.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // A card game left idle must not keep the screen saver away.
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    // The X11 window class and the Wayland app id name the desktop file, whatever
    // the program file is called. SDL reads both from the environment; a value
    // the user set stays.
    setenv("SDL_VIDEO_X11_WMCLASS", APP_ID, /*overwrite=*/0);
    setenv("SDL_VIDEO_WAYLAND_WMCLASS", APP_ID, /*overwrite=*/0);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        error = std::string("cannot open the display: ") + SDL_GetError();
        return nullptr;
    }
    SDL_Rect area;
    const int32_t scale = usableArea(0, area) ? WindowFit::windowScale({ width, height }, areaOf(area)) : 1;
    SDL_Window* window = SDL_CreateWindow(TITLE, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                          width * scale, height * scale, SDL_WINDOW_RESIZABLE);
    if (!window) {
        error = std::string("cannot create the window: ") + SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return nullptr;
    }
    SDL_SetWindowMinimumSize(window, width, height);
    return std::unique_ptr<SdlWindow>(new SdlWindow(window, width, height));
}

bool SdlWindow::defaultFrameSize(int32_t& width, int32_t& height)
{
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        return false;
    SDL_Rect screen;
    SDL_Rect usable;
    const bool known = SDL_GetDisplayBounds(0, &screen) == 0 && usableArea(0, usable);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    if (!known)
        return false;
    const WindowFit::Choice choice = WindowFit::firstStart(areaOf(screen), areaOf(usable));
    width = choice.frame.width;
    height = choice.frame.height;
    return true;
}

SdlWindow::SdlWindow(SDL_Window* window, int32_t width, int32_t height)
    : window(window)
    , raiseEventType(SDL_RegisterEvents(1))
    , width(width)
    , height(height)
    , gamepad(new SdlGamepad)
{
    // SDL starts with text input on; the game turns it on where it wants it.
    SDL_StopTextInput();
}

SdlWindow::~SdlWindow()
{
    stopRumble();
    SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

bool SdlWindow::waitEvent(int64_t deadline, HostEvent& event)
{
    SDL_Event sdlEvent;
    for (;;) {
        while (queue.empty() && SDL_PollEvent(&sdlEvent))
            translate(sdlEvent);
        if (!queue.empty()) {
            event = queue.front();
            queue.pop_front();
            return true;
        }
        if (paintPending) {
            paintPending = false;
            event = HostEvent();
            event.type = HostEvent::Type::Paint;
            return true;
        }
        const int64_t now = currentTimeMillis();
        runEffects(now);
        gamepad->repeat(now, queue);
        if (!queue.empty())
            continue;
        if (deadline >= 0 && now >= deadline)
            return false;
        int64_t wake = nextEffectTime();
        const int64_t repeatAt = gamepad->nextRepeatTime();
        if (repeatAt >= 0 && (wake < 0 || repeatAt < wake))
            wake = repeatAt;
        if (deadline >= 0 && (wake < 0 || deadline < wake))
            wake = deadline;
        const int timeout = wake < 0 ? -1 : int(std::min<int64_t>(std::max<int64_t>(wake - now, 0), INT_MAX));
        if (gamepad->controllerCount() > 0) {
            // With a controller connected SDL's own wait polls it every millisecond
            // (2.3% of a core, measured); a sleep of a 60 Hz frame between our own
            // polls costs 0.4% and is still quicker than any player.
            SDL_Delay(Uint32(timeout < 0 ? SdlGamepad::PAD_POLL_MS : std::min(timeout, SdlGamepad::PAD_POLL_MS)));
            continue;
        }
        if (SDL_WaitEventTimeout(&sdlEvent, timeout))
            translate(sdlEvent);
    }
}

void SdlWindow::push(HostEvent::Type type)
{
    HostEvent event;
    event.type = type;
    queue.push_back(event);
}

void SdlWindow::setActive(bool nowActive)
{
    if (active == nowActive)
        return;
    active = nowActive;
    push(nowActive ? HostEvent::Type::Activated : HostEvent::Type::Deactivated);
}

void SdlWindow::translate(const SDL_Event& sdlEvent)
{
    if (sdlEvent.type == raiseEventType) {
        raise();
        return;
    }
    if (gamepad->translate(sdlEvent, queue, currentTimeMillis()))
        return;
    switch (sdlEvent.type) {
    case SDL_QUIT:
        // Also the last window's close button and SIGINT/SIGTERM.
        push(HostEvent::Type::Close);
        return;
    case SDL_WINDOWEVENT:
        switch (sdlEvent.window.event) {
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            paintPending = true;
            return;
        case SDL_WINDOWEVENT_FOCUS_LOST:
        case SDL_WINDOWEVENT_MINIMIZED:
            pointerDown = false;
            setActive(false);
            return;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
        case SDL_WINDOWEVENT_RESTORED:
            setActive(true);
            return;
        default:
            return;
        }
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        translateKey(sdlEvent);
        return;
    case SDL_TEXTINPUT: {
        if (!textInputOn)
            return;
        const unsigned char* at = reinterpret_cast<const unsigned char*>(sdlEvent.text.text);
        while (uint32_t code = nextCodePoint(at)) {
            HostEvent event;
            event.type = HostEvent::Type::Character;
            event.character = code;
            queue.push_back(event);
        }
        return;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        translateButton(sdlEvent);
        return;
    case SDL_MOUSEMOTION: {
        if (!pointerDown)
            return;
        HostEvent event;
        event.type = HostEvent::Type::PointerMoved;
        toFrame(sdlEvent.motion.x, sdlEvent.motion.y, event.x, event.y);
        queue.push_back(event);
        return;
    }
    default:
        return;
    }
}

void SdlWindow::translateKey(const SDL_Event& sdlEvent)
{
    const SDL_Keysym& key = sdlEvent.key.keysym;
    const bool down = sdlEvent.type == SDL_KEYDOWN;
    if (key.sym == SDLK_F11) {
        if (down && !sdlEvent.key.repeat) {
            const bool full = (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) == SDL_WINDOW_FULLSCREEN_DESKTOP;
            SDL_SetWindowFullscreen(window, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
            // A size picked while full screen shapes the window it returns to.
            if (full && fitWhenWindowed)
                fitToFrame();
        }
        return;
    }
    // Windows reports keys pressed with Alt as system keys, which the game leaves alone.
    if (key.mod & KMOD_LALT)
        return;
    const int32_t virtualKey = SdlKeyTable::virtualKey(key.sym, key.scancode);
    if (virtualKey == 0)
        return;
    const int32_t digit = virtualKey - '0';
    if (digit >= 1 && digit <= FrameSizes::COUNT) {
        const uint32_t bit = 1u << digit;
        if (down && (key.mod & KMOD_CTRL)) {
            swallowedKeys |= bit;
            if (!sdlEvent.key.repeat) {
                HostEvent event;
                event.type = HostEvent::Type::FrameSize;
                event.width = FrameSizes::ALL[digit - 1].width;
                event.height = FrameSizes::ALL[digit - 1].height;
                queue.push_back(event);
            }
            return;
        }
        if (!down && (swallowedKeys & bit)) {
            swallowedKeys &= ~bit;
            return;
        }
    }
    HostEvent event;
    event.type = down ? HostEvent::Type::KeyDown : HostEvent::Type::KeyUp;
    event.key = virtualKey;
    queue.push_back(event);
    // Outside text input a key still types its character, right after its press,
    // as on Windows: the table's digit keys, the amount, the hidden sequences.
    if (down && !textInputOn) {
        if (const uint32_t typed = SdlKeyTable::typedCharacter(key.sym, key.mod)) {
            HostEvent character;
            character.type = HostEvent::Type::Character;
            character.character = typed;
            queue.push_back(character);
        }
    }
}

void SdlWindow::translateButton(const SDL_Event& sdlEvent)
{
    if (sdlEvent.button.button != SDL_BUTTON_LEFT)
        return;
    HostEvent event;
    const bool inside = toFrame(sdlEvent.button.x, sdlEvent.button.y, event.x, event.y);
    if (sdlEvent.type == SDL_MOUSEBUTTONDOWN) {
        // A press on the black border is no press in the game.
        if (!inside)
            return;
        pointerDown = true;
        event.type = HostEvent::Type::PointerPressed;
    } else {
        // A drag that left the frame ends on its edge.
        if (!pointerDown)
            return;
        pointerDown = false;
        event.type = HostEvent::Type::PointerReleased;
    }
    queue.push_back(event);
}

int32_t SdlWindow::scale() const
{
    int windowWidth = 0;
    int windowHeight = 0;
    SDL_GetWindowSize(window, &windowWidth, &windowHeight);
    return WindowFit::fillScale({ width, height }, { windowWidth, windowHeight });
}

bool SdlWindow::toFrame(int32_t windowX, int32_t windowY, int32_t& x, int32_t& y) const
{
    int windowWidth = 0;
    int windowHeight = 0;
    SDL_GetWindowSize(window, &windowWidth, &windowHeight);
    const int32_t s = scale();
    const int32_t left = (windowWidth - width * s) / 2;
    const int32_t top = (windowHeight - height * s) / 2;
    const int32_t dx = windowX - left;
    const int32_t dy = windowY - top;
    const bool inside = dx >= 0 && dy >= 0 && dx < width * s && dy < height * s;
    x = std::min(std::max(dx, 0) / s, width - 1);
    y = std::min(std::max(dy, 0) / s, height - 1);
    return inside;
}

void SdlWindow::setFrameSize(int32_t newWidth, int32_t newHeight)
{
    if (newWidth <= 0 || newHeight <= 0)
        return;
    width = newWidth;
    height = newHeight;
    haveFrame = false;
    SDL_SetWindowMinimumSize(window, width, height);
    paintPending = true;
    // Full screen and maximised the window keeps the screen and the frame takes the
    // new scale; otherwise it becomes the new frame's window, as it would open.
    if (SDL_GetWindowFlags(window) & (SDL_WINDOW_FULLSCREEN | SDL_WINDOW_MAXIMIZED)) {
        fitWhenWindowed = true;
        return;
    }
    fitToFrame();
}

void SdlWindow::fitToFrame()
{
    fitWhenWindowed = false;
    const int display = std::max(SDL_GetWindowDisplayIndex(window), 0);
    SDL_Rect area;
    if (!usableArea(display, area))
        return;
    const int32_t s = WindowFit::windowScale({ width, height }, areaOf(area));
    int x = 0;
    int y = 0;
    int oldWidth = 0;
    int oldHeight = 0;
    SDL_GetWindowPosition(window, &x, &y);
    SDL_GetWindowSize(window, &oldWidth, &oldHeight);
    const int newWindowWidth = width * s;
    const int newWindowHeight = height * s;
    SDL_SetWindowSize(window, newWindowWidth, newWindowHeight);
    // Same centre as before, moved back onto the usable area where it sticks out.
    const int left = std::max(area.x, std::min(x + (oldWidth - newWindowWidth) / 2, area.x + area.w - newWindowWidth));
    const int top = std::max(area.y, std::min(y + (oldHeight - newWindowHeight) / 2, area.y + area.h - newWindowHeight));
    SDL_SetWindowPosition(window, left, top);
}

void SdlWindow::setTextInput(bool on)
{
    if (on == textInputOn)
        return;
    textInputOn = on;
    if (on)
        SDL_StartTextInput();
    else
        SDL_StopTextInput();
}

void SdlWindow::raise()
{
    if (SDL_GetWindowFlags(window) & SDL_WINDOW_MINIMIZED)
        SDL_RestoreWindow(window);
    SDL_RaiseWindow(window);
}

void SdlWindow::requestRaise()
{
    SDL_Event event;
    SDL_zero(event);
    event.type = raiseEventType;
    SDL_PushEvent(&event);
}

void SdlWindow::showFrame(const uint8_t* pixels, int32_t frameWidth, int32_t frameHeight)
{
    if (frameWidth != width || frameHeight != height)
        setFrameSize(frameWidth, frameHeight);
    frame.assign(pixels, pixels + size_t(width) * height * 3);
    haveFrame = true;
    convertedFormat = 0;
    present();
}

void SdlWindow::present()
{
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (!surface)
        return;
    const int32_t s = scale();
    const int32_t scaledWidth = width * s;
    const int32_t scaledHeight = height * s;
    const int32_t left = (surface->w - scaledWidth) / 2 + shakeOffset * s;
    const int32_t top = (surface->h - scaledHeight) / 2;
    const Uint32 black = SDL_MapRGB(surface->format, 0, 0, 0);
    if (!haveFrame) {
        SDL_FillRect(surface, nullptr, black);
        SDL_UpdateWindowSurface(window);
        return;
    }
    // Black around the frame: above, below, left, right.
    SDL_Rect border[4] = {
        {0, 0, surface->w, top},
        {0, top + scaledHeight, surface->w, surface->h - top - scaledHeight},
        {0, top, left, scaledHeight},
        {left + scaledWidth, top, surface->w - left - scaledWidth, scaledHeight},
    };
    for (const SDL_Rect& rect : border) {
        if (rect.w > 0 && rect.h > 0)
            SDL_FillRect(surface, &rect, black);
    }

    const int bytes = surface->format->BytesPerPixel;
    if (convertedFormat != surface->format->format) {
        converted.resize(size_t(width) * height * bytes);
        if (SDL_ConvertPixels(width, height, SDL_PIXELFORMAT_BGR24, frame.data(), width * 3,
                              surface->format->format, converted.data(), width * bytes) != 0)
            return;
        convertedFormat = surface->format->format;
    }
    // The visible part of the scaled frame, in surface columns and rows.
    const int32_t firstColumn = std::max(left, 0);
    const int32_t endColumn = std::min(left + scaledWidth, surface->w);
    const int32_t firstRow = std::max(top, 0);
    const int32_t endRow = std::min(top + scaledHeight, surface->h);
    if (firstColumn >= endColumn || firstRow >= endRow)
        return;
    if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0)
        return;
    std::vector<uint8_t> row(size_t(scaledWidth) * bytes);
    int32_t rowMadeFor = -1;
    for (int32_t y = firstRow; y < endRow; ++y) {
        const int32_t frameRow = (y - top) / s;
        if (frameRow != rowMadeFor) {
            // One frame row widened s times; the next s - 1 surface rows reuse it.
            const uint8_t* source = converted.data() + size_t(frameRow) * width * bytes;
            uint8_t* out = row.data();
            for (int32_t x = 0; x < width; ++x, source += bytes) {
                for (int32_t copy = 0; copy < s; ++copy, out += bytes)
                    std::memcpy(out, source, size_t(bytes));
            }
            rowMadeFor = frameRow;
        }
        uint8_t* target = static_cast<uint8_t*>(surface->pixels) + size_t(y) * surface->pitch + size_t(firstColumn) * bytes;
        std::memcpy(target, row.data() + size_t(firstColumn - left) * bytes, size_t(endColumn - firstColumn) * bytes);
    }
    if (SDL_MUSTLOCK(surface))
        SDL_UnlockSurface(surface);
    SDL_UpdateWindowSurface(window);
}

void SdlWindow::vibrate(int32_t duration)
{
    const int64_t now = currentTimeMillis();
    if (duration <= 0) {
        stopRumble();
        if (shakeEnd >= 0) {
            shakeEnd = -1;
            shakeOffset = 0;
            present();
        }
        return;
    }
    if (gamepad->rumble(duration)) {
        rumbleEnd = now + duration;
        return;
    }
    stopRumble();
    shakeEnd = now + duration;
    nextShakeStep = now;
}

void SdlWindow::stopRumble()
{
    if (rumbleEnd < 0)
        return;
    gamepad->stopRumble();
    rumbleEnd = -1;
}

int64_t SdlWindow::nextEffectTime() const
{
    int64_t next = -1;
    if (shakeEnd >= 0)
        next = std::min(nextShakeStep, shakeEnd);
    if (rumbleEnd >= 0 && (next < 0 || rumbleEnd < next))
        next = rumbleEnd;
    return next;
}

void SdlWindow::runEffects(int64_t now)
{
    if (rumbleEnd >= 0 && now >= rumbleEnd)
        stopRumble();
    if (shakeEnd < 0)
        return;
    if (now >= shakeEnd) {
        shakeEnd = -1;
        shakeOffset = 0;
    } else if (now >= nextShakeStep) {
        shakeOffset = shakeOffset > 0 ? -SHAKE_PIXELS : SHAKE_PIXELS;
        nextShakeStep = now + SHAKE_STEP_MS;
    } else {
        return;
    }
    present();
}

#include "adapters/GamePads.h"

#include "adapters/SdlLibrary.h"

#include <QGuiApplication>
#include <QStyleHints>
#include <SDL.h>
#include <algorithm>
#include <map>

namespace harvesta::platform {

namespace {

// With no pad attached, one look for a new pad now and then: noticed within two seconds.
constexpr int kLookForPadsMs = 1500;
// With a pad, its buttons reach a running game within a frame, and otherwise within a tenth
// of a second.
constexpr int kWhilePlayingMs = 15;
constexpr int kOtherwiseMs = 90;
// The stick counts as pushed past half its way and as let go back inside a third of it, so a
// thumb resting near the middle neither chatters nor drifts.
constexpr int kStickPushed = 16384;
constexpr int kStickLetGo = 10923;
// Controls of a pad by number: its buttons as SDL numbers them, its stick's axes after them.
constexpr int kStickX = 100 + SDL_CONTROLLER_AXIS_LEFTX;
constexpr int kStickY = 100 + SDL_CONTROLLER_AXIS_LEFTY;

// Hints that must be set before SDL starts its joystick drivers; a value in the environment
// still wins over them.
std::uint32_t ControllerSubsystem() {
    // Without the library there is nothing to set; the subsystem then reports itself not ready.
    const auto setHint =
        SdlFunctionAs<decltype(SDL_SetHintWithPriority)>("SDL_SetHintWithPriority");
    if (!setHint) return SDL_INIT_GAMECONTROLLER;
#if defined(__linux__)
    // The kernel's drivers serve the common pads through evdev. SDL's own USB and Bluetooth
    // drivers would open the same devices beside them, and may read them on threads of their
    // own.
    setHint(SDL_HINT_JOYSTICK_HIDAPI, "0", SDL_HINT_DEFAULT);
#endif
    setHint(SDL_HINT_JOYSTICK_THREAD, "0", SDL_HINT_DEFAULT);
    return SDL_INIT_GAMECONTROLLER;
}

bool ButtonOf(int sdlButton, PadButton& button) {
    switch (sdlButton) {
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: button = PadButton::Left; return true;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: button = PadButton::Right; return true;
    case SDL_CONTROLLER_BUTTON_DPAD_UP: button = PadButton::Up; return true;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: button = PadButton::Down; return true;
    case SDL_CONTROLLER_BUTTON_A: button = PadButton::A; return true;
    case SDL_CONTROLLER_BUTTON_B: button = PadButton::B; return true;
    case SDL_CONTROLLER_BUTTON_START: button = PadButton::Start; return true;
    case SDL_CONTROLLER_BUTTON_BACK: button = PadButton::Back; return true;
    default: return false;
    }
}

bool Repeats(PadButton button) {
    return button == PadButton::Left || button == PadButton::Right || button == PadButton::Down;
}

// -1, 0 or 1: where a stick axis that was at `was` points now.
int StickDirection(int was, int value) {
    if (value >= kStickPushed) return 1;
    if (value <= -kStickPushed) return -1;
    return was * value >= kStickLetGo ? was : 0;
}

} // namespace

HeldRepeat HeldKeyRepeat() {
    // Desktops wait about half a second before a held key starts repeating.
    const int rate = QGuiApplication::styleHints()->keyboardAutoRepeatRate();
    return {500, 1000 / std::max(1, rate)};
}

struct GamePads::Pads {
    SdlSubsystem sdl{ControllerSubsystem()};
    struct Pad {
        SDL_GameController* controller;
        int stickX = 0, stickY = 0;
    };
    std::map<SDL_JoystickID, Pad> open;
    // The direction that repeats: the pad and control holding it, and the button it presses.
    SDL_JoystickID heldPad = -1;
    int heldControl = -1;
    PadButton heldButton = PadButton::Left;

    ~Pads() {
        for (auto& entry : open)
            SDL_CALL(SDL_GameControllerClose)(entry.second.controller);
    }
};

GamePads::GamePads(std::function<void(PadButton)> pressed, std::function<bool()> gameRuns)
    : pressed_(std::move(pressed)), gameRuns_(std::move(gameRuns)),
      pads_(std::make_unique<Pads>()) {
    poll_.callOnTimeout([this] { PollTimerTimer(); });
    repeat_.callOnTimeout([this] { RepeatTimerTimer(); });
    // The pads attached already.
    if (Ready()) PollTimerTimer();
}

GamePads::~GamePads() = default;

bool GamePads::Ready() const {
    return pads_->sdl.Ready();
}

int GamePads::PadCount() const {
    return static_cast<int>(pads_->open.size());
}

int GamePads::PollInterval() const {
    if (pads_->open.empty()) return kLookForPadsMs;
    return gameRuns_ && gameRuns_() ? kWhilePlayingMs : kOtherwiseMs;
}

void GamePads::Reschedule() {
    if (!Ready()) return;
    const int interval = PollInterval();
    if (poll_.isActive() && poll_.interval() == interval) return;
    poll_.setTimerType(interval < kOtherwiseMs ? Qt::PreciseTimer : Qt::CoarseTimer);
    poll_.start(interval);
}

void GamePads::PollTimerTimer() {
    if (!Ready()) return;
    Pads& pads = *pads_;
    // Reads the open pads and looks for pads that came or went; what happened waits in SDL's
    // queue, of which only the joystick and controller events are taken.
    SDL_CALL(SDL_GameControllerUpdate)();
    const auto press = [&](SDL_JoystickID pad, int control, PadButton button) {
        if (Repeats(button)) {
            pads.heldPad = pad;
            pads.heldControl = control;
            pads.heldButton = button;
            repeat_.start(HeldKeyRepeat().delayMs);
        }
        // The game may open a window and run its loop in here (the new-game question), and
        // nothing above is held across. A timer does not fire again while its handler runs,
        // so a fresh one looks at the pads meanwhile: the window can be answered by pad.
        poll_.start(PollInterval());
        pressed_(button);
    };
    const auto letGo = [&](SDL_JoystickID pad, int control) {
        if (pads.heldPad != pad || (control >= 0 && pads.heldControl != control)) return;
        pads.heldPad = -1;
        repeat_.stop();
    };
    SDL_Event event;
    while (SDL_CALL(SDL_PeepEvents)(&event, 1, SDL_GETEVENT, SDL_JOYAXISMOTION,
                                    SDL_CONTROLLERSENSORUPDATE) == 1) {
        switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED: {
            const SDL_JoystickID id =
                SDL_CALL(SDL_JoystickGetDeviceInstanceID)(event.cdevice.which);
            if (id < 0 || pads.open.count(id)) break;
            if (SDL_GameController* controller =
                    SDL_CALL(SDL_GameControllerOpen)(event.cdevice.which))
                pads.open.emplace(id, Pads::Pad{controller});
            break;
        }
        case SDL_CONTROLLERDEVICEREMOVED: {
            const auto pad = pads.open.find(event.cdevice.which);
            if (pad == pads.open.end()) break;
            SDL_CALL(SDL_GameControllerClose)(pad->second.controller);
            pads.open.erase(pad);
            letGo(event.cdevice.which, -1);
            break;
        }
        case SDL_CONTROLLERBUTTONDOWN: {
            PadButton button;
            if (pads.open.count(event.cbutton.which) && ButtonOf(event.cbutton.button, button))
                press(event.cbutton.which, event.cbutton.button, button);
            break;
        }
        case SDL_CONTROLLERBUTTONUP: letGo(event.cbutton.which, event.cbutton.button); break;
        case SDL_CONTROLLERAXISMOTION: {
            const auto pad = pads.open.find(event.caxis.which);
            if (pad == pads.open.end()) break;
            const int control = 100 + event.caxis.axis;
            if (control != kStickX && control != kStickY) break;
            int& was = control == kStickX ? pad->second.stickX : pad->second.stickY;
            const int now = StickDirection(was, event.caxis.value);
            if (now == was) break;
            if (was != 0) letGo(event.caxis.which, control);
            was = now;
            // Up on the stick is nothing: a thumb pushing sideways would turn the piece.
            if (control == kStickX && now != 0)
                press(event.caxis.which, control, now < 0 ? PadButton::Left : PadButton::Right);
            else if (control == kStickY && now > 0)
                press(event.caxis.which, control, PadButton::Down);
            break;
        }
        default: break;
        }
    }
    Reschedule();
}

void GamePads::RepeatTimerTimer() {
    if (pads_->heldPad < 0) {
        repeat_.stop();
        return;
    }
    repeat_.start(HeldKeyRepeat().intervalMs);
    pressed_(pads_->heldButton);
}

} // namespace harvesta::platform

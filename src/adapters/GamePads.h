#pragma once
// Game controllers, through SDL's game controller API: its built-in mapping database knows
// most pads, and SDL_GAMECONTROLLERCONFIG adds or mends mappings. Pads come and go at any
// time and any number act together. The buttons are read by a timer on the user-interface
// thread, as often as the game needs them: every frame while a game runs, ten times a second
// otherwise; with no pad attached only a look for a new one, less than once a second.

#include <QTimer>
#include <functional>
#include <memory>

namespace harvesta::platform {

// The buttons the game knows, whatever the pad calls them; the left stick counts as the
// directional pad.
enum class PadButton { Left, Right, Up, Down, A, B, Start, Back };

// How a held key repeats: the first repeat after a pause, then at the desktop's key rate.
struct HeldRepeat {
    int delayMs;
    int intervalMs;
};
HeldRepeat HeldKeyRepeat();

class GamePads {
  public:
    // `pressed` hears every press of every pad, and the repeats of a held Left, Right or
    // Down; `gameRuns` says whether a button must reach the game within a frame.
    GamePads(std::function<void(PadButton)> pressed, std::function<bool()> gameRuns);
    ~GamePads();
    GamePads(const GamePads&) = delete;
    GamePads& operator=(const GamePads&) = delete;

    // False where SDL could not start its controller support: the game does without pads.
    bool Ready() const;
    int PadCount() const;
    // The time until the next look at the pads, by what the game is doing and whether any
    // pad is attached.
    int PollInterval() const;
    // The game has started, paused or resumed: the next look comes as soon as it now must.
    void Reschedule();

    // Timer handlers: a look at what the pads did since the last one, and a held direction's
    // repeat.
    void PollTimerTimer();
    void RepeatTimerTimer();
    QTimer& PollTimer() { return poll_; }
    QTimer& RepeatTimer() { return repeat_; }

  private:
    struct Pads;
    std::function<void(PadButton)> pressed_;
    std::function<bool()> gameRuns_;
    std::unique_ptr<Pads> pads_;
    QTimer poll_, repeat_;
};

} // namespace harvesta::platform

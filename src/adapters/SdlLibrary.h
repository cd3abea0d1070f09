#pragma once
// SDL serves the game's sound and game controllers only; Qt keeps every window, so SDL's
// video subsystem is never started. Each user holds the subsystem it needs for as long as it
// needs it; SDL itself shuts down when the last one lets go.
//
// The library is loaded when the first subsystem is started (after the main window's first
// frame), not linked: Debian's libSDL2 brings some thirty libraries with it (X11, Wayland,
// PulseAudio, ALSA, sound codecs), and loading them at start-up would cost every start about
// 15 ms and 5 MiB before its first frame. SDL's functions are therefore called through
// SDL_CALL(SDL_Function)(arguments), which finds them in the loaded library; <SDL.h> gives
// the types and constants only.

#include <cstdint>

namespace harvesta {

class SdlSubsystem {
  public:
    explicit SdlSubsystem(std::uint32_t flags);
    ~SdlSubsystem();
    SdlSubsystem(const SdlSubsystem&) = delete;
    SdlSubsystem& operator=(const SdlSubsystem&) = delete;
    // False where SDL could not start the subsystem (no library, no driver, no device): the
    // caller does without it.
    bool Ready() const { return ready_; }

  private:
    std::uint32_t flags_;
    bool ready_;
};

// The address of an SDL function in the library, loading the library on first use; nullptr
// when the library or the function is missing. Once loaded, the library stays loaded.
void* SdlFunction(const char* name);

template <class F> F* SdlFunctionAs(const char* name) {
    return reinterpret_cast<F*>(SdlFunction(name));
}

} // namespace harvesta

// Only call where an SdlSubsystem is Ready: then the library and its functions are there.
#define SDL_CALL(function) (*::harvesta::SdlFunctionAs<decltype(function)>(#function))

#pragma once
// SDL serves the game's sound and game controllers only; Qt keeps every window, so SDL's
// video subsystem is never started. Each user holds the subsystem it needs for as long as it
// needs it; SDL itself shuts down when the last one lets go.

#include <cstdint>

namespace harvesta {

class SdlSubsystem {
  public:
    explicit SdlSubsystem(std::uint32_t flags);
    ~SdlSubsystem();
    SdlSubsystem(const SdlSubsystem&) = delete;
    SdlSubsystem& operator=(const SdlSubsystem&) = delete;
    // False where SDL could not start the subsystem (no driver, no device): the caller does
    // without it.
    bool Ready() const { return ready_; }

  private:
    std::uint32_t flags_;
    bool ready_;
};

} // namespace harvesta

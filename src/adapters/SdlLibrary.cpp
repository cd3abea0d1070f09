#include "adapters/SdlLibrary.h"

#define SDL_MAIN_HANDLED
#include <SDL.h>

namespace harvesta {

SdlSubsystem::SdlSubsystem(std::uint32_t flags) : flags_(flags), ready_(false) {
    SDL_SetMainReady();
    // SDL's event subsystem (which sound and controllers bring along) would otherwise take
    // SIGINT and SIGTERM for itself and only queue a quit event nobody reads: the game could
    // no longer be ended from a terminal or by the session.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    ready_ = SDL_InitSubSystem(flags_) == 0;
}

SdlSubsystem::~SdlSubsystem() {
    if (ready_) SDL_QuitSubSystem(flags_);
    if (SDL_WasInit(0) == 0) SDL_Quit();
}

} // namespace harvesta

#include "adapters/SdlLibrary.h"

#define SDL_MAIN_HANDLED
#include <SDL.h>

namespace harvesta {

SdlSubsystem::SdlSubsystem(std::uint32_t flags) : flags_(flags), ready_(false) {
    SDL_SetMainReady();
    ready_ = SDL_InitSubSystem(flags_) == 0;
}

SdlSubsystem::~SdlSubsystem() {
    if (ready_) SDL_QuitSubSystem(flags_);
    if (SDL_WasInit(0) == 0) SDL_Quit();
}

} // namespace harvesta

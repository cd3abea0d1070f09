#include "adapters/SdlLibrary.h"

#define SDL_MAIN_HANDLED
#include <SDL.h>

#include <QLibrary>

namespace harvesta {

namespace {

QLibrary& library() {
    // Loaded once and never unloaded: SDL's threads and hooks may outlive any one user.
#ifdef Q_OS_WIN
    static QLibrary sdl(QStringLiteral("SDL2"));
#else
    static QLibrary sdl(QStringLiteral("SDL2-2.0"), 0);
#endif
    if (!sdl.isLoaded()) sdl.load();
    return sdl;
}

} // namespace

void* SdlFunction(const char* name) {
    QLibrary& sdl = library();
    return sdl.isLoaded() ? reinterpret_cast<void*>(sdl.resolve(name)) : nullptr;
}

SdlSubsystem::SdlSubsystem(std::uint32_t flags) : flags_(flags), ready_(false) {
    for (const char* needed : {"SDL_SetMainReady", "SDL_SetHint", "SDL_InitSubSystem",
                               "SDL_QuitSubSystem", "SDL_WasInit", "SDL_Quit"})
        if (!SdlFunction(needed)) return;
    SDL_CALL(SDL_SetMainReady)();
    // SDL would take SIGINT and SIGTERM for its own event queue, which nobody reads here: the
    // game would no longer end when the session or `kill` asks it to.
    SDL_CALL(SDL_SetHint)(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    ready_ = SDL_CALL(SDL_InitSubSystem)(flags_) == 0;
}

SdlSubsystem::~SdlSubsystem() {
    if (!SdlFunction("SDL_WasInit")) return;
    if (ready_) SDL_CALL(SDL_QuitSubSystem)(flags_);
    if (SDL_CALL(SDL_WasInit)(0) == 0) SDL_CALL(SDL_Quit)();
}

} // namespace harvesta

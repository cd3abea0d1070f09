#include "adapters/FontWarmUp.h"

#include <system_error>

#if !defined(_WIN32)
#include <dlfcn.h>
#endif

namespace harvesta::platform {

FontConfigurationWarmUp::FontConfigurationWarmUp() {
#if !defined(_WIN32)
    // Only a library the process already has: Qt's font database links it where it uses it.
    // The handle keeps it loaded until the thread is done.
    void* library = dlopen("libfontconfig.so.1", RTLD_NOW | RTLD_NOLOAD);
    if (!library) return;
    using InitFunction = int (*)();
    const auto init = reinterpret_cast<InitFunction>(dlsym(library, "FcInit"));
    if (!init) {
        dlclose(library);
        return;
    }
    start([library, init] {
        init();
        dlclose(library);
    });
    if (!started_) dlclose(library);
#endif
}

FontConfigurationWarmUp::FontConfigurationWarmUp(std::function<void()> read) {
    start(std::move(read));
}

// Without a thread to spare the font database reads the configuration itself, as it would
// have done anyway.
void FontConfigurationWarmUp::start(std::function<void()> read) {
    try {
        thread_ = std::thread(std::move(read));
        started_ = true;
    } catch (const std::system_error&) {
    }
}

FontConfigurationWarmUp::~FontConfigurationWarmUp() {
    Wait();
}

void FontConfigurationWarmUp::Wait() {
    if (thread_.joinable()) thread_.join();
}

} // namespace harvesta::platform

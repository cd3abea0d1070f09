#include "adapters/FontWarmUp.h"

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
    started_ = true;
    thread_ = std::thread([library, init] {
        init();
        dlclose(library);
    });
#endif
}

FontConfigurationWarmUp::~FontConfigurationWarmUp() {
    Wait();
}

void FontConfigurationWarmUp::Wait() {
    if (thread_.joinable()) thread_.join();
}

} // namespace harvesta::platform

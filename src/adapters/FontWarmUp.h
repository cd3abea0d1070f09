#pragma once
// Reading the system's font configuration is the largest single piece of a Qt window's
// start-up under fontconfig: its XML files are parsed and its caches loaded, about a third of
// the whole start-up, and the font database waits for it before the first label can be sized.
// None of it needs the application object, so it can run on a thread of its own while the
// application object connects to the display; the font database then finds it done. Where the
// fonts come from elsewhere (Windows, macOS, a Qt without fontconfig) there is nothing to do.

#include <functional>
#include <thread>

namespace harvesta::platform {

class FontConfigurationWarmUp {
  public:
    // Starts reading the configuration when the process has the fontconfig library loaded.
    FontConfigurationWarmUp();
    // Runs `read` on the thread instead.
    explicit FontConfigurationWarmUp(std::function<void()> read);
    ~FontConfigurationWarmUp();
    FontConfigurationWarmUp(const FontConfigurationWarmUp&) = delete;
    FontConfigurationWarmUp& operator=(const FontConfigurationWarmUp&) = delete;

    // Returns once the configuration is read. Call it before anything asks the font database:
    // fontconfig would read it again on that thread rather than wait.
    void Wait();

    // Whether there was a configuration to read.
    bool Started() const { return started_; }

  private:
    void start(std::function<void()> read);

    std::thread thread_;
    bool started_ = false;
};

} // namespace harvesta::platform

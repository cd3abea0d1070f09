#pragma once
// The operating-system services the plain C++ core needs, as hooks. The Qt side installs
// the real implementations at start-up (adapters/QtPlatform.h); tests install their own answers,
// so nothing here ever blocks or reads the real cursor in a test.

#include <functional>
#include <string>

namespace harvesta::platform {

enum class MessageIcon { None, Information, Question, Exclamation, Error };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct MessageRequest {
    std::string text;    // UTF-8
    std::string caption; // UTF-8
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

using MessageHandler = std::function<MessageAnswer(const MessageRequest&)>;

// Shows a modal message box through the installed handler. With no handler installed the
// request is written to standard error and answered Ok (or No for a question).
MessageAnswer ShowMessage(const MessageRequest& request);

// Installs a handler and returns the previous one.
MessageHandler SetMessageHandler(MessageHandler handler);

struct ScreenPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

using CursorProvider = std::function<ScreenPoint()>;

// The mouse cursor's position on the screen.
ScreenPoint CursorPos();
CursorProvider SetCursorProvider(CursorProvider provider);

// Restores the previous hook when it goes out of scope.
template <class Hook, Hook (*Set)(Hook)> class ScopedHook {
  public:
    explicit ScopedHook(Hook hook) : previous_(Set(std::move(hook))) {}
    ~ScopedHook() { Set(std::move(previous_)); }
    ScopedHook(const ScopedHook&) = delete;
    ScopedHook& operator=(const ScopedHook&) = delete;

  private:
    Hook previous_;
};

using ScopedMessageHandler = ScopedHook<MessageHandler, &SetMessageHandler>;
using ScopedCursorProvider = ScopedHook<CursorProvider, &SetCursorProvider>;

} // namespace harvesta::platform

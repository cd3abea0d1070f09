#include "platform/Platform.h"

#include <cstdio>
#include <utility>

namespace harvesta::platform {

namespace {
MessageHandler& messageHandler() {
    static MessageHandler handler;
    return handler;
}
CursorProvider& cursorProvider() {
    static CursorProvider provider;
    return provider;
}
} // namespace

MessageAnswer ShowMessage(const MessageRequest& request) {
    if (auto& handler = messageHandler()) return handler(request);
    std::fprintf(stderr, "%s: %s\n", request.caption.c_str(), request.text.c_str());
    return request.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

MessageHandler SetMessageHandler(MessageHandler handler) {
    return std::exchange(messageHandler(), std::move(handler));
}

ScreenPoint CursorPos() {
    if (auto& provider = cursorProvider()) return provider();
    return {};
}

CursorProvider SetCursorProvider(CursorProvider provider) {
    return std::exchange(cursorProvider(), std::move(provider));
}

} // namespace harvesta::platform

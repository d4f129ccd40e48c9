#include "platform/MessageBox.h"

#include <cstdio>
#include <utility>

#include "platform/Codec.h"
#include "res/Strings.h"

namespace platform {
namespace {

MessageBoxHandler& MessageHandler() {
    static MessageBoxHandler handler;
    return handler;
}

BeepHandler& BeepFn() {
    static BeepHandler handler;
    return handler;
}

WaitCursorHandler& WaitFn() {
    static WaitCursorHandler handler;
    return handler;
}

}  // namespace

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    return std::exchange(MessageHandler(), std::move(handler));
}

int ShowMessageBox(std::string_view text) {
    const std::string caption = res::LoadString(res::IDS_APP_TITLE);
    const std::string body(text);
    if (MessageHandler()) return MessageHandler()(body, caption);
    const std::string utf8 = Cp932ToUtf8(body);
    const std::string cap = Cp932ToUtf8(caption);
    std::fprintf(stderr, "[%s] %s\n", cap.c_str(), utf8.c_str());
    return kIdOk;
}

BeepHandler SetBeepHandler(BeepHandler handler) {
    return std::exchange(BeepFn(), std::move(handler));
}

void Beep() {
    if (BeepFn()) BeepFn()();
}

WaitCursorHandler SetWaitCursorHandler(WaitCursorHandler handler) {
    return std::exchange(WaitFn(), std::move(handler));
}

CWaitCursor::CWaitCursor() {
    if (WaitFn()) WaitFn()(true);
}

CWaitCursor::~CWaitCursor() {
    if (WaitFn()) WaitFn()(false);
}

}  // namespace platform

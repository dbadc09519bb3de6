#include "ui/Dialogs.h"

#include <utility>

namespace quellar {

namespace {
TMessageBoxHandler& Handler() {
    static TMessageBoxHandler handler;
    return handler;
}
} // namespace

void SetMessageBoxHandler(TMessageBoxHandler handler) {
    Handler() = std::move(handler);
}

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, unsigned flags) {
    if (Handler()) {
        return Handler()(owner, text, caption, flags);
    }
    return MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

} // namespace quellar

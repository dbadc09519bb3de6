#include "skin/model/SkinMessage.h"

#include <utility>

namespace quellar {

namespace {
TSkinMessageProc& CurrentProc() {
    static TSkinMessageProc proc;
    return proc;
}
} // namespace

void ShowSkinMessage(const std::string& text) {
    if (CurrentProc()) {
        CurrentProc()(text);
    } else {
        DefaultSkinMessage(text);
    }
}

TSkinMessageProc SetSkinMessageProc(TSkinMessageProc proc) {
    return std::exchange(CurrentProc(), std::move(proc));
}

} // namespace quellar

#pragma once
// Catches the skin engine's modal messages instead of showing them.
#include "skin/model/SkinMessage.h"

#include <string>
#include <vector>

namespace quellar::test {

class SkinMessageCatcher {
public:
    SkinMessageCatcher() {
        previous_ = SetSkinMessageProc([this](const std::string& text) { messages.push_back(text); });
    }
    ~SkinMessageCatcher() { SetSkinMessageProc(previous_); }
    SkinMessageCatcher(const SkinMessageCatcher&) = delete;
    SkinMessageCatcher& operator=(const SkinMessageCatcher&) = delete;
    std::vector<std::string> messages;

private:
    TSkinMessageProc previous_;
};

} // namespace quellar::test

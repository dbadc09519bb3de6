#pragma once
// Helpers for the skin tests: bitmaps and packages made by our own writers.
#include "skin/model/BitmapFile.h"
#include "skin/model/SkinMessage.h"
#include "skin/package/SkinPackageWriter.h"

#include <string>
#include <vector>

namespace quellar::test {

inline std::vector<std::uint8_t> Bytes(const std::string& s) {
    return std::vector<std::uint8_t>(s.begin(), s.end());
}

inline std::vector<std::uint8_t> Bmp(int w, int h, std::uint32_t colour = 0x336699) {
    return EncodeBitmapFile(TBitmap32(w, h, colour));
}

// A skin file with the description "skin.ini" first and the given members after it.
inline std::vector<std::uint8_t> SkinFile(const std::string& ini,
                                          std::vector<TSkinPackageEntry> members = {}) {
    members.insert(members.begin(), {"skin.ini", Bytes(ini)});
    return BuildSkinFile(members);
}

// Records the skin engine's modal messages instead of showing them.
class MessageRecorder {
public:
    MessageRecorder() {
        previous_ = SetSkinMessageProc([this](const std::string& text) { messages.push_back(text); });
    }
    ~MessageRecorder() { SetSkinMessageProc(previous_); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;
    std::vector<std::string> messages;

private:
    TSkinMessageProc previous_;
};

} // namespace quellar::test

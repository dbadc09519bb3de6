#pragma once
// Skin files built in memory by our own writers. Every frame of a strip is one flat colour, so a
// pixel read back from the screen or from a composed picture tells which frame shows there.
#include "skin/model/BitmapFile.h"
#include "skin/package/SkinPackageWriter.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quellar::test {

inline std::vector<std::uint8_t> Bytes(const std::string& s) {
    return std::vector<std::uint8_t>(s.begin(), s.end());
}

inline std::vector<std::uint8_t> Bmp(int w, int h, std::uint32_t colour = 0x336699) {
    return EncodeBitmapFile(TBitmap32(w, h, colour));
}

// A pixel of a frame, counted from the frame's top-left corner.
struct TFramePixel {
    int x, y;
};

// Frames of w x h side by side (stacked: one above the other), frame k all colours[k] but for
// the `cuts` of every frame, which are magenta (the skins' transparent colour).
inline TBitmap32 FlatFrames(int w, int h, const std::vector<std::uint32_t>& colours, bool stacked = false,
                            const std::vector<TFramePixel>& cuts = {}) {
    const int n = static_cast<int>(colours.size());
    TBitmap32 b(stacked ? w : n * w, stacked ? n * h : h);
    for (int k = 0; k < n; ++k) {
        const int left = stacked ? 0 : k * w, top = stacked ? k * h : 0;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                b.SetPixel(left + x, top + y, colours[static_cast<std::size_t>(k)]);
            }
        }
        for (const TFramePixel& cut : cuts) {
            b.SetPixel(left + cut.x, top + cut.y, 0xFF00FF);
        }
    }
    return b;
}

// The same frames as a bitmap file.
inline std::vector<std::uint8_t> Strip(int w, int h, const std::vector<std::uint32_t>& colours,
                                       bool stacked = false, const std::vector<TFramePixel>& cuts = {}) {
    return EncodeBitmapFile(FlatFrames(w, h, colours, stacked, cuts));
}

// A skin file with the description "skin.ini" first and the given members after it.
inline std::vector<std::uint8_t> SkinFile(const std::string& ini,
                                          std::vector<TSkinPackageEntry> members = {}) {
    members.insert(members.begin(), {"skin.ini", Bytes(ini)});
    return BuildSkinFile(members);
}

} // namespace quellar::test

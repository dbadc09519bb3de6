#pragma once
// Skin packages built to attack the loader, each from a short recipe, so no large file is kept
// in the repository. Each returns the decompressed package; BuildSkinFile-style compression is
// left to the caller (LzhCompress) because the decoder's own bounds are tested elsewhere.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quellar::test {

// A 1-bit bitmap file of width x height pixels, all magenta.
std::vector<std::uint8_t> MonochromeBmp(int width, int height);

// A names text of `lines` empty lines (LF) and nothing after it.
std::vector<std::uint8_t> ManyNamesPackage(std::size_t lines);

// A description that names one side x side monochrome bitmap in every picture key it has, and
// that bitmap.
std::vector<std::uint8_t> OneHugeBitmapPackage(int side);

// `sections` sections of one key each ("[S1]" ... ), then a small usable description with a
// picture; section names are distinct, so none adds to another.
std::vector<std::uint8_t> ManySectionsPackage(std::size_t sections);

// The same pictures as OneHugeBitmapPackage, but each key naming a bitmap of its own.
std::vector<std::uint8_t> ManyHugeBitmapsPackage(int side, int count);

// A skin file made from `baseFile` (a whole .skn file) with one family of hostile numbers, for
// the program test: "border" (left.bmp 8,000,000 x 1, LeftFrame 2), "textshift" (TextShift
// 100000), "txtback" (TXTBackleft and TXTBackRight 60,000,000), "chunk" ([Progress] Style 1 with
// a 1 x 200,000 chunk), "check" (a 2800 x 2800 one-frame check mark, the largest the skin's
// pixel budget lets through), "menuitem" ([MenuItem] LeftWidth 2,000,000), "tilemenu"
// (TileLeftMenu -100000), or "skin0" (the base unchanged, the baseline). Empty for an unknown
// family.
std::vector<std::uint8_t> HostileNumbersSkinFile(const std::vector<std::uint8_t>& baseFile,
                                                 const std::string& family);

} // namespace quellar::test

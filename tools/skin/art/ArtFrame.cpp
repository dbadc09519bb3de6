#include "SkinArt.h"

#include "skin/painter/Raster.h"

#include <algorithm>

namespace quellar::art {

namespace {
constexpr int SideMiddle = 16; // rows of a side between its kept top and bottom parts

// Light stripes, dots or grain over the title bar's middle; the period divides the tiled width.
void Decorate(TBitmap32& b, Box r, const TSkinStyle& s, std::uint32_t base) {
    const std::uint32_t over = Lighter(base, 12);
    for (int y = r.y; y <= r.Bottom(); ++y) {
        for (int x = r.x; x <= r.Right(); ++x) {
            bool mark = false;
            switch (s.pattern) {
            case Pattern::Stripes:
                mark = x % 4 == 0;
                break;
            case Pattern::Dots:
                mark = x % 4 == 1 && y % 4 == 1;
                break;
            case Pattern::Grain:
                mark = (x * 7 + y * 13) % 11 == 0;
                break;
            case Pattern::None:
                break;
            }
            if (mark && b.Pixel(x, y) != Key) {
                b.SetPixel(x, y, Mix(b.Pixel(x, y), over, 1, 2));
            }
        }
    }
}

std::uint32_t Inactive(std::uint32_t c) {
    return Mix(Grey(c), c, 1, 3);
}

// The whole frame of a small window, drawn in one piece so that the border images cut from it
// join without a seam: title bar across the full width, the sides below it, the bottom border
// across the full width, outlines, and the corners cut with the key colour outside them. The
// top corners take the style's radius: wider than the side, their curve runs on into the ends
// of the top image, which the painter keeps unscaled. The bottom corners take half of it, kept
// within the bottom border and the side's width.
TBitmap32 DrawModelWindow(const TSkinStyle& s, bool active) {
    const int side = s.border;
    const Box all{0, 0, 2 * side + TopBottomWidth, s.title + SideMiddle + s.border};
    const std::uint32_t hi = active ? s.frame2 : Inactive(s.frame2);
    const std::uint32_t base = active ? s.frame : Inactive(s.frame);
    const int sideRows = all.h - s.title - s.border;
    TBitmap32 b(all.w, all.h, Key);
    GradientV(b, {0, 0, all.w, s.title}, hi, base);
    Decorate(b, {1, 2, all.w - 2, s.title - 4}, s, hi);
    Fill(b, {1, 1, all.w - 2, 1}, Lighter(hi, 35));
    GradientH(b, {0, s.title, side, sideRows}, Lighter(base, 15), base);
    GradientH(b, {all.w - side, s.title, side, sideRows}, base, Darker(base, 15));
    Fill(b, {1, s.title, 1, sideRows}, Lighter(base, 30));
    Fill(b, {all.Right() - 1, s.title, 1, sideRows}, Lighter(base, 30));
    GradientV(b, {0, all.h - s.border, all.w, s.border}, base, Darker(base, 20));
    // The inner edge around the client area, then the outer edge of the window.
    Outline(b, {side - 1, s.title - 1, all.w - 2 * (side - 1), sideRows + 2}, Darker(base, 30));
    Outline(b, all, Darker(base, 45));
    CutCorners(b, all, s.corner, s.radius, 0b0011, Darker(base, 45));
    CutCorners(b, all, s.corner, std::min(s.radius / 2, s.border - 1), 0b1100, Darker(base, 45));
    return b;
}

// Two frames of one part of the model window, active and inactive: side by side, or stacked.
TBitmap32 TwoFrames(const TBitmap32 (&model)[2], Box part, bool stacked) {
    TBitmap32 out(stacked ? part.w : 2 * part.w, stacked ? 2 * part.h : part.h, Key);
    for (int k = 0; k < 2; ++k) {
        const TBitmap32 cut = model[k].Copy(part.x, part.y, part.w, part.h);
        const TSkinRect whole{0, 0, part.w, part.h};
        CopyPixels(out, stacked ? 0 : k * part.w, stacked ? k * part.h : 0, cut, whole,
                   TTransparency::trOpaque);
    }
    return out;
}
} // namespace

TFrameImages DrawWindowFrame(const TSkinStyle& s) {
    const TBitmap32 model[2] = {DrawModelWindow(s, true), DrawModelWindow(s, false)};
    const int w = model[0].Width();
    const int h = model[0].Height();
    const int side = s.border;
    return {TwoFrames(model, {0, 0, side, h}, false), TwoFrames(model, {w - side, 0, side, h}, false),
            TwoFrames(model, {side, 0, TopBottomWidth, s.title}, true),
            TwoFrames(model, {side, h - s.border, TopBottomWidth, s.border}, true)};
}

// The plate behind the title text: two frames side by side, active and inactive.
TBitmap32 DrawTextBack(const TSkinStyle& s) {
    const int h = s.title - 6;
    TBitmap32 b(2 * 48, h, Key);
    for (int k = 0; k < 2; ++k) {
        const Box r{k * 48, 0, 48, h};
        const std::uint32_t base = k == 0 ? Darker(s.frame, 25) : Inactive(Darker(s.frame, 25));
        GradientV(b, r, Darker(base, 10), Lighter(base, 10));
        Outline(b, r, Darker(base, 35));
        CutCorners(b, r, Corner::Round, h / 2 - 1, 0b1111, Darker(base, 35));
    }
    return b;
}

int CaptionButtonSize(const TSkinStyle& s) {
    return s.title - 8 >= 18 ? 18 : s.title - 8;
}

namespace {
void CaptionGlyphAt(TBitmap32& b, Box r, CaptionGlyph glyph, std::uint32_t c) {
    const Box g = r.Inset(r.w / 4 + 1);
    switch (glyph) {
    case CaptionGlyph::Close:
        Cross(b, {g.x, g.y, g.w - 1, g.h - 1}, c);
        break;
    case CaptionGlyph::Maximise:
        Outline(b, g, c);
        Fill(b, {g.x, g.y + 1, g.w, 1}, c);
        break;
    case CaptionGlyph::Minimise:
        Fill(b, {g.x, g.Bottom() - 1, g.w, 2}, c);
        break;
    case CaptionGlyph::Icon:
        Disc(b, g, c);
        break;
    }
}
} // namespace

// Four frames side by side: normal, pressed, hot, inactive.
TBitmap32 DrawCaptionButton(const TSkinStyle& s, CaptionGlyph glyph) {
    const int n = CaptionButtonSize(s);
    TBitmap32 b(4 * n, n, Key);
    for (int k = 0; k < 4; ++k) {
        const State state = CaptionStates[k];
        const Box r{k * n, 0, n, n};
        std::uint32_t base = glyph == CaptionGlyph::Close ? Mix(s.frame2, 0xC03020, 2, 3) : s.frame2;
        if (state == State::Disabled) {
            base = Inactive(base);
        }
        const std::uint32_t top = state == State::Pressed ? Darker(base, 30)
                                  : state == State::Hot   ? Lighter(base, 35)
                                                          : Lighter(base, 12);
        const std::uint32_t bottom = state == State::Pressed ? Darker(base, 10) : Darker(base, 20);
        if (s.roundCaptionButtons) {
            Disc(b, r, Darker(base, 50));
            Disc(b, r.Inset(1), bottom);
            Disc(b, {r.x + 2, r.y + 1, r.w - 4, r.h / 2}, top);
        } else {
            GradientV(b, r, top, bottom);
            Outline(b, r, Darker(base, 50));
            CutCorners(b, r, s.buttonCorner, s.buttonRadius, 0b1111, Darker(base, 50));
        }
        const std::uint32_t glyphColour = state == State::Disabled ? Lighter(Grey(base), 30) : s.accent;
        const int shift = state == State::Pressed ? 1 : 0;
        CaptionGlyphAt(b, {r.x + shift, r.y + shift, r.w, r.h}, glyph, glyphColour);
    }
    return b;
}

// Two frames one above the other: active, inactive.
TBitmap32 DrawMenuBar(const TSkinStyle& s) {
    constexpr int W = 64;
    constexpr int H = 20;
    TBitmap32 b(W, 2 * H);
    for (int k = 0; k < 2; ++k) {
        const std::uint32_t base = k == 0 ? s.face : Grey(s.face);
        const Box r{0, k * H, W, H};
        GradientV(b, r, Lighter(base, 30), base);
        Fill(b, {r.x, r.Bottom(), r.w, 1}, Darker(base, 25));
        Fill(b, {r.x, r.y, r.w, 1}, Lighter(base, 50));
    }
    return b;
}

// Three 4-frame buttons (minimise, restore, close of a maximised MDI child) of 10 x 14 frames.
TBitmap32 DrawMdiControls(const TSkinStyle& s) {
    constexpr int C = 10;
    constexpr int H = 14;
    TBitmap32 b(12 * C, H, Key);
    const CaptionGlyph glyphs[3] = {CaptionGlyph::Minimise, CaptionGlyph::Maximise, CaptionGlyph::Close};
    for (int g = 0; g < 3; ++g) {
        for (int k = 0; k < 4; ++k) {
            const Box r{(4 * g + k) * C, 0, C, H};
            const State state = CaptionStates[k];
            Panel(b, r, s, state);
            const Box inner{r.x + 2, r.y + 3, C - 4, C - 4};
            const std::uint32_t c = GlyphColour(s, state);
            if (glyphs[g] == CaptionGlyph::Close) {
                Cross(b, {inner.x, inner.y, inner.w - 1, inner.h - 1}, c);
            } else if (glyphs[g] == CaptionGlyph::Maximise) {
                Outline(b, inner, c);
            } else {
                Fill(b, {inner.x, inner.Bottom(), inner.w, 2}, c);
            }
        }
    }
    return b;
}

} // namespace quellar::art

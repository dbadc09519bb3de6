#include "SkinArt.h"

namespace quellar::art {

namespace {
constexpr int TopWidth = 120;
constexpr int BottomWidth = 120;
constexpr int SideHeight = 40;

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
} // namespace

// Two frames one above the other: active, inactive.
TBitmap32 DrawTop(const TSkinStyle& s) {
    TBitmap32 b(TopWidth, 2 * s.title, Key);
    for (int k = 0; k < 2; ++k) {
        const Box r{0, k * s.title, TopWidth, s.title};
        const std::uint32_t hi = k == 0 ? s.frame2 : Inactive(s.frame2);
        const std::uint32_t lo = k == 0 ? s.frame : Inactive(s.frame);
        GradientV(b, r, hi, lo);
        Decorate(b, {r.x + 1, r.y + 2, r.w - 2, r.h - 4}, s, hi);
        Fill(b, {r.x + 1, r.y + 1, r.w - 2, 1}, Lighter(hi, 35));
        Outline(b, {r.x, r.y, r.w, r.h + 1}, Darker(lo, 45));
        Fill(b, {r.x + s.border - 1, r.Bottom(), r.w - 2 * (s.border - 1), 1}, Darker(lo, 30));
        CutCorners(b, r, s.corner, s.radius, 0b0011, Darker(lo, 45));
    }
    return b;
}

// Two frames side by side: active, inactive.
TBitmap32 DrawSide(const TSkinStyle& s, bool left) {
    TBitmap32 b(2 * s.border, SideHeight);
    for (int k = 0; k < 2; ++k) {
        const std::uint32_t base = k == 0 ? s.frame : Inactive(s.frame);
        const Box r{k * s.border, 0, s.border, SideHeight};
        GradientH(b, r, left ? Lighter(base, 15) : base, left ? base : Darker(base, 15));
        Fill(b, {left ? r.x : r.Right(), 0, 1, SideHeight}, Darker(base, 45));
        Fill(b, {left ? r.Right() : r.x, 0, 1, SideHeight}, Darker(base, 30));
        Fill(b, {left ? r.x + 1 : r.Right() - 1, 0, 1, SideHeight}, Lighter(base, 30));
    }
    return b;
}

// Two frames one above the other: active, inactive.
TBitmap32 DrawBottom(const TSkinStyle& s) {
    TBitmap32 b(BottomWidth, 2 * s.border, Key);
    for (int k = 0; k < 2; ++k) {
        const std::uint32_t base = k == 0 ? s.frame : Inactive(s.frame);
        const Box r{0, k * s.border, BottomWidth, s.border};
        GradientV(b, r, base, Darker(base, 20));
        Fill(b, {r.x, r.Bottom(), r.w, 1}, Darker(base, 45));
        Fill(b, {r.x, r.y, 1, r.h}, Darker(base, 45));
        Fill(b, {r.Right(), r.y, 1, r.h}, Darker(base, 45));
        Fill(b, {r.x + s.border - 1, r.y, r.w - 2 * (s.border - 1), 1}, Darker(base, 30));
        CutCorners(b, r, s.corner, std::min(s.radius / 2, s.border - 1), 0b1100, Darker(base, 45));
    }
    return b;
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

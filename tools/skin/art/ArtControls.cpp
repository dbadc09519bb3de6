#include "SkinArt.h"

namespace quellar::art {

void Panel(TBitmap32& b, Box r, const TSkinStyle& s, State state) {
    const std::uint32_t face = state == State::Disabled ? Mix(Grey(s.face), s.face, 1, 3) : s.face;
    std::uint32_t top = Lighter(face, 35);
    std::uint32_t bottom = Darker(face, 10);
    if (state == State::Pressed) {
        top = Darker(face, 18);
        bottom = Lighter(face, 5);
    } else if (state == State::Hot) {
        top = Lighter(Mix(face, s.hilight, 1, 5), 45);
        bottom = Mix(face, s.hilight, 1, 6);
    }
    GradientV(b, r, top, bottom);
    const std::uint32_t edge =
        state == State::Focused || state == State::Hot ? Mix(s.hilight, s.frame, 1, 2) : Darker(s.frame, 10);
    Outline(b, r, edge);
    if (state != State::Pressed && r.w > 4 && r.h > 4) {
        Fill(b, {r.x + 1, r.y + 1, r.w - 2, 1}, Lighter(top, 40));
    }
    CutCorners(b, r, s.buttonCorner, std::min(s.buttonRadius, std::min(r.w, r.h) / 4), 0b1111, edge);
}

std::uint32_t GlyphColour(const TSkinStyle& s, State state) {
    return state == State::Disabled ? Lighter(Grey(s.text), 45) : s.text;
}

namespace {
constexpr State FiveStates[5] = {State::Normal, State::Pressed, State::Disabled, State::Hot, State::Focused};

TBitmap32 PanelStrip(const TSkinStyle& s, int frames, int w, int h) {
    TBitmap32 b(frames * w, h, Key);
    for (int k = 0; k < frames; ++k) {
        Panel(b, {k * w, 0, w, h}, s, FiveStates[k % 5]);
    }
    return b;
}

// A white box or disc (the check's field), 13 x 13, for states normal, pressed, disabled, hot.
void Field(TBitmap32& b, Box r, const TSkinStyle& s, State state, bool round) {
    const std::uint32_t paper = state == State::Disabled  ? Lighter(Grey(s.face), 20)
                                : state == State::Pressed ? Darker(s.window, 12)
                                                          : s.window;
    const std::uint32_t edge = state == State::Hot ? s.hilight : Darker(s.frame, 10);
    if (round) {
        Disc(b, r, edge);
        Disc(b, r.Inset(1), paper);
    } else {
        Fill(b, r, paper);
        Outline(b, r, edge);
        Fill(b, {r.x + 1, r.y + 1, r.w - 2, 1}, Darker(paper, 10));
    }
}

constexpr State FourStates[4] = {State::Normal, State::Pressed, State::Disabled, State::Hot};

// Four 13 x 13 cells, as the mark is shown: unchecked, checked, unchecked disabled, checked
// disabled (a check box's third state shows the last).
TBitmap32 MarkStrip(const TSkinStyle& s, bool round) {
    constexpr int C = 13;
    TBitmap32 b(4 * C, C, Key);
    for (int k = 0; k < 4; ++k) {
        const State state = k < 2 ? State::Normal : State::Disabled;
        const Box r{k * C, 0, C, C};
        Field(b, r, s, state, round);
        if (k % 2 == 1) {
            const std::uint32_t mark = state == State::Disabled ? Lighter(Grey(s.text), 40) : s.hilight;
            if (round) {
                Disc(b, r.Inset(4), mark);
            } else {
                CheckMark(b, r.Inset(3), mark);
            }
        }
    }
    return b;
}
} // namespace

TBitmap32 DrawPushButton(const TSkinStyle& s) {
    return PanelStrip(s, 5, 24, 22);
}
TBitmap32 DrawCheckBoxes(const TSkinStyle& s) {
    return MarkStrip(s, false);
}
TBitmap32 DrawRadioButtons(const TSkinStyle& s) {
    return MarkStrip(s, true);
}

// Five frames: 1 normal, 2 separator, 3 disabled, 4 selected, 5 selected and disabled.
TBitmap32 DrawMenuItem(const TSkinStyle& s) {
    constexpr int W = 40;
    constexpr int H = 20;
    TBitmap32 b(5 * W, H, Key);
    for (int k = 0; k < 5; ++k) {
        const Box r{k * W, 0, W, H};
        Fill(b, r, s.window);
        if (k == 1) {
            Fill(b, {r.x + 3, H / 2 - 1, W - 6, 1}, Darker(s.window, 25));
            Fill(b, {r.x + 3, H / 2, W - 6, 1}, Lighter(s.window, 60));
        } else if (k >= 3) {
            const std::uint32_t sel = k == 3 ? s.hilight : Mix(Grey(s.hilight), s.window, 1, 2);
            const Box bar = r.Inset(1);
            GradientV(b, bar, Lighter(sel, 25), sel);
            Outline(b, bar, Darker(sel, 25));
            CutCorners(b, bar, s.buttonCorner, std::min(s.buttonRadius, 3), 0b1111, Darker(sel, 25));
        }
    }
    // The corners outside a selected bar show the menu's own paper.
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < 5 * W; ++x) {
            if (b.Pixel(x, y) == Key) {
                b.SetPixel(x, y, s.window);
            }
        }
    }
    return b;
}

TBitmap32 DrawMenuBackground(const TSkinStyle& s) {
    TBitmap32 b(48, 48, s.window);
    GradientH(b, {0, 0, 20, 48}, Mix(s.window, s.frame2, 1, 4), s.window);
    Outline(b, {0, 0, 48, 48}, Darker(s.frame, 10));
    return b;
}

// 23 frames of 16 x 16: left, right, up and down arrows in four states each (normal, pressed,
// hot, disabled), then seven plain faces.
TBitmap32 DrawScrollArrows(const TSkinStyle& s) {
    constexpr int C = 16;
    TBitmap32 b(23 * C, C, Key);
    const Dir dirs[4] = {Dir::Left, Dir::Right, Dir::Up, Dir::Down};
    for (int k = 0; k < 23; ++k) {
        const State state = k < 16 ? CaptionStates[k % 4] : State::Normal;
        const Box r{k * C, 0, C, C};
        Panel(b, r, s, state);
        if (k < 16) {
            const int shift = state == State::Pressed ? 1 : 0;
            Arrow(b, {r.x + shift, r.y + shift, C, C}, dirs[k / 4], GlyphColour(s, state));
        }
    }
    return b;
}

// Four frames of the track: normal, pressed, hot, disabled.
TBitmap32 DrawScrollTrack(const TSkinStyle& s, bool horizontal) {
    const int w = horizontal ? 32 : 16;
    const int h = horizontal ? 16 : 32;
    TBitmap32 b(4 * w, h);
    for (int k = 0; k < 4; ++k) {
        const Box r{k * w, 0, w, h};
        const std::uint32_t base = k == 1 ? Darker(s.face, 20) : k == 3 ? Grey(s.face) : Darker(s.face, 8);
        if (horizontal) {
            GradientV(b, r, Darker(base, 12), Lighter(base, 10));
        } else {
            GradientH(b, r, Darker(base, 12), Lighter(base, 10));
        }
        Outline(b, r, Darker(base, 20));
    }
    return b;
}

// Three frames: normal, hot, pressed; a grip in the middle.
TBitmap32 DrawScrollThumb(const TSkinStyle& s, bool horizontal) {
    const int w = horizontal ? 24 : 16;
    const int h = horizontal ? 16 : 24;
    TBitmap32 b(3 * w, h, Key);
    const State states[3] = {State::Normal, State::Hot, State::Pressed};
    for (int k = 0; k < 3; ++k) {
        const Box r{k * w, 0, w, h};
        Panel(b, r, s, states[k]);
        const std::uint32_t mark = Darker(s.face, 35);
        for (int i = -2; i <= 2; i += 2) {
            if (horizontal) {
                Fill(b, {r.x + w / 2 + i, r.y + 4, 1, h - 8}, mark);
            } else {
                Fill(b, {r.x + 4, r.y + h / 2 + i, w - 8, 1}, mark);
            }
        }
    }
    return b;
}

// Five frames of a track bar thumb: pressed, normal (the one a track bar shows), disabled, hot,
// focused. Pointed at one end (or both for the plain horizontal and vertical thumbs).
TBitmap32 DrawTrackbarThumb(const TSkinStyle& s, Dir point, bool both) {
    const bool across = point == Dir::Left || point == Dir::Right;
    const int w = across ? 20 : 11;
    const int h = across ? 11 : 20;
    TBitmap32 b(5 * w, h, Key);
    for (int k = 0; k < 5; ++k) {
        const Box r{k * w, 0, w, h};
        constexpr State ThumbStates[5] = {State::Pressed, State::Normal, State::Disabled, State::Hot,
                                          State::Focused};
        Panel(b, r, s, ThumbStates[k]);
        // Cut the point: key colour outside a triangle at the pointed end(s).
        const int tip = across ? h / 2 : w / 2;
        for (int i = 0; i < tip; ++i) {
            for (int j = 0; j < tip - i; ++j) {
                const bool first = point == Dir::Left || point == Dir::Up || both;
                const bool second = point == Dir::Right || point == Dir::Down || both;
                if (across) {
                    if (first) {
                        b.SetPixel(r.x + i, r.y + j, Key);
                        b.SetPixel(r.x + i, r.Bottom() - j, Key);
                    }
                    if (second) {
                        b.SetPixel(r.Right() - i, r.y + j, Key);
                        b.SetPixel(r.Right() - i, r.Bottom() - j, Key);
                    }
                } else {
                    if (first) {
                        b.SetPixel(r.x + j, r.y + i, Key);
                        b.SetPixel(r.Right() - j, r.y + i, Key);
                    }
                    if (second) {
                        b.SetPixel(r.x + j, r.Bottom() - i, Key);
                        b.SetPixel(r.Right() - j, r.Bottom() - i, Key);
                    }
                }
            }
        }
    }
    return b;
}

// Four frames: normal, pressed, disabled, hot; a down arrow.
TBitmap32 DrawComboButton(const TSkinStyle& s) {
    constexpr int W = 17;
    constexpr int H = 20;
    TBitmap32 b(4 * W, H, Key);
    for (int k = 0; k < 4; ++k) {
        const Box r{k * W, 0, W, H};
        Panel(b, r, s, FourStates[k]);
        Arrow(b, r, Dir::Down, GlyphColour(s, FourStates[k]));
    }
    return b;
}

// Four frames of the sunken edit edge: normal, pressed, disabled, hot.
TBitmap32 DrawSunkEdge(const TSkinStyle& s) {
    constexpr int W = 24;
    constexpr int H = 20;
    TBitmap32 b(4 * W, H);
    for (int k = 0; k < 4; ++k) {
        const Box r{k * W, 0, W, H};
        Fill(b, r, k == 2 ? Lighter(Grey(s.face), 30) : s.window);
        const std::uint32_t edge = k == 3 || k == 1 ? s.hilight : Darker(s.frame, 10);
        Outline(b, r, edge);
        Bevel(b, r.Inset(1), Darker(s.window, 18), Lighter(s.window, 50));
    }
    return b;
}

// Five 16 x 16 frames: the combo glyph in four states, then a size grip.
TBitmap32 DrawExtraImages(const TSkinStyle& s) {
    constexpr int C = 16;
    TBitmap32 b(5 * C, C, Key);
    for (int k = 0; k < 4; ++k) {
        Arrow(b, {k * C, 0, C, C}, Dir::Down, GlyphColour(s, FourStates[k]));
    }
    Grip(b, {4 * C + 2, 2, C - 3, C - 3}, Lighter(s.face, 60), Darker(s.frame, 10));
    return b;
}

// Five tab frames: normal, pressed, disabled, hot, selected.
TBitmap32 DrawTabs(const TSkinStyle& s) {
    constexpr int W = 40;
    constexpr int H = 22;
    TBitmap32 b(5 * W, H, Key);
    for (int k = 0; k < 5; ++k) {
        const Box r{k * W, 0, W, H + 2};
        Panel(b, r, s, FiveStates[k]);
        if (k == 4) {
            Fill(b, {r.x + 1, 0, W - 2, 2}, s.hilight);
        }
    }
    return b;
}

TBitmap32 DrawTabBorder(const TSkinStyle& s) {
    TBitmap32 b(32, 32, s.face);
    Outline(b, {0, 0, 32, 32}, Darker(s.frame, 10));
    Bevel(b, {1, 1, 30, 30}, Lighter(s.face, 60), Darker(s.face, 20));
    return b;
}

// Three frames: 1 sunken panel, 2 raised panel, 3 flat panel.
TBitmap32 DrawStatusBarEdges(const TSkinStyle& s) {
    constexpr int W = 24;
    constexpr int H = 18;
    TBitmap32 b(3 * W, H);
    for (int k = 0; k < 3; ++k) {
        const Box r{k * W, 0, W, H};
        GradientV(b, r, Lighter(s.face, 15), Darker(s.face, 5));
        if (k == 0) {
            Bevel(b, r, Darker(s.face, 30), Lighter(s.face, 60));
        } else if (k == 1) {
            Bevel(b, r, Lighter(s.face, 60), Darker(s.face, 30));
        }
    }
    return b;
}

// Two frames: the empty track and the filled bar.
TBitmap32 DrawProgress(const TSkinStyle& s) {
    constexpr int W = 40;
    constexpr int H = 16;
    TBitmap32 b(2 * W, H, Key);
    const Box track{0, 0, W, H};
    GradientV(b, track, Darker(s.window, 15), s.window);
    Outline(b, track, Darker(s.frame, 10));
    const Box bar{W, 0, W, H};
    GradientV(b, bar, Lighter(s.hilight, 40), Darker(s.hilight, 10));
    Outline(b, bar, Darker(s.hilight, 35));
    CutCorners(b, track, s.buttonCorner, std::min(s.buttonRadius, 3), 0b1111, Darker(s.frame, 10));
    CutCorners(b, bar, s.buttonCorner, std::min(s.buttonRadius, 3), 0b1111, Darker(s.hilight, 35));
    return b;
}

TBitmap32 DrawProgressChunk(const TSkinStyle& s) {
    TBitmap32 b(8, 10, Key);
    GradientV(b, {0, 0, 6, 10}, Lighter(s.hilight, 40), Darker(s.hilight, 10));
    return b;
}

// Eight frames: the first and second button in the four states (normal, pressed, disabled,
// hot); up/down for the vertical control, left/right for the horizontal.
TBitmap32 DrawUpDown(const TSkinStyle& s, bool horizontal) {
    const int w = horizontal ? 12 : 16;
    const int h = horizontal ? 16 : 10;
    TBitmap32 b(8 * w, h, Key);
    for (int k = 0; k < 8; ++k) {
        Panel(b, {k * w, 0, w, h}, s, FourStates[k % 4]);
    }
    return b;
}

TBitmap32 DrawUpDownGlyphs(const TSkinStyle& s, bool horizontal) {
    const int w = horizontal ? 12 : 16;
    const int h = horizontal ? 16 : 10;
    TBitmap32 b(8 * w, h, Key);
    for (int k = 0; k < 8; ++k) {
        const Dir d = horizontal ? (k < 4 ? Dir::Left : Dir::Right) : (k < 4 ? Dir::Up : Dir::Down);
        Arrow(b, {k * w, 0, w, h}, d, GlyphColour(s, FourStates[k % 4]));
    }
    return b;
}

// Two frames: enabled, disabled; a frame line with the face inside.
TBitmap32 DrawGroupBoxEdge(const TSkinStyle& s) {
    constexpr int C = 32;
    TBitmap32 b(2 * C, C, Key);
    for (int k = 0; k < 2; ++k) {
        const Box r{k * C, 0, C, C};
        const std::uint32_t edge = k == 0 ? Darker(s.frame, 5) : Grey(s.frame);
        Fill(b, r, s.face);
        Outline(b, r, edge);
        Outline(b, r.Inset(1), Lighter(s.face, 50));
        CutCorners(b, r, s.buttonCorner, std::min(s.buttonRadius, 4), 0b1111, edge);
    }
    return b;
}

TBitmap32 DrawToolbars(const TSkinStyle& s) {
    return PanelStrip(s, 5, 24, 22);
}

TBitmap32 DrawHeaderbar(const TSkinStyle& s) {
    TBitmap32 b = PanelStrip(s, 5, 32, 20);
    // Header sections sit edge to edge: no cut corners.
    for (int y = 0; y < b.Height(); ++y) {
        for (int x = 0; x < b.Width(); ++x) {
            if (b.Pixel(x, y) == Key) {
                b.SetPixel(x, y, Darker(s.frame, 10));
            }
        }
    }
    return b;
}

} // namespace quellar::art

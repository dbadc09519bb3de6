#pragma once
// Where the scroll bars of a scrolling window lie, how long their thumbs are and where, what a
// press on a bar means, and which position a dragged thumb stands for. Pure arithmetic, so the
// painter and the drag loop only read these results.
#include "skin/painter/PaintGeometry.h"

#include <cstdint>

namespace quellar {

// The window as its frame sees it: the window rectangle moved to (0, 0).
struct TScrollFrame {
    int width = 0, height = 0;             // window size
    int clientWidth = 0, clientHeight = 0; // client size
    bool horizontal = false;               // has WS_HSCROLL
    bool vertical = false;                 // has WS_VSCROLL
    bool leftScrollBar = false;            // WS_EX_LEFTSCROLLBAR: the vertical bar on the left
    int arrow = 0;                         // the platform's scroll-arrow size: bar thickness and arrow length
    int edge = 0;                          // the platform's edge size, the border without bars
};

struct TBarLayout {
    TSkinRect horizontal; // empty without that bar
    TSkinRect vertical;
    TSkinRect corner; // where both bars meet; empty unless both show
    friend bool operator==(const TBarLayout&, const TBarLayout&) = default;
};

TBarLayout LayOutBars(const TScrollFrame& frame);

// What a bar reports of itself (the platform's scroll information).
struct TScrollValues {
    int minimum = 0, maximum = 0, page = 0, position = 0;
};

// The thumb of a bar along its axis: the track between the arrows, the thumb's length and its
// offset from the end of the first arrow.
struct TThumb {
    int track = 0, length = 0, offset = 0;
    friend bool operator==(const TThumb&, const TThumb&) = default;
};

// a * b / c rounded to the nearest integer, halves away from zero, without overflow; 0 when c
// is 0 and the result clamped to the int range.
int MulDivRound(std::int64_t a, std::int64_t b, std::int64_t c);

// Recomputes thumb for a bar barLength long. minThumb is the smallest thumb of a bar with a
// page, platformThumb the platform's thumb size for a bar without one. A degenerate range
// (maximum <= minimum) leaves thumb as it was and answers false.
bool ComputeThumb(const TScrollValues& values, int barLength, int arrow, int minThumb, int platformThumb,
                  TThumb& thumb);

// What a press at distance p from the bar's start hits; the codes are the platform's scroll
// requests the press would make.
enum TScrollHit : int {
    shLineUp = 0,
    shLineDown = 1,
    shPageUp = 2,
    shPageDown = 3,
    shThumb = 5,
    shNone = -1,
};
TScrollHit HitTestBar(int p, int arrow, const TThumb& thumb);

// The thumb dragged to offset (from the end of the first arrow): the offset kept within the
// track and the position it stands for.
struct TDragStep {
    int offset = 0;
    int position = 0;
    friend bool operator==(const TDragStep&, const TDragStep&) = default;
};
TDragStep DragPosition(int offset, const TScrollValues& values, const TThumb& thumb);

} // namespace quellar

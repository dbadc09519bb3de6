// The painting path: a fuzzed description, with small pictures made from the first bytes for
// every member it names, loaded through the guarded load path, then the portable geometry and
// composers at a few window and control sizes (frame, region, title plate, caption buttons,
// menu bar and items, control pieces, scroll bars, tabs). The load must leave every number
// inside the key table's ranges and no frame larger than the engine draws; the sanitizers
// (signed overflow included) and -rss_limit_mb catch the rest.
//
// Input: byte 0 gives n (1 .. 8), the next 2n bytes the sides of the pictures (mostly 1 .. 64
// pixels, a few just around the 4096-pixel frame bound), the rest is the description. The
// members it names get those pictures in turn.
#include "skin/controls/ControlGeometry.h"
#include "skin/controls/ScrollGeometry.h"
#include "skin/controls/TabGeometry.h"
#include "skin/form/FrameComposer.h"
#include "skin/form/FrameGeometry.h"
#include "skin/form/NCObject.h"
#include "skin/menu/MenuBarLayout.h"
#include "skin/menu/MenuItemLayout.h"
#include "skin/model/BitmapFile.h"
#include "skin/model/SkinDescription.h"
#include "skin/model/SkinLimits.h"
#include "skin/model/SkinMessage.h"
#include "skin/model/WinSkinData.h"
#include "skin/package/SkinPackageWriter.h"
#include "skin/painter/Raster.h"
#include "skin/painter/RegionStrips.h"

#include <cstdlib>
#include <memory>
#include <set>
#include <sstream>

namespace {

using namespace quellar;

int Side(std::uint8_t b) {
    return b < 250 ? 1 + b % 64 : 4094 + (b - 250);
}

// Magenta runs among a colour, so shaped borders give regions of several strips.
TBitmap32 Picture(int width, int height, int seed) {
    TBitmap32 b(width, height, 0x336699);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if ((x * 7 + y * 3 + seed) % 5 == 0) {
                b.SetPixel(x, y, KeyColour);
            }
        }
    }
    return b;
}

// The members a description names, each once, in order of first mention.
std::vector<std::string> NamedMembers(const std::string& ini) {
    std::vector<std::string> names;
    std::set<std::string> seen;
    std::istringstream lines(ini);
    std::string line;
    while (std::getline(lines, line) && names.size() < 48) {
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos) {
            continue;
        }
        std::string value = line.substr(eq + 1);
        while (!value.empty() && (value.back() == '\r' || value.back() == ' ')) {
            value.pop_back();
        }
        const std::string member = SkinBitmapMemberName(value);
        // A name the package cannot carry names nothing the reader would find either.
        const bool carried = member.find_first_of(std::string("\r\0", 2)) == std::string::npos;
        if (!member.empty() && carried && seen.insert(IniUpper(member)).second) {
            names.push_back(member);
        }
    }
    return names;
}

std::vector<std::uint8_t> PackageOf(const std::uint8_t* data, std::size_t size) {
    const std::size_t pairs = size > 0 ? 1 + data[0] % 8 : 0;
    const std::size_t head = std::min(size, 1 + 2 * pairs);
    const std::string ini(reinterpret_cast<const char*>(data) + head, size - head);
    std::vector<TSkinPackageEntry> entries{{"skin.ini", std::vector<std::uint8_t>(ini.begin(), ini.end())}};
    const std::vector<std::string> names = NamedMembers(ini);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::size_t at = 1 + 2 * (i % std::max<std::size_t>(pairs, 1));
        const int w = at + 1 < head ? Side(data[at]) : 8;
        const int h = at + 1 < head ? Side(data[at + 1]) : 8;
        // Two large sides make a picture past the skin's pixel bound: keep one side small.
        entries.push_back(
            {names[i], EncodeBitmapFile(Picture(w, w > 64 ? std::min(h, 3) : h, static_cast<int>(i)))});
    }
    return BuildSkinPackage(entries);
}

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void RequireMargins(const TDataSkinObject& e) {
    for (int m : {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight}) {
        Require(m >= 0 && m <= 1024);
    }
}

void RequireFramesFit(const TBitmap32& picture, int frames, bool stacked) {
    if (!picture.Empty()) {
        const TSkinRect cell = FrameCell(picture.Width(), picture.Height(), frames, 1, stacked);
        Require(cell.Width() <= MaxFrameCellSide && cell.Height() <= MaxFrameCellSide);
    }
}

// What the key table promises the painters.
void CheckModel(const TSkinData& d) {
    for (const TDataSkinBorder* b : {d.Model().FrameLeft.get(), d.Model().FrameRight.get(),
                                     d.Model().FrameTop.get(), d.Model().FrameBottom.get()}) {
        RequireMargins(*b);
        Require(b->FrameCount >= 1 && b->FrameCount <= MaxFrameCount);
        RequireFramesFit(b->Image, b->FrameCount,
                         b == d.Model().FrameTop.get() || b == d.Model().FrameBottom.get());
    }
    const TDataSkinTitle& t = *d.Model().Title;
    Require(t.TXTBackleft >= 0 && t.TXTBackleft <= 1024 && t.TXTBackRight >= 0 && t.TXTBackRight <= 1024);
    for (int offset : {t.LeftWidth, t.TopHeight, t.RightWidth}) {
        Require(offset >= -4096 && offset <= 4096);
    }
    for (const auto& b : d.Model().SysButtons) {
        Require(b->Xcoord >= -4096 && b->Xcoord <= 4096 && b->Ycoord >= -4096 && b->Ycoord <= 4096);
        Require(b->FrameCount >= 1 && b->FrameCount <= MaxFrameCount);
        RequireFramesFit(b->Image, b->FrameCount, false);
    }
    const TDataSkinButton& buttons = *d.Model().Buttons;
    RequireMargins(buttons);
    Require(buttons.CheckFrameCount >= 1 && buttons.CheckFrameCount <= MaxFrameCount);
    RequireFramesFit(buttons.CheckImage, buttons.CheckFrameCount, false);
    for (const TDataSkinObject* e : d.Model().GeneralElements()) {
        if (e != nullptr) {
            RequireMargins(*e);
            RequireFramesFit(e->Image, e->FrameCount, false);
        }
    }
    if (d.Model().MenuBar != nullptr) {
        RequireMargins(*d.Model().MenuBar);
    }
}

struct NoHost : TNCHost {
    void PaintItem(TNCObject&) override {}
};

void PaintFrame(const TSkinData& d, int w, int h, bool active) {
    for (TBorderKind kind : {bkSizeable, bkFixed}) {
        const TFrameSizes frame = FrameSizesOf(d, kind);
        (void)ClientRectOf({0, 0, w, h}, frame);
        (void)WindowSizeFor(w, h, frame);
        (void)SizingHitTest(w / 2, h - 1, w, h, frame);
        TBitmap32 bitmap = ComposeBorders(d, w, h, frame, active);
        for (const TRegionStrip& strip : PlanRegion(d, w, h, frame, kind).strips) {
            const TBitmap32 part =
                bitmap.Copy(strip.rect.left, strip.rect.top, static_cast<int>(strip.rect.Width()),
                            static_cast<int>(strip.rect.Height()));
            ForEachRegionChunk(part, strip.rect.left, strip.rect.top, 1, KeyColour,
                               [](const TRegionChunk&) {});
        }
        const TDataSkinTitle& t = *d.Model().Title;
        TTitleLayout layout{t.TextAlignment, t.LeftWidth,   t.TopHeight,
                            t.RightWidth,    t.TXTBackleft, t.TXTBackRight};
        const TSkinRect box = PlaceTitleBox({frame.left, 0, w - frame.right, frame.top}, 60, 14, layout);
        DrawTitlePlate(bitmap, d, box, frame.top, active);

        NoHost host;
        std::vector<std::unique_ptr<TWinSysButton>> buttons;
        TCaptionPlacement where{w, box, frame, d.Model().MenuBar.get() ? d.Model().MenuBar->LeftWidth : 0,
                                false};
        int rightmost = 0;
        const TCaptionState state{kind, cfMaximizeBox | cfMinimizeBox | cfSystemMenu, active, false, false,
                                  20};
        for (const auto& def : d.Model().SysButtons) {
            auto b = std::make_unique<TWinSysButton>(host, *def);
            const TSkinRect cell = FrameCell(def->Image.Width(), def->Image.Height(), def->FrameCount, 1);
            b->rect = PlaceCaptionButton(*def, static_cast<int>(cell.Width()),
                                         static_cast<int>(cell.Height()), where, rightmost);
            b->visible = CaptionButtonVisible(*def, state);
            buttons.push_back(std::move(b));
        }
        const TBitmap32 icon(16, 16, 0xFFFFFF);
        DrawCaptionButtons(bitmap, buttons, icon, active);
        for (const auto& b : buttons) {
            if (b->rect.Width() <= 64 && b->rect.Height() <= 64 && !b->rect.Empty()) {
                (void)ComposeButtonState(*b, icon);
            }
        }
    }
}

void PaintMenus(const TSkinData& d, int w) {
    const TDataSkinObject* bar = d.Model().MenuBar.get();
    const TBarDress dress{bar != nullptr, bar ? bar->LeftWidth : 0, bar ? bar->RightWidth : 0, false};
    std::vector<TBarItem> items(3);
    items[1].textWidth = 40;
    LayOutBarItems(items, {0, 0, w, 20}, FirstItemX(dress, w), false);
    (void)BarItemAt(items, 10, 5);
    TBitmap32 strip(w, 20);
    if (bar != nullptr) {
        const TSkinRect cell = FrameCell(bar->Image.Width(), bar->Image.Height(), bar->FrameCount, 1, true);
        const TBitmap32 back = ComposeNineSlice(bar->Image, cell, w, 20,
                                                {bar->LeftWidth, 0, bar->RightWidth, 0}, bar->Tile != 0);
        (void)back;
    }
    if (const TDataSkinObject* item = d.Model().MenuItem.get()) {
        TMenuItemShape shape;
        shape.elementLeft = item->LeftWidth;
        const TItemSize size = TextItemSize(60, 14, false, item->LeftWidth, false);
        const TSkinRect itemRect{0, 0, std::min(size.width, w), size.height};
        (void)LayoutMenuItem(itemRect, shape);
        TBitmap32 picture(static_cast<int>(itemRect.Width()), static_cast<int>(itemRect.Height()));
        DrawFrame(picture, itemRect, *item, item->FrameCount, 4);
        const TSkinRect cell = FrameCell(item->Image.Width(), item->Image.Height(), item->FrameCount, 2);
        (void)PlanSeparator(cell, size.width, 8, item->LeftWidth, item->RightWidth);
    }
}

void PaintControls(const TSkinData& d, int w, int h) {
    TBitmap32 picture(w, h);
    const std::vector<TDataSkinObject*> general = d.Model().GeneralElements();
    std::vector<const TDataSkinObject*> elements(general.begin(), general.end());
    elements.push_back(d.Model().Buttons.get());
    elements.push_back(d.Model().Progress.get());
    for (const TDataSkinObject* e : elements) {
        if (e != nullptr) {
            DrawFrame(picture, {0, 0, w, h}, *e, e->FrameCount, 1);
            DrawFrame(picture, {1, 1, w - 1, h - 1}, *e, e->FrameCount, e->FrameCount);
        }
    }
    const TDataSkinButton& b = *d.Model().Buttons;
    const TSkinRect cell = FrameCell(b.CheckImage.Width(), b.CheckImage.Height(), b.CheckFrameCount, 2);
    (void)CheckBoxRect({0, 0, w, h}, static_cast<int>(cell.Width()), static_cast<int>(cell.Height()), false);
    (void)ProgressLength(50, 0, 100, w);
    (void)ComboParts(w, h, 17, false);
    (void)UpDownHalves({0, 0, w, h}, w > h, true);
    (void)LayOutGlyphAndCaption(
        {w, h, static_cast<int>(cell.Width()), static_cast<int>(cell.Height()), 40, 14});
    const TScrollFrame scroll{w, h, w - 17, h - 17, true, true, false, 17, 2};
    (void)LayOutBars(scroll);
    TThumb thumb;
    if (ComputeThumb({0, 100, 10, 50}, w, 17, 8, 17, thumb)) {
        (void)HitTestBar(w / 2, 17, thumb);
    }
    const TSkinRect page = TabPageRect({4, 24, w - 4, h - 4}, tsTop);
    const TSkinRect strip = TabStripRect({0, 0, w, h}, page, tsLeft);
    (void)TabStripBitmapSize(strip, tsLeft);
    (void)TabRectInStrip({2, 2, 40, 20}, tsLeft, page, {0, 0, w, h}, static_cast<int>(strip.Width()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool quiet = [] {
        SetSkinMessageProc([](const std::string&) {});
        return true;
    }();
    (void)quiet;
    static TSkinData skin(nullptr);
    if (!skin.LoadSkinPackage(PackageOf(data, size)) || !skin.SkinLoaded()) {
        return 0;
    }
    CheckModel(skin);
    const std::pair<int, int> windows[] = {{2, 2}, {150, 100}, {320, 200}};
    for (const auto& [w, h] : windows) {
        PaintFrame(skin, w, h, w != 150);
        PaintMenus(skin, w);
    }
    const std::pair<int, int> controls[] = {{1, 1}, {13, 13}, {120, 24}};
    for (const auto& [w, h] : controls) {
        PaintControls(skin, w, h);
    }
    return 0;
}

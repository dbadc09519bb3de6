// A real window wearing a hand-made skin under the Windows skin manager: the frame it gets, the
// pixels on screen against the skin's own bitmaps, activation, the caption buttons, message
// boxes, skin changes and detaching.
#include "tests/skin/form/WinSkinFormFixture.h"

namespace quellar {
namespace {

using namespace skinform_test;
using test::Pump;

TEST_F(WinSkinForm, ActivatedWindowWearsTheSkinsFrameAndKeepsItsClientSize) {
    ASSERT_EQ(1, SendMessageA(window, SkinQuery, 0, 0));
    ASSERT_NE(nullptr, manager->FindFormObject(window));
    EXPECT_EQ(ClientW, ClientSize().cx);
    EXPECT_EQ(ClientH, ClientSize().cy);
    RECT r{};
    GetWindowRect(window, &r);
    EXPECT_EQ(ClientW + 6 + 6, r.right - r.left);
    EXPECT_EQ(ClientH + 24 + 5, r.bottom - r.top);
    const auto style = GetWindowLongPtrA(window, GWL_STYLE);
    EXPECT_EQ(0, style & WS_CAPTION) << "an unowned window loses its caption";

    // The region is cut at the magenta corner pixel of the left piece and nowhere else nearby.
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(ERROR, GetWindowRgn(window, region));
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_TRUE(PtInRegion(region, 1, 0));
    EXPECT_TRUE(PtInRegion(region, 0, 1));
    DeleteObject(region);

    // On screen: the skin's own colours, active, then inactive.
    EXPECT_EQ(LeftActive, test::WindowPixel(window, 2, 100));
    EXPECT_EQ(TopActive, test::WindowPixel(window, 150, 2));
    EXPECT_EQ(1, SendMessageA(window, WM_NCACTIVATE, FALSE, 0));
    EXPECT_EQ(LeftInactive, test::WindowPixel(window, 2, 100));
    EXPECT_EQ(TopInactive, test::WindowPixel(window, 150, 2));
    EXPECT_EQ(CloseFrames[3], test::WindowPixel(window, ClientW + 12 - 22 + 8, 12))
        << "inactive close button";
}

TEST_F(WinSkinForm, AttachingAsksFirstThenPostsTheSetUpThatFitsTheFrame) {
    skin->SetActive(false);
    Pump(600);
    ASSERT_EQ(nullptr, manager->FindFormObject(window));
    test::MessageRecorder recorder;
    // The platform answers the frame change of the set-up with WM_NCCALCSIZE, once or more (twice
    // on Wine): the first answer shows when the frame was fitted.
    recorder.SetNoiseFilter([ours = OnlyOursAnd({}), fitted = false](const auto& m) mutable {
        if (m.message == WM_NCCALCSIZE) {
            return std::exchange(fitted, true);
        }
        return ours(m);
    });
    recorder.Watch(window, Role::Form);
    skin->SetActive(true);
    manager->ExecutePendingAction(); // switched on at once rather than 250 ms later
    // What the hook does when the window is next activated.
    ASSERT_TRUE(manager->AttachWindow(reinterpret_cast<std::uintptr_t>(window)));
    // The skin's handler now sees messages first: the recorder goes in front of it again.
    recorder.Unwatch(window);
    recorder.Watch(window, Role::Form);
    Pump(200);
    static const ExpectedMessage kAttach[] = {
        {SkinQuery, kSent},                               // not skinned yet? (answered 0)
        {SkinAttached, kPosted | test::kLParam, 0, 1000}, // the set-up after attaching
        {WM_NCCALCSIZE, kSent},                           // the frame fitted to the skin's borders
    };
    recorder.ExpectSequence(Role::Form, kAttach, "attaching");
    EXPECT_EQ(ClientW, ClientSize().cx);
    EXPECT_EQ(ClientH, ClientSize().cy);
}

TEST_F(WinSkinForm, CaptionButtonsLightUpPressAndAct) {
    const int closeX = ClientW + 12 - 22 + 8, closeY = 12; // the close button's middle
    test::MessageRecorder recorder;
    recorder.SetNoiseFilter(OnlyOursAnd({WM_NCMOUSEMOVE, WM_NCLBUTTONDOWN, WM_NCLBUTTONUP}));
    recorder.Watch(window, Role::Form);
    SendMessageA(window, WM_NCACTIVATE, TRUE, 0);
    EXPECT_EQ(CloseFrames[0], test::WindowPixel(window, closeX, closeY));
    SendMessageA(window, WM_NCMOUSEMOVE, HTCAPTION, ScreenPoint(closeX, closeY));
    EXPECT_EQ(CloseFrames[2], test::WindowPixel(window, closeX, closeY)) << "hot";
    // The mouse goes away without passing over the frame again: the hover timer un-lights it.
    RECT outer{};
    GetWindowRect(window, &outer);
    SetCursorPos(outer.left + 150, outer.top + 150);
    Pump(400);
    EXPECT_EQ(CloseFrames[0], test::WindowPixel(window, closeX, closeY)) << "normal again";
    SendMessageA(window, WM_NCMOUSEMOVE, HTCAPTION, ScreenPoint(closeX, closeY));
    SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, ScreenPoint(closeX, closeY));
    EXPECT_EQ(CloseFrames[1], test::WindowPixel(window, closeX, closeY)) << "pressed";
    recorder.Clear();
    SendMessageA(window, WM_NCLBUTTONUP, HTCAPTION, ScreenPoint(closeX, closeY));
    Pump(100);
    // Released on the button: it posts WM_CLOSE; the window's own procedure gets it.
    static const ExpectedMessage kClose[] = {
        {WM_NCLBUTTONUP, kSent}, // the click ends on the close button
        {WM_CLOSE, kPosted},     // its action
    };
    recorder.ExpectSequence(Role::Form, kClose, "releasing the close button");
    EXPECT_EQ(std::vector<UINT>{WM_CLOSE}, gBaseMessages);

    // Pressed, then released elsewhere on the frame: nothing runs.
    gBaseMessages.clear();
    SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, ScreenPoint(closeX, closeY));
    SendMessageA(window, WM_NCLBUTTONUP, HTCAPTION, ScreenPoint(100, closeY));
    Pump(100);
    EXPECT_TRUE(gBaseMessages.empty());

    // The minimise button minimises: it posts the platform's own command, nothing else of ours.
    const int minX = ClientW + 12 - 40 + 8;
    recorder.Clear();
    SendMessageA(window, WM_NCMOUSEMOVE, HTCAPTION, ScreenPoint(minX, closeY));
    SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, ScreenPoint(minX, closeY));
    SendMessageA(window, WM_NCLBUTTONUP, HTCAPTION, ScreenPoint(minX, closeY));
    Pump(200);
    static const ExpectedMessage kMinimise[] = {
        {WM_NCMOUSEMOVE, kSent},
        {WM_NCLBUTTONDOWN, kSent},
        {WM_NCLBUTTONUP, kSent},
        {WM_SYSCOMMAND, kPosted | kWParam, SC_MINIMIZE}, // the button's action
    };
    recorder.ExpectSequence(Role::Form, kMinimise, "clicking the minimise button");
    EXPECT_TRUE(IsIconic(window));
    ShowWindow(window, SW_RESTORE);
    Pump(200);
    EXPECT_EQ(ClientW, ClientSize().cx) << "restored with its client size";
    EXPECT_EQ(LeftActive, test::WindowPixel(window, 2, 100)) << "and its frame";
}

TEST_F(WinSkinForm, FrameMessagesKeepThePlatformCaptionAway) {
    EXPECT_EQ(HTCAPTION, SendMessageA(window, WM_NCHITTEST, 0, ScreenPoint(150, 10)));
    // Alt alone does not start the menu mode.
    EXPECT_EQ(1, SendMessageA(window, WM_SYSCOMMAND, SC_KEYMENU, 0));
    // A new caption or icon reaches the window's own procedure while the window is invisible to
    // it, the style comes back as it was, and our frame is painted at once. The themed caption
    // and frame requests never reach it, nor does anything else of the drag's start.
    gBaseCaption.clear();
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    EXPECT_EQ(0, SendMessageA(window, PlatformThemedCaptionPaint, 1, 0));
    EXPECT_EQ(0, SendMessageA(window, PlatformThemedFramePaint, 1, 0));
    CoverWithMarker(250, 2);
    SetWindowTextA(window, "R&&D & another caption");
    EXPECT_EQ(TopActive, test::WindowPixel(window, 250, 2)) << "repainted by the new caption";
    CoverWithMarker(250, 2);
    SendMessageA(window, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION))));
    EXPECT_EQ(TopActive, test::WindowPixel(window, 250, 2)) << "repainted by the new icon";
    EXPECT_EQ(style, GetWindowLongPtrA(window, GWL_STYLE));
    char text[32] = {};
    GetWindowTextA(window, text, sizeof(text));
    EXPECT_STREQ("R&&D & another caption", text) << "stored by the window's own procedure";
    // The title box fits the caption as drawn: every "&" is a character of it.
    EXPECT_EQ(CaptionTextExtent(window, text).cx,
              manager->FindFormObject(window)->Painter().TitleBox().Width());
    // The caption drag still goes to the window's own procedure (the button is up at once).
    PostMessageA(window, WM_LBUTTONUP, 0, 0);
    SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, ScreenPoint(150, 10));
    Pump(100);
    EXPECT_EQ(TopActive, test::WindowPixel(window, 250, 2));
    static const ExpectedMessage kCaption[] = {
        {WM_SETTEXT, kSent | kWParam, 0},       // SetWindowTextA: seen invisible
        {WM_SETICON, kSent | kWParam, 0},       // WM_SETICON: seen invisible
        {WM_NCLBUTTONDOWN, kSent | kWParam, 1}, // the drag: as it is
    };
    EXPECT_TRUE(test::CompareSequence(gBaseCaption, kCaption, Match::Exact));
    // A repaint request from anyone repaints the frame.
    SendMessageA(window, WM_NCACTIVATE, FALSE, 0);
    SendMessageA(window, WM_NCACTIVATE, TRUE, 0);
    test::MessageRecorder recorder;
    recorder.Watch(window, Role::Form);
    PostMessageA(window, SkinRepaintFrame, 0, 0);
    Pump(100);
    EXPECT_EQ(LeftActive, test::WindowPixel(window, 2, 100));
    // Painted at once on the window's own context: no message of ours besides the request.
    static const ExpectedMessage kRepaint[] = {{SkinRepaintFrame, kPosted}};
    recorder.ExpectSequence(Role::Form, kRepaint, "a frame repaint request");
}

TEST_F(WinSkinForm, FramePaintStaysInsideTheUpdateRegion) {
    // The platform's update region is in screen coordinates; here it covers the left border only.
    RECT outer{};
    GetWindowRect(window, &outer);
    HRGN update = CreateRectRgn(outer.left, outer.top + 50, outer.left + 6, outer.top + 150);
    CoverWithMarker(2, 100);
    CoverWithMarker(150, 2);
    EXPECT_EQ(0, SendMessageA(window, WM_NCPAINT, reinterpret_cast<WPARAM>(update), 0));
    EXPECT_EQ(LeftActive, test::WindowPixel(window, 2, 100)) << "inside the region";
    EXPECT_EQ(0x123456u, test::WindowPixel(window, 150, 2)) << "outside it";
    EXPECT_EQ(OBJ_REGION, GetObjectType(update)) << "the caller's region is left to the caller";
    DeleteObject(update);
}

TEST_F(WinSkinForm, EachResizeReachesTheWindowOnceAndReshapesItsRegion) {
    test::MessageRecorder recorder; // in front of the skin: counts what the system sends
    recorder.Watch(window, Role::Form);
    auto sent = [&] {
        const auto& seen = recorder.Sequence(Role::Form);
        const auto n =
            std::count_if(seen.begin(), seen.end(), [](const auto& m) { return m.message == WM_SIZE; });
        recorder.Clear();
        return static_cast<int>(n);
    };
    RECT outer{};
    GetWindowRect(window, &outer);
    const int wider = outer.right - outer.left + 40, high = outer.bottom - outer.top;
    const struct {
        const char* what;
        void (*act)(HWND, int, int);
    } steps[] = {
        {"resized",
         [](HWND w, int cx, int cy) { SetWindowPos(w, nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER); }},
        {"minimised", [](HWND w, int, int) { ShowWindow(w, SW_MINIMIZE); }},
        {"restored", [](HWND w, int, int) { ShowWindow(w, SW_RESTORE); }},
    };
    for (const auto& step : steps) {
        gBaseSizes = 0;
        recorder.Clear();
        step.act(window, wider, high);
        Pump(100);
        const int arrived = sent();
        EXPECT_GT(arrived, 0) << step.what;
        EXPECT_EQ(arrived, gBaseSizes) << step.what;
    }
    // Restored at the new size, the window's shape is cut for that size.
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(ERROR, GetWindowRgn(window, region));
    RECT box{};
    GetRgnBox(region, &box);
    EXPECT_EQ(wider, box.right);
    EXPECT_FALSE(PtInRegion(region, wider - 6, 0)) << "the right piece's magenta corner";
    DeleteObject(region);
}

TEST_F(WinSkinForm, SystemMenuAndDoubleClicksOnTheCaption) {
    // A right click on the caption opens the window's menu; its last item closes the window.
    static std::size_t popupsWhileOpen = 0;
    After(300, [] {
        popupsWhileOpen = WindowsSkinManager()->Popups().Windows().size(); // the menu's window is registered
        HWND owner = GetForegroundWindow();
        PostMessageA(owner, WM_KEYDOWN, VK_UP, 0); // from no selection up to the last item
        PostMessageA(owner, WM_KEYDOWN, VK_RETURN, 0);
    });
    SendMessageA(window, WM_NCRBUTTONDOWN, HTCAPTION, ScreenPoint(150, 10));
    Pump(100);
    EXPECT_EQ(std::vector<UINT>{WM_CLOSE}, gBaseMessages) << "\" Close \" chosen from the menu";
    EXPECT_EQ(1u, popupsWhileOpen);
    EXPECT_TRUE(manager->Popups().Windows().empty()) << "and forgotten when it goes";

    // Two requests within the double-click time close the window without a menu.
    gBaseMessages.clear();
    Sleep(GetDoubleClickTime() + 50);
    After(300, [] { PostMessageA(GetForegroundWindow(), WM_KEYDOWN, VK_ESCAPE, 0); });
    SendMessageA(window, WM_NCRBUTTONDOWN, HTCAPTION, ScreenPoint(150, 10));
    SendMessageA(window, WM_NCRBUTTONDOWN, HTCAPTION, ScreenPoint(150, 10));
    Pump(100);
    EXPECT_EQ(std::vector<UINT>{WM_CLOSE}, gBaseMessages);

    // A double click on the frame maximises a window with a maximise box, and restores it.
    SendMessageA(window, WM_NCLBUTTONDBLCLK, HTCAPTION, ScreenPoint(150, 10));
    Pump(200);
    EXPECT_TRUE(IsZoomed(window));
    SendMessageA(window, WM_NCLBUTTONDBLCLK, HTCAPTION, ScreenPoint(150, 10));
    Pump(200);
    EXPECT_FALSE(IsZoomed(window));
    EXPECT_EQ(ClientW, ClientSize().cx);
}

TEST_F(WinSkinForm, SkinChangeReappliesAndDetachRestoresEverything) {
    // A new skin whose left border is another colour, applied through the manager's request.
    ASSERT_TRUE(skin->LoadSkinBytes(HandMadeSkin(0x10A040)));
    skin->ApplySkin();
    EXPECT_TRUE(manager->Timer().Running());
    Pump(600);
    EXPECT_EQ(0x10A040u, test::WindowPixel(window, 2, 100));
    EXPECT_EQ(ClientW, ClientSize().cx);
    EXPECT_FALSE(manager->Timer().Running()) << "nothing pending: the timer rests";

    skin->SetActive(false);
    Pump(600);
    EXPECT_NE(1, SendMessageA(window, SkinQuery, 0, 0));
    EXPECT_EQ(nullptr, manager->FindFormObject(window));
    EXPECT_EQ(originalProc, GetWindowLongPtrA(window, GWLP_WNDPROC));
    EXPECT_EQ(WS_CAPTION, GetWindowLongPtrA(window, GWL_STYLE) & WS_CAPTION);
    EXPECT_EQ(ClientW, ClientSize().cx);
    EXPECT_EQ(ClientH, ClientSize().cy);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(ERROR, GetWindowRgn(window, region)) << "no region left";
    DeleteObject(region);
}

TEST_F(WinSkinForm, ASkinOfTheSameFrameSizesCutsTheRegionFromItsOwnBorders) {
    ASSERT_TRUE(skin->LoadSkinBytes(HandMadeSkin(LeftActive, true)));
    skin->ApplySkin();
    Pump(600);
    RECT outer{};
    GetWindowRect(window, &outer);
    const int w = outer.right - outer.left, h = outer.bottom - outer.top;
    ASSERT_EQ(ClientW + 12, w) << "the same frame sizes: the window keeps its size";
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(ERROR, GetWindowRgn(window, region));
    // The fixed starts of the four borders (frame 1 of each image, at its place on the window):
    // a pixel is in the region exactly when the skin's own bitmap has no magenta there.
    const struct {
        const char* name;
        const TBitmap32& image;
        int width, height, windowX, windowY;
    } starts[] = {{"left", skin->Model().FrameLeft->Image, 6, 2, 0, 0},
                  {"right", skin->Model().FrameRight->Image, 6, 2, w - 6, 0},
                  {"top", skin->Model().FrameTop->Image, 2, 24, 6, 0},
                  {"bottom", skin->Model().FrameBottom->Image, 2, 5, 6, h - 5}};
    int cut = 0;
    for (const auto& s : starts) {
        for (int y = 0; y < s.height; ++y) {
            for (int x = 0; x < s.width; ++x) {
                const bool visible = s.image.Pixel(x, y) != Magenta;
                cut += visible ? 0 : 1;
                EXPECT_EQ(visible, PtInRegion(region, s.windowX + x, s.windowY + y) != FALSE)
                    << s.name << " " << x << "," << y;
            }
        }
    }
    EXPECT_EQ(6, cut) << "the new skin's cuts, all looked at";
    DeleteObject(region);
}

TEST_F(WinSkinForm, TheWindowManagerHearsWhoPaintsTheFrameAndThatMenusKeepSquareCorners) {
    // Each call as "window attribute=value": our windows by their caption, others by class.
    static std::vector<std::string> calls;
    calls.clear();
    SetDwmAttributeSetter([](HWND w, DWORD attribute, DWORD value) {
        char name[32] = {};
        GetClassNameA(w, name, sizeof(name));
        if (std::string(name) == "SkinFormTestWindow") {
            GetWindowTextA(w, name, sizeof(name));
        }
        calls.push_back(std::string(name) + " " + std::to_string(attribute) + "=" + std::to_string(value));
    });
    HWND second = CreateWindowExA(0, "SkinFormTestWindow", "Second", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 60,
                                  300, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(second);
    Pump(300);
    After(300, [] { PostMessageA(GetForegroundWindow(), WM_KEYDOWN, VK_ESCAPE, 0); });
    RECT r{};
    GetWindowRect(second, &r);
    SendMessageA(second, WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(r.left + 100, r.top + 10));
    skin->SetActive(false);
    Pump(600);
    SetDwmAttributeSetter({});
    DestroyWindow(second);
    // Rendering policy (2): disabled (1) at attach, by the window's style (0) at detach; corner
    // preference (33): do not round (1). The fixture's window was attached before the seam was set.
    const std::vector<std::string> expected{"Second 2=1", "#32768 33=1", "Second 2=0",
                                            "Skinned test window 2=0"};
    EXPECT_EQ(expected, calls);
}

} // namespace
} // namespace quellar

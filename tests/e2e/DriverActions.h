#pragma once
// What the end-to-end driver does as a user: waits with timeouts, finds the program's windows
// and boxes, reads and sets its controls, reads the settings file and keeps the time line.
#include "app/UMain.h"
#include "app/UMainLayout.h"
#include "tests/e2e/AudioScenario.h"
#include "tonegen/WaveHeader.h"

#include <windows.h>

#include <commctrl.h>
#include <mmsystem.h>
#include <psapi.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <numbers>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace quellar::e2e {

constexpr DWORD kSendTimeoutMs = 5000;
constexpr int kWindowTimeoutMs = 30000; // the first start in a prefix may take a while
constexpr int kBoxTimeoutMs = 10000;

[[noreturn]] inline void Fail(const std::string& what) {
    throw std::runtime_error(what);
}

inline double Now() {
    static LARGE_INTEGER frequency{};
    if (frequency.QuadPart == 0) {
        QueryPerformanceFrequency(&frequency);
    }
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Polls `done` every 20 ms until it holds or the time is up.
inline void WaitUntil(const std::function<bool()>& done, int timeoutMs, const std::string& what) {
    const double until = Now() + timeoutMs / 1000.0;
    while (!done()) {
        if (Now() > until) {
            Fail("timed out waiting for " + what);
        }
        Sleep(20);
    }
}

inline HWND WaitForWindow(const std::function<HWND()>& find, int timeoutMs, const std::string& what) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = find()) != nullptr; }, timeoutMs, what);
    return found;
}

inline LRESULT Send(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    DWORD_PTR result = 0;
    if (SendMessageTimeoutA(hwnd, msg, wp, lp, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result) == 0) {
        Fail("the program did not answer message " + std::to_string(msg));
    }
    return static_cast<LRESULT>(result);
}

inline std::string ClassOf(HWND hwnd) {
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

inline std::string TextOf(HWND hwnd) {
    char text[512] = {};
    Send(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

inline DWORD ProcessOf(HWND hwnd) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    return pid;
}

// ---- the program's windows ----

inline HWND FindMainWindow() {
    HWND hwnd = FindWindowA("TfrmMain", kMainCaption);
    return hwnd != nullptr && IsWindowVisible(hwnd) ? hwnd : nullptr;
}

constexpr char kBoxClass[] = "#32770";
constexpr char kPopupMenuClass[] = "#32768";

struct TopWindowSearch {
    DWORD pid;
    const char* className;
    const std::string* caption; // null: any caption
    HWND found;
};

inline BOOL CALLBACK MatchTopWindow(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<TopWindowSearch*>(lp);
    char title[256] = {};
    GetWindowTextA(hwnd, title, sizeof title);
    if (ProcessOf(hwnd) == s->pid && ClassOf(hwnd) == s->className && IsWindowVisible(hwnd) &&
        (s->caption == nullptr || *s->caption == title)) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// A visible top-level window of the process of this class (and caption, if one is given).
inline HWND FindTopWindow(DWORD pid, const char* className, const std::string* caption = nullptr) {
    TopWindowSearch search{pid, className, caption, nullptr};
    EnumWindows(MatchTopWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A visible message box of the process with this caption.
inline HWND FindBox(DWORD pid, const std::string& caption) {
    return FindTopWindow(pid, kBoxClass, &caption);
}

inline DWORD FindProcess(const std::string& windowTitle) {
    DWORD pid = 0;
    WaitForWindow(
        [&]() -> HWND {
            HWND hwnd = FindWindowA(nullptr, windowTitle.c_str());
            pid = hwnd != nullptr ? ProcessOf(hwnd) : 0;
            return hwnd;
        },
        kWindowTimeoutMs, "a window titled \"" + windowTitle + "\"");
    return pid;
}

// Waits for the box, checks its text, presses OK and waits until it has gone.
inline void AnswerBox(DWORD pid, const std::string& caption, const std::string& expectedText) {
    HWND box = WaitForWindow([&] { return FindBox(pid, caption); }, kBoxTimeoutMs,
                             "the \"" + caption + "\" box saying \"" + expectedText + "\"");
    const std::string text = TextOf(GetDlgItem(box, 0xFFFF)); // the box's message line
    std::printf("driver: box \"%s\": %s\n", caption.c_str(), text.c_str());
    if (text != expectedText) {
        Fail("the \"" + caption + "\" box says \"" + text + "\", expected \"" + expectedText + "\"");
    }
    HWND ok = GetDlgItem(box, IDOK);
    if (ok == nullptr) {
        Fail("the \"" + caption + "\" box has no OK button");
    }
    PostMessageA(ok, BM_CLICK, 0, 0);
    WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, kBoxTimeoutMs,
              "the \"" + caption + "\" box to close");
}

// Fails as soon as the process shows a box within forMs.
inline void ExpectNoBox(DWORD pid, int forMs) {
    for (int waited = 0; waited < forMs; waited += 20) {
        if (HWND box = FindTopWindow(pid, kBoxClass)) {
            Fail("the program shows a box: \"" + TextOf(GetDlgItem(box, 0xFFFF)) + "\"");
        }
        Sleep(20);
    }
}

// Waits up to 10 s for the process to end.
inline void WaitForEnd(HANDLE process, const std::string& what) {
    const DWORD waited = process != nullptr ? WaitForSingleObject(process, 10000) : WAIT_FAILED;
    if (process != nullptr) {
        CloseHandle(process);
    }
    if (waited != WAIT_OBJECT_0) {
        Fail(what + " did not end within 10 s");
    }
}

struct MainControls {
    HWND form = nullptr;
    HWND pcSpeaker = nullptr, soundDevice = nullptr, autoStep = nullptr;
    HWND timeChange = nullptr, valChange = nullptr, duration = nullptr;
    HWND sampleRate = nullptr, volume = nullptr, frequency = nullptr;
};

// The index of the item with this text, or -1. (Under Wine an item's text cannot be read from
// another process: CB_GETLBTEXT hands back UTF-16 there. Looking an item up by text works.)
inline int ItemIndexOf(HWND combo, const std::string& text) {
    return static_cast<int>(
        Send(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str())));
}

inline BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lp) {
    reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
    return TRUE;
}

// Finds the controls the way a user tells them apart: check boxes by caption, the sample-rate
// list by its items, the sliders by their ranges, the "Parameter" box's two edits left to right
// ("Time Change", "Val Change") and the one edit outside it ("Duration").
inline MainControls FindControls(HWND form) {
    MainControls c;
    c.form = form;
    std::vector<HWND> children;
    EnumChildWindows(form, CollectWindow, reinterpret_cast<LPARAM>(&children));
    std::vector<HWND> parameterEdits;
    for (HWND h : children) {
        const std::string cls = ClassOf(h);
        const std::string parentClass = ClassOf(GetParent(h));
        if (cls == "Button") {
            const std::string text = TextOf(h);
            if (text == "PC SPK") {
                c.pcSpeaker = h;
            } else if (text == "Sound device") {
                c.soundDevice = h;
            } else if (text == "Auto") {
                c.autoStep = h;
            }
        } else if (cls == "ComboBox" && parentClass != WC_COMBOBOXEXA &&
                   ItemIndexOf(h, kSampleRateText) >= 0) {
            c.sampleRate = h;
        } else if (cls == TRACKBAR_CLASSA) {
            (Send(h, TBM_GETRANGEMAX, 0, 0) == 100 ? c.volume : c.frequency) = h;
        } else if (cls == "Edit" && parentClass == "Button" && TextOf(GetParent(h)) == "Parameter") {
            parameterEdits.push_back(h);
        } else if (cls == "Edit" && parentClass != "ComboBox" && parentClass != WC_COMBOBOXEXA) {
            c.duration = h;
        }
    }
    if (parameterEdits.size() == 2) {
        RECT a{}, b{};
        GetWindowRect(parameterEdits[0], &a);
        GetWindowRect(parameterEdits[1], &b);
        const bool inOrder = a.left < b.left;
        c.timeChange = parameterEdits[inOrder ? 0 : 1];
        c.valChange = parameterEdits[inOrder ? 1 : 0];
    }
    const std::pair<HWND, const char*> wanted[] = {
        {c.pcSpeaker, "PC SPK"},       {c.soundDevice, "Sound device"}, {c.autoStep, "Auto"},
        {c.timeChange, "Time Change"}, {c.valChange, "Val Change"},     {c.duration, "Duration"},
        {c.sampleRate, "Sample Rate"}, {c.volume, "Master Volume"},     {c.frequency, "Freq"}};
    for (const auto& [hwnd, label] : wanted) {
        if (hwnd == nullptr) {
            for (HWND child : children) {
                std::fprintf(stderr, "driver: child %s \"%s\" in %s\n", ClassOf(child).c_str(),
                             TextOf(child).c_str(), ClassOf(GetParent(child)).c_str());
            }
            Fail(std::string("the main window's control \"") + label + "\" was not found");
        }
    }
    return c;
}

inline MainControls MainWindowControls() {
    return FindControls(WaitForWindow(FindMainWindow, kWindowTimeoutMs, "the main window"));
}

// ---- acting on the controls ----

inline bool IsChecked(HWND box) {
    return Send(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

inline void SetChecked(HWND box, bool checked) {
    if (IsChecked(box) != checked) {
        Send(box, BM_CLICK, 0, 0);
    }
    if (IsChecked(box) != checked) {
        Fail("clicking \"" + TextOf(box) + "\" did not change it");
    }
}

inline void SetEditText(HWND edit, const std::string& text) {
    Send(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (TextOf(edit) != text) {
        Fail("an edit does not take \"" + text + "\"");
    }
}

// Selects the item with this text and tells the parent, as a selection with the mouse does.
inline void SelectItem(HWND combo, const std::string& text) {
    const int index = ItemIndexOf(combo, text);
    if (index < 0) {
        Fail("no list item \"" + text + "\"");
    }
    Send(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    Send(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
         reinterpret_cast<LPARAM>(combo));
}

inline bool IsSelected(HWND combo, const std::string& text) {
    const int index = ItemIndexOf(combo, text);
    return index >= 0 && Send(combo, CB_GETCURSEL, 0, 0) == index;
}

inline int SliderPosition(HWND slider) {
    return static_cast<int>(Send(slider, TBM_GETPOS, 0, 0));
}

// Moves the slider and sends its parent what dragging the thumb there would.
inline void SetSlider(HWND slider, int position) {
    Send(slider, TBM_SETPOS, TRUE, position);
    HWND parent = GetParent(slider);
    Send(parent, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position), reinterpret_cast<LPARAM>(slider));
    Send(parent, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(slider));
    if (SliderPosition(slider) != position) {
        Fail("a slider does not move to " + std::to_string(position));
    }
}

inline int LayoutNumber(const TLayoutObject& object, const std::string& property) {
    for (const TLayoutProperty& p : object.properties) {
        if (p.name == property) {
            return static_cast<int>(p.value.i);
        }
    }
    return 0;
}

// The command buttons have no windows of their own: the main window routes a click at their
// place (from the window's layout) to them.
inline void ClickCommand(HWND form, const std::string& name) {
    for (const TLayoutObject& object : MainFormLayout()) {
        if (object.name != name) {
            continue;
        }
        const int left = LayoutNumber(object, "Left"), top = LayoutNumber(object, "Top");
        const int width = LayoutNumber(object, "Width"), height = LayoutNumber(object, "Height");
        if (!object.parent.empty() || width <= 0 || height <= 0) {
            Fail("the layout does not place " + name + " on the main window");
        }
        const LPARAM at = MAKELPARAM(left + width / 2, top + height / 2);
        PostMessageA(form, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageA(form, WM_LBUTTONUP, 0, at);
        return;
    }
    Fail("the layout has no " + name);
}

// ---- settings, marker, time line ----

inline std::string IniValue(const char* key) {
    char value[256] = {};
    GetPrivateProfileStringA(kIniSection, key, "", value, sizeof value, kIniFileName);
    return value;
}

inline void ExpectIni(const char* key, const std::string& expected) {
    const std::string value = IniValue(key);
    if (value != expected) {
        Fail(std::string("settings file: ") + key + "=" + value + ", expected " + expected);
    }
}

// The marker: a sine of kMarkerHz for kMarkerMs, 96,000 frames per second, 16-bit stereo, played
// to its end.
inline void PlayMarker() {
    constexpr std::uint32_t rate = 96000, frames = rate * kMarkerMs / 1000, dataBytes = frames * 4;
    std::vector<std::uint8_t> image(kWaveHeaderSize + dataBytes);
    const auto header = BuildWaveHeader(true, true, true, dataBytes);
    std::copy(header.begin(), header.end(), image.begin());
    auto put16 = [&](std::size_t at, std::uint16_t v) {
        image[at] = static_cast<std::uint8_t>(v);
        image[at + 1] = static_cast<std::uint8_t>(v >> 8);
    };
    for (std::uint32_t f = 0; f < frames; ++f) {
        const double v = 0.5 * std::sin(2 * std::numbers::pi * kMarkerHz * f / rate);
        const auto sample = static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(v * 32767)));
        put16(44 + f * 4, sample);
        put16(46 + f * 4, sample);
    }
    if (!PlaySoundA(reinterpret_cast<LPCSTR>(image.data()), nullptr, SND_MEMORY | SND_SYNC)) {
        Fail("the marker tone could not be played");
    }
}

class Timeline {
public:
    explicit Timeline(const char* path) : file_(std::fopen(path, "w")) {
        if (file_ == nullptr) {
            Fail(std::string("cannot write ") + path);
        }
    }
    ~Timeline() { std::fclose(file_); }
    Timeline(const Timeline&) = delete;
    Timeline& operator=(const Timeline&) = delete;
    double Note(std::string_view event) {
        const double t = Now();
        std::fprintf(file_, "%.*s %.6f\n", static_cast<int>(event.size()), event.data(), t);
        std::fflush(file_);
        return t;
    }

private:
    std::FILE* file_;
};

inline void SleepUntil(double t) {
    const double left = t - Now();
    if (left > 0) {
        Sleep(static_cast<DWORD>(left * 1000));
    }
}

} // namespace quellar::e2e

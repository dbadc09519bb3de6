// Plays the user of a running quellar.exe for the end-to-end audio test: finds its main window,
// answers its message boxes, sets the controls, clicks the command buttons and writes down when
// it did what (see AudioScenario.h). A marker tone played just before START lets the checks put
// these times on the capture's time line.
//
//   quellar-driver steady|sweep TIMELINE
//   quellar-driver hold TIMELINE IDLE_SECONDS RUN_SECONDS   (for scripts/cpu-share.sh)
//   quellar-driver hostile-skins TIMELINE   (for hostile-skins-e2e.sh)
//   quellar-driver skin-numbers TIMELINE    (for skin-numbers-e2e.sh: the program)
//   quellar-driver skin-viewer TIMELINE     (for skin-numbers-e2e.sh: the skin viewer)
//
// Exits 0 when every step went as a user would see it, 1 with a message otherwise. Every wait
// has a timeout.
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
namespace {

constexpr DWORD kSendTimeoutMs = 5000;
constexpr int kWindowTimeoutMs = 30000; // the first start in a prefix may take a while
constexpr int kBoxTimeoutMs = 10000;

[[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error(what);
}

double Now() {
    static LARGE_INTEGER frequency{};
    if (frequency.QuadPart == 0) {
        QueryPerformanceFrequency(&frequency);
    }
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Polls `done` every 20 ms until it holds or the time is up.
void WaitUntil(const std::function<bool()>& done, int timeoutMs, const std::string& what) {
    const double until = Now() + timeoutMs / 1000.0;
    while (!done()) {
        if (Now() > until) {
            Fail("timed out waiting for " + what);
        }
        Sleep(20);
    }
}

HWND WaitForWindow(const std::function<HWND()>& find, int timeoutMs, const std::string& what) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = find()) != nullptr; }, timeoutMs, what);
    return found;
}

LRESULT Send(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    DWORD_PTR result = 0;
    if (SendMessageTimeoutA(hwnd, msg, wp, lp, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result) == 0) {
        Fail("the program did not answer message " + std::to_string(msg));
    }
    return static_cast<LRESULT>(result);
}

std::string ClassOf(HWND hwnd) {
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

std::string TextOf(HWND hwnd) {
    char text[512] = {};
    Send(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

DWORD ProcessOf(HWND hwnd) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    return pid;
}

// ---- the program's windows ----

HWND FindMainWindow() {
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

BOOL CALLBACK MatchTopWindow(HWND hwnd, LPARAM lp) {
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
HWND FindTopWindow(DWORD pid, const char* className, const std::string* caption = nullptr) {
    TopWindowSearch search{pid, className, caption, nullptr};
    EnumWindows(MatchTopWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A visible message box of the process with this caption.
HWND FindBox(DWORD pid, const std::string& caption) {
    return FindTopWindow(pid, kBoxClass, &caption);
}

DWORD FindProcess(const std::string& windowTitle) {
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
void AnswerBox(DWORD pid, const std::string& caption, const std::string& expectedText) {
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
void ExpectNoBox(DWORD pid, int forMs) {
    for (int waited = 0; waited < forMs; waited += 20) {
        if (HWND box = FindTopWindow(pid, kBoxClass)) {
            Fail("the program shows a box: \"" + TextOf(GetDlgItem(box, 0xFFFF)) + "\"");
        }
        Sleep(20);
    }
}

// Waits up to 10 s for the process to end.
void WaitForEnd(HANDLE process, const std::string& what) {
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
int ItemIndexOf(HWND combo, const std::string& text) {
    return static_cast<int>(
        Send(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str())));
}

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lp) {
    reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
    return TRUE;
}

// Finds the controls the way a user tells them apart: check boxes by caption, the sample-rate
// list by its items, the sliders by their ranges, the "Parameter" box's two edits left to right
// ("Time Change", "Val Change") and the one edit outside it ("Duration").
MainControls FindControls(HWND form) {
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

MainControls MainWindowControls() {
    return FindControls(WaitForWindow(FindMainWindow, kWindowTimeoutMs, "the main window"));
}

// ---- acting on the controls ----

bool IsChecked(HWND box) {
    return Send(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetChecked(HWND box, bool checked) {
    if (IsChecked(box) != checked) {
        Send(box, BM_CLICK, 0, 0);
    }
    if (IsChecked(box) != checked) {
        Fail("clicking \"" + TextOf(box) + "\" did not change it");
    }
}

void SetEditText(HWND edit, const std::string& text) {
    Send(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (TextOf(edit) != text) {
        Fail("an edit does not take \"" + text + "\"");
    }
}

// Selects the item with this text and tells the parent, as a selection with the mouse does.
void SelectItem(HWND combo, const std::string& text) {
    const int index = ItemIndexOf(combo, text);
    if (index < 0) {
        Fail("no list item \"" + text + "\"");
    }
    Send(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    Send(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
         reinterpret_cast<LPARAM>(combo));
}

bool IsSelected(HWND combo, const std::string& text) {
    const int index = ItemIndexOf(combo, text);
    return index >= 0 && Send(combo, CB_GETCURSEL, 0, 0) == index;
}

int SliderPosition(HWND slider) {
    return static_cast<int>(Send(slider, TBM_GETPOS, 0, 0));
}

// Moves the slider and sends its parent what dragging the thumb there would.
void SetSlider(HWND slider, int position) {
    Send(slider, TBM_SETPOS, TRUE, position);
    HWND parent = GetParent(slider);
    Send(parent, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position), reinterpret_cast<LPARAM>(slider));
    Send(parent, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(slider));
    if (SliderPosition(slider) != position) {
        Fail("a slider does not move to " + std::to_string(position));
    }
}

int LayoutNumber(const TLayoutObject& object, const std::string& property) {
    for (const TLayoutProperty& p : object.properties) {
        if (p.name == property) {
            return static_cast<int>(p.value.i);
        }
    }
    return 0;
}

// The command buttons have no windows of their own: the main window routes a click at their
// place (from the window's layout) to them.
void ClickCommand(HWND form, const std::string& name) {
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

std::string IniValue(const char* key) {
    char value[256] = {};
    GetPrivateProfileStringA(kIniSection, key, "", value, sizeof value, kIniFileName);
    return value;
}

void ExpectIni(const char* key, const std::string& expected) {
    const std::string value = IniValue(key);
    if (value != expected) {
        Fail(std::string("settings file: ") + key + "=" + value + ", expected " + expected);
    }
}

// The marker: a sine of kMarkerHz for kMarkerMs, 96,000 frames per second, 16-bit stereo, played
// to its end.
void PlayMarker() {
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

void SleepUntil(double t) {
    const double left = t - Now();
    if (left > 0) {
        Sleep(static_cast<DWORD>(left * 1000));
    }
}

// ---- the two runs ----

void Enter(const MainControls& c, const Settings& s) {
    SetChecked(c.pcSpeaker, s.pcSpeaker);
    SetChecked(c.soundDevice, true);
    SelectItem(c.sampleRate, kSampleRateText);
    SetEditText(c.timeChange, std::to_string(s.intervalMs));
    SetEditText(c.valChange, std::to_string(s.stepHz));
    SetEditText(c.duration, std::to_string(s.durationMs));
    SetChecked(c.autoStep, s.autoStep);
    SetSlider(c.volume, s.volume);
    SetSlider(c.frequency, s.frequencyHz);
}

void SaveAndCheck(const MainControls& c, DWORD pid, const Settings& s) {
    ClickCommand(c.form, "btnSetup");
    AnswerBox(pid, "Information", kSavedText);
    ExpectIni("SOUND_DEV", "Y");
    ExpectIni("PC_SPK", s.pcSpeaker ? "Y" : "N");
    ExpectIni("SAMPLE_RATE", "3");
    ExpectIni("TIME_CH", std::to_string(s.intervalMs));
    ExpectIni("VAL_CH", std::to_string(s.stepHz));
    ExpectIni("DURATION", std::to_string(s.durationMs));
    ExpectIni("MAST_VOL", std::to_string(s.volume));
    ExpectIni("AUTO", s.autoStep ? "Y" : "N");
    ExpectIni("FREQ", std::to_string(s.frequencyHz));
}

// Marker, a short pause, START.
double StartWithMarker(const MainControls& c, Timeline& timeline) {
    timeline.Note(kMarker);
    PlayMarker();
    Sleep(300);
    const double start = timeline.Note(kStart);
    ClickCommand(c.form, "btnStart");
    return start;
}

void ExitAndWaitForEnd(const MainControls& c, DWORD pid, Timeline& timeline) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    if (process == nullptr) {
        Fail("cannot watch the program's process");
    }
    timeline.Note(kExit);
    ClickCommand(c.form, "btnExit");
    WaitForEnd(process, "the program, after Exit,");
    timeline.Note(kGone);
}

// First start: no settings file yet, so reading it stops at its first (empty) number.
void RunSteady(Timeline& timeline) {
    const DWORD pid = FindProcess(kAppTitle);
    AnswerBox(pid, kAppTitle, "'' is not a valid integer value.");
    const MainControls c = MainWindowControls();
    if (IsChecked(c.soundDevice) || IsChecked(c.pcSpeaker)) {
        Fail("first start: a device box is checked although no settings were read");
    }
    Enter(c, kSteady);
    SaveAndCheck(c, pid, kSteady);

    const double start = StartWithMarker(c, timeline);
    SleepUntil(start + kSteadyRunMs / 1000.0);
    const double stop = timeline.Note(kStop);
    ClickCommand(c.form, "btnStop");
    AnswerBox(pid, "Information", kStopText);
    SleepUntil(stop + kSteadyAfterStopMs / 1000.0);
    ExitAndWaitForEnd(c, pid, timeline);
}

// Second start: the steady run's settings are read back into the controls.
void RunSweep(Timeline& timeline) {
    const MainControls c = MainWindowControls();
    const DWORD pid = ProcessOf(c.form);
    const bool restored = IsChecked(c.soundDevice) && IsSelected(c.sampleRate, kSampleRateText) &&
                          TextOf(c.timeChange) == std::to_string(kSteady.intervalMs) &&
                          TextOf(c.duration) == std::to_string(kSteady.durationMs) &&
                          SliderPosition(c.volume) == kSteady.volume &&
                          SliderPosition(c.frequency) == kSteady.frequencyHz && !IsChecked(c.autoStep);
    if (!restored) {
        Fail("second start: the controls do not show the saved settings");
    }
    // Start-up ends by checking PC SPK once the settings were read without a fault.
    if (!IsChecked(c.pcSpeaker)) {
        Fail("second start: PC SPK is not checked");
    }
    Enter(c, kSweep);
    SaveAndCheck(c, pid, kSweep);

    const double start = StartWithMarker(c, timeline);
    SleepUntil(start + kSweepRunMs / 1000.0);
    ExitAndWaitForEnd(c, pid, timeline);
}

// For measuring the program's processor time (scripts/cpu-share.sh): the settings of kHold,
// saved, then idle for idleSeconds ("idle" noted), running for runSeconds ("start" and "stop"
// noted) and Exit. The script writes a complete settings file first, so no first-start box.
void RunHold(Timeline& timeline, double idleSeconds, double runSeconds) {
    const MainControls c = MainWindowControls();
    const DWORD pid = ProcessOf(c.form);
    Enter(c, kHold);
    SaveAndCheck(c, pid, kHold);
    const double idle = timeline.Note("idle");
    SleepUntil(idle + idleSeconds);
    const double start = timeline.Note(kStart);
    ClickCommand(c.form, "btnStart");
    SleepUntil(start + runSeconds);
    timeline.Note(kStop);
    ExitAndWaitForEnd(c, pid, timeline);
}
// Start-up with hostile skin files as every skin (hostile-skins-e2e.sh writes them and a
// complete settings file first): the main window shows, no box of the program appears in the
// seconds after it (when a skin would be applied), start-up ran to its end (the controls show
// the settings file and PC SPK is checked), and Exit ends the program.
void RunHostileSkins(Timeline& timeline) {
    const MainControls c = MainWindowControls();
    const DWORD pid = ProcessOf(c.form);
    ExpectNoBox(pid, 2000);
    const bool read = TextOf(c.timeChange) == IniValue("TIME_CH") &&
                      TextOf(c.duration) == IniValue("DURATION") &&
                      std::to_string(SliderPosition(c.frequency)) == IniValue("FREQ") &&
                      std::to_string(SliderPosition(c.volume)) == IniValue("MAST_VOL");
    if (!read) {
        Fail("the controls do not show the settings file");
    }
    if (!IsChecked(c.pcSpeaker)) {
        Fail("PC SPK is not checked: start-up did not run to its end");
    }
    ExitAndWaitForEnd(c, pid, timeline);
}

// ---- hostile skin numbers: repaints, boxes on the screen, memory ----

constexpr double kMemoryLimitMb = 300; // a skinned process takes some 40 MB under Wine
constexpr int kRepaints = 5;

std::string RectText(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) +
           "," + std::to_string(r.bottom) + ")";
}

bool Inside(const RECT& r, const RECT& area) {
    return r.left >= area.left && r.top >= area.top && r.right <= area.right && r.bottom <= area.bottom;
}

// The peak working set of the process in MB (Wine reads it from the process's own counters).
double PeakMemoryMb(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    const BOOL read = process != nullptr && K32GetProcessMemoryInfo(process, &counters, sizeof counters);
    if (process != nullptr) {
        CloseHandle(process);
    }
    if (!read) {
        Fail("cannot read the process's memory counters");
    }
    return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
}

// Milliseconds for one full repaint of the window, frame and children, with the window
// answering a message after each (the average of kRepaints).
double RepaintMs(HWND window) {
    const double began = Now();
    for (int i = 0; i < kRepaints; ++i) {
        RedrawWindow(window, nullptr, nullptr,
                     RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Send(window, WM_NULL, 0, 0);
    }
    return (Now() - began) * 1000.0 / kRepaints;
}

void ExpectMemoryBounded(double peakMb) {
    if (peakMb > kMemoryLimitMb) {
        Fail("the process grew to " + std::to_string(peakMb) + " MB");
    }
}

RECT WorkArea() {
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

// STOP's box lies on the screen with its OK button inside it; OK closes it.
std::string CheckStopBox(DWORD pid) {
    HWND box = WaitForWindow([&] { return FindBox(pid, "Information"); }, kBoxTimeoutMs, "the STOP box");
    Sleep(400); // the skin takes the box over once it is activated and then fits its frame
    HWND ok = GetDlgItem(box, IDOK);
    RECT boxRect{}, okRect{};
    GetWindowRect(box, &boxRect);
    GetWindowRect(ok, &okRect);
    const RECT work = WorkArea();
    const std::string where =
        "box " + RectText(boxRect) + " OK " + RectText(okRect) + " work " + RectText(work);
    if (ok == nullptr || !Inside(boxRect, work) || !Inside(okRect, boxRect)) {
        Fail("the STOP box is not on the screen: " + where);
    }
    PostMessageA(ok, BM_CLICK, 0, 0);
    WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, kBoxTimeoutMs,
              "the STOP box to close");
    return where;
}

// The program on a skin of hostile numbers: it shows its window and keeps answering through
// repaints, START and STOP, STOP's box lies on the screen, and its memory stays bounded.
void RunSkinNumbers(Timeline& timeline) {
    const MainControls c = MainWindowControls();
    const DWORD pid = ProcessOf(c.form);
    ExpectNoBox(pid, 600); // the skin is applied 250 ms after start-up
    const double repaint = RepaintMs(c.form);
    timeline.Note(kStart);
    ClickCommand(c.form, "btnStart");
    Sleep(300);
    Send(c.form, WM_NULL, 0, 0);
    timeline.Note(kStop);
    ClickCommand(c.form, "btnStop");
    const std::string stopBox = CheckStopBox(pid);
    RepaintMs(c.form);
    const double peak = PeakMemoryMb(pid);
    std::printf("driver: program repaint %.1f ms, peak %.0f MB, STOP %s\n", repaint, peak, stopBox.c_str());
    ExpectMemoryBounded(peak);
    ExitAndWaitForEnd(c, pid, timeline);
}

// The viewer's right-click menu opens on the screen (its skinned items measured no wider than
// the work area) and Escape closes it.
std::string CheckPopupMenu(HWND view, DWORD pid) {
    RECT client{};
    GetClientRect(view, &client);
    POINT at{client.right / 3, client.bottom / 3};
    ClientToScreen(view, &at);
    PostMessageA(view, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(view), MAKELPARAM(at.x, at.y));
    HWND popup = WaitForWindow([&] { return FindTopWindow(pid, kPopupMenuClass); }, kBoxTimeoutMs,
                               "the viewer's popup menu");
    Sleep(200); // measured and shown
    RECT menu{};
    GetWindowRect(popup, &menu);
    const std::string where = "popup " + RectText(menu);
    PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
    WaitUntil([&] { return !IsWindowVisible(popup); }, kBoxTimeoutMs, "the popup menu to close");
    if (!Inside(menu, WorkArea())) {
        Fail("the popup menu is not on the screen: " + where);
    }
    return where;
}

// The skin viewer on such a file: its window shows and keeps answering through repaints and
// its popup menu, within bounded memory, and closes when asked.
void RunSkinViewer(Timeline& timeline) {
    // By class: the viewer's hidden application window has the same title.
    HWND view = WaitForWindow(
        [] {
            HWND found = FindWindowA("TfrmSkinView", "KOR Quellar skin viewer");
            return found != nullptr && IsWindowVisible(found) ? found : nullptr;
        },
        kWindowTimeoutMs, "the skin viewer");
    const DWORD pid = ProcessOf(view);
    ExpectNoBox(pid, 600);
    const double repaint = RepaintMs(view);
    const std::string popup = CheckPopupMenu(view, pid);
    Send(view, WM_NULL, 0, 0);
    const double peak = PeakMemoryMb(pid);
    std::printf("driver: viewer repaint %.1f ms, peak %.0f MB, %s\n", repaint, peak, popup.c_str());
    ExpectMemoryBounded(peak);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    timeline.Note(kExit);
    PostMessageA(view, WM_CLOSE, 0, 0);
    WaitForEnd(process, "the viewer, once closed,");
}

} // namespace
} // namespace quellar::e2e

int main(int argc, char** argv) {
    using namespace quellar::e2e;
    const std::string run = argc >= 3 ? argv[1] : "";
    const bool hold = run == "hold" && argc == 5;
    const bool known = run == "steady" || run == "sweep" || run == "hostile-skins" || run == "skin-numbers" ||
                       run == "skin-viewer";
    if (!hold && !(known && argc == 3)) {
        std::fprintf(stderr,
                     "usage: quellar-driver steady|sweep|hostile-skins|skin-numbers|skin-viewer TIMELINE\n"
                     "       quellar-driver hold TIMELINE IDLE_SECONDS RUN_SECONDS\n");
        return 2;
    }
    try {
        Timeline timeline(argv[2]);
        if (run == "steady") {
            RunSteady(timeline);
        } else if (run == "sweep") {
            RunSweep(timeline);
        } else if (run == "hostile-skins") {
            RunHostileSkins(timeline);
        } else if (run == "skin-numbers") {
            RunSkinNumbers(timeline);
        } else if (run == "skin-viewer") {
            RunSkinViewer(timeline);
        } else {
            RunHold(timeline, std::atof(argv[3]), std::atof(argv[4]));
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "driver (%s): %s\n", run.c_str(), error.what());
        return 1;
    }
    std::printf("driver (%s): done\n", run.c_str());
    return 0;
}

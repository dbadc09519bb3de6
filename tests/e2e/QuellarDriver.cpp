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
#include "tests/e2e/DriverActions.h"

namespace quellar::e2e {
namespace {

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

#pragma once
// The two runs of the end-to-end audio test, shared by the driver that plays the user and the
// checks that listen to the capture. Times in milliseconds, frequencies in hertz.
//
//  steady: first start (no settings file), Sound device on, 44,100, a fixed frequency; START,
//          a few ticks, STOP, a pause, Exit.
//  sweep:  second start (the settings saved by the steady run), Auto on with a step that wraps
//          within the run; START, a few ticks, Exit while the tone still plays.
#include <string>
#include <string_view>
#include <vector>

namespace quellar::e2e {

struct Settings {
    int intervalMs = 0;  // "Time Change"
    int durationMs = 0;  // "Duration"
    int stepHz = 0;      // "Val Change"
    int volume = 0;      // master volume slider, 0..100
    int frequencyHz = 0; // frequency slider at Save
    bool autoStep = false;
    bool pcSpeaker = false;
};

inline constexpr const char* kSampleRateText = "44,100"; // ComboBox1 item 3: rendered at 96,000/s

inline constexpr Settings kSteady{1000, 250, 0, 80, 17000, false, false};
inline constexpr Settings kSweep{500, 250, 1000, 40, 17000, true, false};
// The processor-time measurement (scripts/cpu-share.sh): one 1000 ms tone per 1000 ms tick.
inline constexpr Settings kHold{1000, 1000, 0, 100, 17000, false, false};

// How long the driver lets the program run after START before STOP (steady) or Exit (sweep),
// and how long it waits after STOP before Exit.
inline constexpr int kSteadyRunMs = 3500;
inline constexpr int kSteadyAfterStopMs = 1200;
inline constexpr int kSweepRunMs = 2750;

// What the sweep plays tick by tick: the slider's value, stepped after each tick, and a step that
// reaches the top of the range (20,000) starts again at 15,000 (20,000 itself never sounds).
inline const std::vector<int> kSweepTicksHz{17000, 18000, 19000, 15000, 16000};

// The marker the driver plays just before START, so driver times can be found in the capture.
inline constexpr int kMarkerHz = 1000;
inline constexpr int kMarkerMs = 300;

// The driver's record of when it acted, read back by the checks: one "name seconds" per line.
inline constexpr std::string_view kMarker = "marker";
inline constexpr std::string_view kStart = "start";
inline constexpr std::string_view kStop = "stop";
inline constexpr std::string_view kExit = "exit";
inline constexpr std::string_view kGone = "gone";

} // namespace quellar::e2e

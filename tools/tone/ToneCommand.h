#pragma once
// quellar-tone: renders one tone through TToneGen and writes exactly what ExportFile writes.
//
//   quellar-tone [options] OUT.wav
//   quellar-tone --report [options] [OUT.wav]
//     --frequency HZ  --duration MS  --waveform sine|square|triangle|sawtooth|noise
//     --attack PCT --hold PCT --decay PCT --sustain PCT --release PCT
//     --resolution 16|8  --quality hi|lo  --stereo  --no-multiplier
//     --am LEVEL:AMP:WAVE:FREQ   (repeatable; through SetAMParameter)
//     --note TEXT   --am-note LEVEL:TEXT   (through SetNote / SetAMNote)
//     --no-envelope (render as Play does; the default renders as PlayADSR does)
//     --play        (Windows only: also play it synchronously on the sound device)
//     --report      (print the spectral components of what was rendered; the file is optional)
//
// Options apply in the order given, through the component's setters, so clamping applies.
// Exit status: 0 written (or reported); 1 the file could not be written; 2 bad options (one line on the
// error stream naming the option; no file is written).
#include <ostream>
#include <string>
#include <vector>

namespace quellar {

inline constexpr int kToneExitOk = 0;
inline constexpr int kToneExitFailed = 1;
inline constexpr int kToneExitUsage = 2;

// Whether this build can play (the --play option exists).
bool ToneToolCanPlay();

// Runs the tool on args (without the program name). The tone plays, with --play, through
// TToneGen's default sound service.
int RunToneCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace quellar

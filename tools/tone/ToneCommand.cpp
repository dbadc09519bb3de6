#include "tools/tone/ToneCommand.h"

#include "tonegen/NullSoundService.h"
#include "tonegen/ToneGen.h"
#include "tonegen/WaveHeader.h"
#include "tools/tone/ToneReport.h"

#include <charconv>
#include <cmath>
#include <functional>
#include <optional>
#include <string_view>

namespace quellar {

namespace {

// One option's effect on the component; returns an error text, empty when it applied.
using TStep = std::function<std::string(TToneGen&)>;

struct TCommand {
    std::vector<TStep> steps;
    std::string output;
    bool envelope = true;
    bool play = false;
    bool report = false;
    bool help = false;
};

constexpr const char* kUsage =
    "usage: quellar-tone [options] OUT.wav\n"
    "       quellar-tone --report [options] [OUT.wav]\n"
    "  --frequency HZ  --duration MS  --waveform sine|square|triangle|sawtooth|noise\n"
    "  --attack PCT --hold PCT --decay PCT --sustain PCT --release PCT\n"
    "  --resolution 16|8  --quality hi|lo  --stereo  --no-multiplier\n"
    "  --am LEVEL:AMP:WAVE:FREQ  (repeatable; LEVEL 1..8)\n"
    "  --note TEXT  --am-note LEVEL:TEXT\n"
    "  --no-envelope  (render as Play does; by default as PlayADSR does)\n"
    "  --report  (print the tone's spectral components, and whether any lies below 15000 Hz)\n";

std::optional<std::int16_t> ParseWhole(std::string_view text) {
    long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < -32768 || value > 32767) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

std::optional<float> ParseDecimal(std::string_view text) {
    float value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (text.empty() || ec != std::errc() || ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<TTGWave> ParseWave(std::string_view text) {
    constexpr std::pair<std::string_view, TTGWave> kNames[] = {{"sine", tgSine},
                                                               {"square", tgSquare},
                                                               {"triangle", tgTriangle},
                                                               {"sawtooth", tgSawtooth},
                                                               {"noise", tgNoise}};
    for (const auto& [name, wave] : kNames) {
        if (text == name) {
            return wave;
        }
    }
    return std::nullopt;
}

std::optional<TTGAMLevel> ParseLevel(std::string_view text) {
    const auto n = ParseWhole(text);
    if (!n || *n < 1 || *n > kAMEntryCount) {
        return std::nullopt;
    }
    return static_cast<TTGAMLevel>(*n - 1);
}

// Splits at the first count - 1 colons.
std::vector<std::string_view> SplitColons(std::string_view text, std::size_t count) {
    std::vector<std::string_view> parts;
    while (parts.size() + 1 < count) {
        const std::size_t colon = text.find(':');
        if (colon == std::string_view::npos) {
            break;
        }
        parts.push_back(text.substr(0, colon));
        text.remove_prefix(colon + 1);
    }
    parts.push_back(text);
    return parts;
}

using TWholeSetter = void (TToneGen::*)(std::int16_t);
constexpr std::pair<std::string_view, TWholeSetter> kWholeOptions[] = {
    {"--frequency", &TToneGen::SetFrequency}, {"--duration", &TToneGen::SetDuration},
    {"--attack", &TToneGen::SetAttack},       {"--hold", &TToneGen::SetHold},
    {"--decay", &TToneGen::SetDecay},         {"--sustain", &TToneGen::SetSustain},
    {"--release", &TToneGen::SetRelease}};

// Turns an option with a value into its step; an error text when the value is not accepted.
std::string ValueStep(std::string_view option, const std::string& value, TCommand& command) {
    for (const auto& [name, wholeSetter] : kWholeOptions) {
        if (option == name) {
            const TWholeSetter setter = wholeSetter;
            const auto n = ParseWhole(value);
            if (!n) {
                return "'" + value + "' is not a whole number in -32768..32767";
            }
            command.steps.push_back([setter, n](TToneGen& t) {
                (t.*setter)(*n);
                return std::string();
            });
            return {};
        }
    }
    if (option == "--waveform") {
        const auto wave = ParseWave(value);
        if (!wave) {
            return "'" + value + "' is not one of sine, square, triangle, sawtooth, noise";
        }
        command.steps.push_back([wave](TToneGen& t) {
            t.SetWaveform(*wave);
            return std::string();
        });
        return {};
    }
    if (option == "--resolution") {
        if (value != "16" && value != "8") {
            return "'" + value + "' is not 16 or 8";
        }
        const TTGResolution r = value == "16" ? tg16Bit : tg8Bit;
        command.steps.push_back([r](TToneGen& t) {
            t.SetResolution(r);
            return std::string();
        });
        return {};
    }
    if (option == "--quality") {
        if (value != "hi" && value != "lo") {
            return "'" + value + "' is not hi or lo";
        }
        const TTGQuality q = value == "hi" ? tgHiQ : tgLoQ;
        command.steps.push_back([q](TToneGen& t) {
            t.SetQuality(q);
            return std::string();
        });
        return {};
    }
    if (option == "--am") {
        const auto parts = SplitColons(value, 4);
        const auto level = parts.size() == 4 ? ParseLevel(parts[0]) : std::nullopt;
        const auto amp = parts.size() == 4 ? ParseWhole(parts[1]) : std::nullopt;
        const auto wave = parts.size() == 4 ? ParseWave(parts[2]) : std::nullopt;
        const auto freq = parts.size() == 4 ? ParseDecimal(parts[3]) : std::nullopt;
        if (!level || !amp || !wave || !freq) {
            return "'" + value + "' is not LEVEL(1..8):AMP:WAVE:FREQ";
        }
        command.steps.push_back([=](TToneGen& t) {
            t.SetAMParameter(*level, *amp, *freq, *wave);
            return std::string();
        });
        return {};
    }
    if (option == "--note") {
        command.steps.push_back([value](TToneGen& t) {
            return t.SetNote(value) > 0 ? std::string()
                                        : "--note: '" + value + "' is not a note from 20 to 20000 Hz";
        });
        return {};
    }
    // --am-note
    const auto parts = SplitColons(value, 2);
    const auto level = parts.size() == 2 ? ParseLevel(parts[0]) : std::nullopt;
    if (!level) {
        return "'" + value + "' is not LEVEL(1..8):NOTE";
    }
    const std::string note(parts[1]);
    command.steps.push_back([level, note, value](TToneGen& t) {
        return t.SetAMNote(*level, note) > 0 ? std::string()
                                             : "--am-note: '" + value + "' is not a note from 20 to 20000 Hz";
    });
    return {};
}

bool TakesValue(std::string_view option) {
    for (const auto& [name, setter] : kWholeOptions) {
        if (option == name) {
            return true;
        }
    }
    return option == "--waveform" || option == "--resolution" || option == "--quality" || option == "--am" ||
           option == "--note" || option == "--am-note";
}

// Reads the whole command line; an error line (naming the option) when it is not accepted.
std::string ParseCommand(const std::vector<std::string>& args, TCommand& command) {
    bool haveOutput = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg[0] != '-') {
            if (haveOutput) {
                return "unexpected argument '" + arg + "': only one output file";
            }
            command.output = arg;
            haveOutput = true;
        } else if (TakesValue(arg)) {
            if (i + 1 >= args.size()) {
                return arg + ": missing value";
            }
            const std::string error = ValueStep(arg, args[++i], command);
            if (!error.empty()) {
                return arg + ": " + error;
            }
        } else if (arg == "--stereo") {
            command.steps.push_back([](TToneGen& t) {
                t.SetStereo(true);
                return std::string();
            });
        } else if (arg == "--no-multiplier") {
            command.steps.push_back([](TToneGen& t) {
                t.SetAMUseMultiplier(false);
                return std::string();
            });
        } else if (arg == "--no-envelope") {
            command.envelope = false;
        } else if (arg == "--report") {
            command.report = true;
        } else if (arg == "--play" && ToneToolCanPlay()) {
            command.play = true;
        } else if (arg == "--help" || arg == "-h") {
            command.help = true;
        } else {
            return "unknown option '" + arg + "'";
        }
    }
    if (!haveOutput && !command.help && !command.report) {
        return "missing output file name (OUT.wav)";
    }
    return {};
}

// One line naming the tone, then what the sound card receives.
void Report(TToneGen& tone, bool envelope, std::ostream& out) {
    const TWaveFormat format = MakeWaveFormat(tone.Resolution(), tone.Quality(), tone.Stereo());
    constexpr const char* kWaves[] = {"sine", "square", "triangle", "sawtooth", "noise"};
    out << kWaves[tone.Waveform()] << ' ' << tone.Frequency() << " Hz, " << format.Rate() << " frames/s, "
        << (format.is16Bit ? "16" : "8") << "-bit " << (format.stereo ? "stereo" : "mono") << ", "
        << tone.Duration() << " ms, " << (envelope ? "with envelope" : "no envelope") << '\n';
    const auto oscillators = tone.Oscillators();
    const TToneReport report = AnalyseTone(
        tone.GetDataBuffer() + kWaveHeaderSize, tone.DataSize() - kWaveHeaderSize - kWavePaddingSize, format,
        std::vector<TOscillator>(oscillators.begin(), oscillators.end()), envelope);
    PrintToneReport(report, out);
}

} // namespace

bool ToneToolCanPlay() {
#ifdef _WIN32
    return true;
#else
    return false;
#endif
}

int RunToneCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    TCommand command;
    if (const std::string error = ParseCommand(args, command); !error.empty()) {
        err << "quellar-tone: " << error << '\n';
        return kToneExitUsage;
    }
    if (command.help) {
        out << kUsage << (ToneToolCanPlay() ? "  --play  (also play it on the sound device)\n" : "");
        return kToneExitOk;
    }
    // Only a tone that is played touches the sound device (and its volume).
    TNullSoundService silent;
    TToneGen tone(nullptr, command.play ? &TToneGen::DefaultSoundService() : &silent);
    for (const TStep& step : command.steps) {
        if (const std::string error = step(tone); !error.empty()) {
            err << "quellar-tone: " << error << '\n';
            return kToneExitUsage;
        }
    }
    const bool rendered = tone.RenderWave(command.envelope);
    if (!command.output.empty() && (!rendered || !tone.ExportFile(command.output))) {
        err << "quellar-tone: cannot write '" << command.output << "'\n";
        return kToneExitFailed;
    }
    if (command.report && rendered) {
        Report(tone, command.envelope, out);
    }
    if (command.play) {
        tone.Async = false;
        tone.Loop = false;
        command.envelope ? tone.PlayADSR() : tone.Play();
    }
    return kToneExitOk;
}

} // namespace quellar

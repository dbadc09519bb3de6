// The modulation table of TToneGen: the copies AMLevel selects, the direct writes, note
// frequencies for an entry, and the 100-byte AMArrayData value stored with a layout.
#include "tonegen/ToneGen.h"

#include "base/Stream.h"
#include "tonegen/NoteNames.h"

#include <bit>

namespace quellar {

namespace {
bool ValidLevel(TTGAMLevel level) {
    return level < kAMEntryCount;
}
constexpr std::int32_t kStoredHighestIndex = kAMEntryCount - 1;
} // namespace

void TToneGen::SetAMLevel(TTGAMLevel value) {
    if (!ValidLevel(value)) {
        return;
    }
    amLevel_ = value;
    SetAMAmplitude(amAmplitudes_[value]);
    SetAMWaveform(amWaveforms_[value]);
    SetAMFrequency(amFrequencies_[value]);
}

void TToneGen::SetAMAmplitude(std::int16_t value) {
    const std::int16_t a = CheckPercent(value);
    amAmplitude_ = a;
    amAmplitudes_[amLevel_] = a;
    waveDirty_ = true;
}

void TToneGen::SetAMWaveform(TTGWave value) {
    amWaveform_ = value;
    amWaveforms_[amLevel_] = value;
    waveDirty_ = true;
}

void TToneGen::SetAMFrequency(float value) {
    amFrequency_ = value;
    amFrequencies_[amLevel_] = value;
    waveDirty_ = true;
}

void TToneGen::ResetAM() {
    for (int i = 0; i < kAMEntryCount; ++i) {
        amAmplitudes_[i] = 0;
        amWaveforms_[i] = tgSine;
        amFrequencies_[i] = static_cast<float>(i + 1) / 2.0f;
    }
    waveDirty_ = true;
}

void TToneGen::SetAMParameter(TTGAMLevel level, std::int16_t amplitude, float frequency, TTGWave waveform) {
    if (!ValidLevel(level)) {
        return;
    }
    amFrequencies_[level] = frequency;
    amWaveforms_[level] = waveform;
    amAmplitudes_[level] = amplitude;
    waveDirty_ = true;
}

float TToneGen::SetAMNote(TTGAMLevel level, std::string_view note) {
    if (!ValidLevel(level)) {
        return 0;
    }
    std::int32_t octave = amOctaves_[level];
    const std::int32_t f = ParseNote(note, octave);
    if (f <= 0) {
        return 0;
    }
    auto x = static_cast<float>(f);
    if (amUseMultiplier_) {
        x = static_cast<float>(static_cast<double>(x) / frequency_);
    }
    amFrequencies_[level] = x;
    amOctaves_[level] = octave;
    waveDirty_ = true;
    return x;
}

TAMEntry TToneGen::AMEntry(TTGAMLevel level) const {
    const int i = ValidLevel(level) ? level : 0;
    return TAMEntry{amAmplitudes_[i], amWaveforms_[i], amFrequencies_[i], amOctaves_[i]};
}

void TToneGen::WriteAMArray(TStream& stream) const {
    stream.WriteInt32(kStoredHighestIndex);
    for (int i = 0; i < kAMEntryCount; ++i) {
        stream.WriteInt32(amAmplitudes_[i]);
        stream.WriteInt32(amWaveforms_[i]);
        stream.WriteInt32(std::bit_cast<std::int32_t>(amFrequencies_[i]));
    }
}

// Entries past the eighth are read and dropped, so the stream ends where the value ends.
void TToneGen::ReadAMArray(TStream& stream) {
    const std::int64_t highest = stream.ReadInt32();
    for (std::int64_t i = 0; i <= highest; ++i) {
        const std::int32_t amplitude = stream.ReadInt32();
        const std::int32_t waveform = stream.ReadInt32();
        const std::int32_t frequency = stream.ReadInt32();
        if (i < kAMEntryCount) {
            amAmplitudes_[i] = static_cast<std::int16_t>(amplitude);
            amWaveforms_[i] = static_cast<TTGWave>(waveform & 0xFF);
            amFrequencies_[i] = std::bit_cast<float>(frequency);
        }
    }
}

std::vector<TBinaryProperty> TToneGen::DefineBinaryProperties() {
    std::vector<TBinaryProperty> properties = TComponent::DefineBinaryProperties();
    properties.push_back(TBinaryProperty{"AMArrayData", [this](TStream& s) { ReadAMArray(s); },
                                         [this](TStream& s) { WriteAMArray(s); }});
    return properties;
}

} // namespace quellar

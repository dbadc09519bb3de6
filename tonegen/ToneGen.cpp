// TToneGen: construction and destruction, the property setters and the flags they move, playing
// through the sound service and the device volume. Rendering is in ToneGenRender.cpp, the
// modulation table and its stream in AMTable.cpp.
#include "tonegen/ToneGen.h"

#include "tonegen/DesignAlert.h"
#include "tonegen/NoteNames.h"

#include <cstdio>
#include <utility>

namespace quellar {

namespace {
std::int32_t gInstanceCount = 0;
std::uint32_t gSavedVolume = 0;
bool gSavedVolumeKnown = false;
ISoundService* gDefaultSound = nullptr;
TToneGen::TRangeAlert gRangeAlert;
} // namespace

TToneGen::TToneGen(TComponent* owner, ISoundService* sound)
    : TComponent(owner), sound_(sound != nullptr ? sound : &DefaultSoundService()) {
    ResetAM();
    amFrequency_ = amFrequencies_[0];
    amWaveform_ = amWaveforms_[0];
    amAmplitude_ = amAmplitudes_[0];
    amOctaves_.fill(octave_);
    waveDirty_ = true;
    if (gInstanceCount == 0 && !DesignMode()) {
        gSavedVolume = ReadDeviceVolume(gSavedVolumeKnown);
        ApplyVolume();
    }
    ++gInstanceCount;
}

TToneGen::~TToneGen() {
    Stop();
    data_.reset();
    dataSize_ = 0;
    --gInstanceCount;
    // When the volume could not be read, 0 was saved; writing it back would silence the device.
    if (gInstanceCount == 0 && !DesignMode() && gSavedVolumeKnown) {
        sound_->SetVolume(deviceId_, gSavedVolume);
    }
}

std::int16_t TToneGen::CheckRange(std::int16_t low, std::int16_t high, std::int16_t value) {
    if (value >= low && value <= high) {
        return value;
    }
    if (DesignMode()) {
        const std::string text =
            "Value must be between " + std::to_string(low) + " and " + std::to_string(high);
        if (gRangeAlert) {
            gRangeAlert(text, "Error");
        } else {
            ShowDesignAlert(text, "Error");
        }
    }
    return value < low ? low : high;
}

void TToneGen::SetFrequency(std::int16_t value) {
    waveDirty_ = true;
    frequency_ = CheckRange(20, 20000, value);
}

void TToneGen::SetDuration(std::int16_t value) {
    waveDirty_ = true;
    duration_ = CheckRange(10, 32767, value);
}

void TToneGen::SetWaveform(TTGWave value) {
    waveDirty_ = true;
    waveform_ = value;
}

void TToneGen::SetAttack(std::int16_t value) {
    envelopeDirty_ = true;
    attack_ = CheckPercent(value);
}

void TToneGen::SetHold(std::int16_t value) {
    envelopeDirty_ = true;
    hold_ = CheckPercent(value);
}

void TToneGen::SetDecay(std::int16_t value) {
    envelopeDirty_ = true;
    decay_ = CheckPercent(value);
}

void TToneGen::SetSustain(std::int16_t value) {
    envelopeDirty_ = true;
    sustain_ = CheckPercent(value);
}

void TToneGen::SetRelease(std::int16_t value) {
    envelopeDirty_ = true;
    release_ = CheckPercent(value);
}

void TToneGen::SetResolution(TTGResolution value) {
    waveDirty_ = true;
    resolution_ = value;
}

void TToneGen::SetQuality(TTGQuality value) {
    waveDirty_ = true;
    quality_ = value;
}

// While a sound started here plays, the device is left alone: the next play writes the levels.
void TToneGen::SetLeftVolume(std::int16_t value) {
    leftVolume_ = CheckPercent(value);
    if (Loading() || idle_) {
        ApplyVolume();
    }
}

void TToneGen::SetRightVolume(std::int16_t value) {
    rightVolume_ = CheckPercent(value);
    if (Loading() || idle_) {
        ApplyVolume();
    }
}

void TToneGen::SetStereo(Bool32 value) {
    waveDirty_ = true;
    stereo_ = value;
}

void TToneGen::SetAMUseMultiplier(Bool32 value) {
    waveDirty_ = true;
    amUseMultiplier_ = value;
}

void TToneGen::Play() {
    PlayWith(false);
}

void TToneGen::PlayADSR() {
    PlayWith(true);
}

void TToneGen::PlayWith(bool withEnvelope) {
    const bool stale = withEnvelope ? (waveDirty_ || envelopeDirty_) : (waveDirty_ || hasEnvelope_);
    if (stale) {
        RenderWave(withEnvelope);
    }
    idle_ = false;
    PlayBuffer();
    idle_ = !Async && !Loop;
}

void TToneGen::PlayBuffer() {
    Stop();
    ApplyVolume();
    std::uint32_t flags = ISoundService::kMemory;
    if (Loop) {
        flags |= ISoundService::kAsync | ISoundService::kLoop;
    } else if (Async) {
        flags |= ISoundService::kAsync;
    }
    if (data_) {
        sound_->PlayImage(data_.get(), flags);
    }
}

void TToneGen::Stop() {
    sound_->StopAll();
    idle_ = true;
}

void TToneGen::PresetVolume() {
    ApplyVolume();
}

void TToneGen::Prepare() {
    ApplyVolume();
    RenderWave(false);
}

void TToneGen::PrepareADSR() {
    ApplyVolume();
    RenderWave(true);
}

void TToneGen::ApplyVolume() {
    const std::uint32_t left = static_cast<std::uint32_t>(leftVolume_) * 65535u / 100u;
    const std::uint32_t right = static_cast<std::uint32_t>(rightVolume_) * 65535u / 100u;
    sound_->SetVolume(deviceId_, left + right * 65536u);
}

std::uint32_t TToneGen::GetDeviceVolume() const {
    bool known = false;
    return ReadDeviceVolume(known);
}

std::uint32_t TToneGen::ReadDeviceVolume(bool& known) const {
    const std::uint32_t support = sound_->SupportFlags(deviceId_);
    std::uint32_t v = 0;
    known = sound_->GetVolume(deviceId_, v);
    if (!known) {
        v = 0;
    }
    if ((support & ISoundService::kLRVolume) == 0) {
        v = v + v * 65536u; // a mono level stands for both channels
    }
    return v;
}

std::int32_t TToneGen::SetNote(std::string_view note) {
    std::int32_t octave = octave_;
    const std::int32_t f = ParseNote(note, octave);
    if (f <= 0) {
        return 0;
    }
    SetFrequency(static_cast<std::int16_t>(f));
    octave_ = octave;
    waveDirty_ = true;
    return f;
}

bool TToneGen::ExportFile(const std::string& fileName) const {
    if (!data_) {
        return false;
    }
    std::FILE* file = std::fopen(fileName.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const auto size = static_cast<std::size_t>(dataSize_);
    const bool written = std::fwrite(data_.get(), 1, size, file) == size;
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}

std::int32_t TToneGen::InstanceCount() {
    return gInstanceCount;
}

std::uint32_t TToneGen::SavedVolume() {
    return gSavedVolume;
}

bool TToneGen::SavedVolumeKnown() {
    return gSavedVolumeKnown;
}

ISoundService* TToneGen::SetDefaultSoundService(ISoundService* service) {
    return std::exchange(gDefaultSound, service);
}

ISoundService& TToneGen::DefaultSoundService() {
    return gDefaultSound != nullptr ? *gDefaultSound : PlatformSoundService();
}

void TToneGen::SetRangeAlert(TRangeAlert alert) {
    gRangeAlert = std::move(alert);
}

} // namespace quellar

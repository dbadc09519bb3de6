#pragma once
// TToneGen: one tone's parameters (frequency, duration, waveform, an attack/hold/decay/sustain/
// release envelope, sample width and rate, channel volumes, mono or stereo, and a table of eight
// extra oscillators, the "AM" table), rendered into a complete RIFF/WAVE image in memory and
// played through the platform's sound service on wave-output device 0.
//
// Nothing here raises: out-of-range values are clamped, failures are results (false or 0).
// Rendering is lazy: setters only mark the image stale; Play/PlayADSR render when needed,
// Prepare/PrepareADSR render at once. The image is never freed or rewritten while the sound
// service may be reading it: every render and the destructor stop all sound first.
//
// The first run-time instance saves the device volume (SavedVolume) and sets its own levels;
// the last one to go puts the saved volume back.
#include "base/Bool32.h"
#include "tonegen/SoundService.h"
#include "tonegen/ToneGenTypes.h"
#include "tonegen/WaveRender.h"
#include "ui/Component.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quellar {

class TStream;

// One entry of the modulation table.
struct TAMEntry {
    std::int16_t amplitude = 0; // percent of full scale
    TTGWave waveform = tgSine;
    float frequency = 0.0f;  // multiple of Frequency while AMUseMultiplier, else hertz
    std::int32_t octave = 4; // the octave SetAMNote remembers for this entry
};

class TToneGen : public TComponent {
    QUELLAR_COMPONENT_CLASS(TToneGen, TComponent)

public:
    // Shown instead of a message box when a value is clamped in design mode: (text, caption).
    using TRangeAlert = std::function<void(const std::string& text, const std::string& caption)>;

    // `sound` is the service to play through; nullptr means the process-wide default
    // (DefaultSoundService). The service must outlive the component.
    explicit TToneGen(TComponent* owner, ISoundService* sound = nullptr);
    ~TToneGen() override;

    // ---- published properties (getter named like the property, setter SetXxx) ----
    std::int16_t Frequency() const { return frequency_; } // hertz, 20..20000, default 440
    void SetFrequency(std::int16_t value);
    std::int16_t Duration() const { return duration_; } // milliseconds, 10..32767, default 100
    void SetDuration(std::int16_t value);
    TTGWave Waveform() const { return waveform_; }
    void SetWaveform(TTGWave value);
    std::int16_t Attack() const { return attack_; } // percent of the duration, default 10
    void SetAttack(std::int16_t value);
    std::int16_t Hold() const { return hold_; } // default 5
    void SetHold(std::int16_t value);
    std::int16_t Decay() const { return decay_; } // default 20
    void SetDecay(std::int16_t value);
    std::int16_t Sustain() const { return sustain_; } // percent of full level, default 50
    void SetSustain(std::int16_t value);
    std::int16_t Release() const { return release_; } // default 30
    void SetRelease(std::int16_t value);

    // Plain fields, read when a sound is started. Loop wins over Async; a loop is asynchronous.
    Bool32 Async = true;
    Bool32 Loop = false;

    TTGResolution Resolution() const { return resolution_; }
    void SetResolution(TTGResolution value);
    TTGQuality Quality() const { return quality_; }
    void SetQuality(TTGQuality value);
    std::int16_t LeftVolume() const { return leftVolume_; } // percent, default 100
    void SetLeftVolume(std::int16_t value);
    std::int16_t RightVolume() const { return rightVolume_; }
    void SetRightVolume(std::int16_t value);
    Bool32 Stereo() const { return stereo_; }
    void SetStereo(Bool32 value);
    // AMAmplitude, AMWaveform and AMFrequency are copies of the entry AMLevel selects.
    TTGAMLevel AMLevel() const { return amLevel_; }
    void SetAMLevel(TTGAMLevel value);
    std::int16_t AMAmplitude() const { return amAmplitude_; }
    void SetAMAmplitude(std::int16_t value);
    TTGWave AMWaveform() const { return amWaveform_; }
    void SetAMWaveform(TTGWave value);
    float AMFrequency() const { return amFrequency_; }
    void SetAMFrequency(float value);
    Bool32 AMUseMultiplier() const { return amUseMultiplier_; }
    void SetAMUseMultiplier(Bool32 value);

    // ---- operations ----
    // Renders without envelope if the wave is stale or the image carries an envelope, then plays.
    void Play();
    // Renders with envelope if the wave or the envelope is stale, then plays.
    void PlayADSR();
    // Stops every sound the process plays through the sound service.
    void Stop();
    // Writes LeftVolume and RightVolume to the device.
    void PresetVolume();
    // Write the volume, then render (without / with envelope) whatever the flags say.
    void Prepare();
    void PrepareADSR();
    // Every entry: amplitude 0, tgSine, frequency (i + 1) / 2. Octaves and copies stay.
    void ResetAM();
    // Writes one entry as given, without range checks; the copies stay.
    void SetAMParameter(TTGAMLevel level, std::int16_t amplitude, float frequency, TTGWave waveform);
    // The image, header first (samples 44 bytes further on); nullptr while there is none. Valid
    // until the next render or the component's destruction.
    const std::uint8_t* GetDataBuffer() const { return data_.get(); }
    // Writes the whole image (header, data, 32 padding bytes); false without an image or when the
    // file cannot be written.
    bool ExportFile(const std::string& fileName) const;
    // Sets Frequency from a note name; the frequency, or 0 when the note is not accepted.
    std::int32_t SetNote(std::string_view note);
    // Sets an entry's frequency from a note name; the value stored, or 0.
    float SetAMNote(TTGAMLevel level, std::string_view note);

    // ---- internal operations, public so the component can be checked from outside ----
    // Builds a new image; false (no image, flags unchanged) when it cannot be allocated.
    bool RenderWave(bool withEnvelope);
    // The oscillators a render adds up, in its order (the main one, then table entries 1 to 8),
    // with their shares and whole-hertz frequencies as rendered; silent ones are among them.
    std::array<TOscillator, 1 + kAMEntryCount> Oscillators();
    // Stop, write the volume, start the image with the flags Loop and Async call for.
    void PlayBuffer();
    // Sets the device to LeftVolume/RightVolume.
    void ApplyVolume();
    // The device's levels; a mono level stands for both channels; 0 when it cannot be read.
    std::uint32_t GetDeviceVolume() const;
    // The 100-byte AMArrayData value: highest index 7, then per entry amplitude, waveform and
    // frequency, four bytes each.
    void WriteAMArray(TStream& stream) const;
    void ReadAMArray(TStream& stream);
    std::vector<TBinaryProperty> DefineBinaryProperties() override;

    // ---- state, for callers and tests ----
    bool WaveDirty() const { return waveDirty_; }
    bool EnvelopeDirty() const { return envelopeDirty_; }
    bool HasEnvelope() const { return hasEnvelope_; }
    bool Idle() const { return idle_; }
    std::int32_t DataSize() const { return dataSize_; }
    TAMEntry AMEntry(TTGAMLevel level) const;
    std::int32_t Octave() const { return octave_; }

    // ---- process-wide state ----
    // Number of live TToneGen objects.
    static std::int32_t InstanceCount();
    // The device volume found when the first run-time instance was created.
    static std::uint32_t SavedVolume();
    // Whether that volume could be read; when it could not, the last instance leaves the device
    // as it is instead of writing 0 (silence) back.
    static bool SavedVolumeKnown();
    // The service new components use when none is given; nullptr restores the platform's.
    // Returns the previous one.
    static ISoundService* SetDefaultSoundService(ISoundService* service);
    static ISoundService& DefaultSoundService();
    // Replaces the design-mode message box (tests); an empty function restores it.
    static void SetRangeAlert(TRangeAlert alert);

protected:
    // Low <= value <= high gives value; otherwise the nearer bound, with a message box in
    // design mode only.
    std::int16_t CheckRange(std::int16_t low, std::int16_t high, std::int16_t value);
    std::int16_t CheckPercent(std::int16_t value) { return CheckRange(0, 100, value); }

private:
    void PlayWith(bool withEnvelope);
    // The device volume as GetDeviceVolume gives it; known tells whether the device reported one.
    std::uint32_t ReadDeviceVolume(bool& known) const;
    void RenderOscillators(std::uint8_t* samples, std::int64_t dataLen);
    std::int32_t AMOscillatorFrequency(int entry);

    Bool32 waveDirty_ = true;
    Bool32 envelopeDirty_ = true;
    Bool32 hasEnvelope_ = true;
    Bool32 idle_ = true;
    std::unique_ptr<std::uint8_t[]> data_;
    std::int32_t dataSize_ = 0;
    std::int16_t frequency_ = 440;
    std::int16_t duration_ = 100;
    TTGWave waveform_ = tgSine;
    std::int16_t attack_ = 10;
    std::int16_t hold_ = 5;
    std::int16_t decay_ = 20;
    std::int16_t sustain_ = 50;
    std::int16_t release_ = 30;
    TTGResolution resolution_ = tg16Bit;
    TTGQuality quality_ = tgHiQ;
    std::int16_t leftVolume_ = 100;
    std::int16_t rightVolume_ = 100;
    std::uint32_t deviceId_ = 0;
    Bool32 stereo_ = false;
    std::int16_t amAmplitude_ = 0;
    TTGWave amWaveform_ = tgSine;
    float amFrequency_ = 0.5f;
    Bool32 amUseMultiplier_ = true;
    std::int32_t octave_ = 4;
    TTGAMLevel amLevel_ = tgAMLevel1;
    std::array<std::int16_t, kAMEntryCount> amAmplitudes_{};
    std::array<TTGWave, kAMEntryCount> amWaveforms_{};
    std::array<float, kAMEntryCount> amFrequencies_{};
    std::array<std::int32_t, kAMEntryCount> amOctaves_{};
    ISoundService* sound_;
};

} // namespace quellar

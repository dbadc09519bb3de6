// TToneGen::RenderWave: the image as a whole (header, samples of up to nine oscillators,
// envelope, padding), replacing the old one only after all sound has been stopped.
#include "tonegen/ToneGen.h"

#include "base/Random.h"
#include "tonegen/Envelope.h"
#include "tonegen/WaveHeader.h"
#include "tonegen/WaveRender.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

namespace quellar {

namespace {
// Table amplitudes outside 0..100 can be stored (SetAMParameter, a stored layout) but would
// let the shares exceed full scale and wrap around; the render takes them as 0 or 100.
std::int32_t RenderedAmplitude(std::int16_t stored) {
    return std::clamp<std::int32_t>(stored, 0, 100);
}
} // namespace

// The frequency of table entry i in whole hertz; 0 (skipped) when it has none.
std::int32_t TToneGen::AMOscillatorFrequency(int entry) {
    const double value = amFrequencies_[entry];
    if (std::isnan(value)) {
        return 0;
    }
    if (amUseMultiplier_) {
        // A multiple of Frequency, kept within 20..20000 like any frequency.
        const double product = std::clamp(std::trunc(frequency_ * value), -32768.0, 32767.0);
        return CheckRange(20, 20000, static_cast<std::int16_t>(product));
    }
    // Hertz, held as a 16-bit whole number: 32,768 and above has no value there.
    const double hertz = std::trunc(value);
    return hertz >= 1 && hertz <= 32767 ? static_cast<std::int32_t>(hertz) : 0;
}

std::array<TOscillator, 1 + kAMEntryCount> TToneGen::Oscillators() {
    std::int32_t tableSum = 0;
    for (int i = 0; i < kAMEntryCount; ++i) {
        tableSum += RenderedAmplitude(amAmplitudes_[i]);
    }
    std::array<TOscillator, 1 + kAMEntryCount> oscillators;
    oscillators[0] = TOscillator{100 - tableSum, frequency_, waveform_};
    for (int i = 0; i < kAMEntryCount; ++i) {
        std::int32_t a = RenderedAmplitude(amAmplitudes_[i]);
        if (tableSum > 100) {
            a = a * 100 / tableSum;
        }
        oscillators[1 + i] = TOscillator{a, a > 0 ? AMOscillatorFrequency(i) : 0, amWaveforms_[i]};
    }
    return oscillators;
}

void TToneGen::RenderOscillators(std::uint8_t* samples, std::int64_t dataLen) {
    const TWaveFormat format = MakeWaveFormat(resolution_, quality_, stereo_);
    const auto oscillators = Oscillators();
    // The first oscillator that sounds writes onto silence without reading it; the rest of the
    // buffer (the padding and anything it does not reach) is filled with silence behind it.
    const std::int64_t imageBytes = dataLen + kWavePaddingSize;
    bool first = true;
    for (const TOscillator& osc : oscillators) {
        if (!OscillatorSounds(osc, format)) {
            continue;
        }
        const std::int64_t written = RenderOscillator(samples, dataLen, format, osc, first);
        if (first) {
            std::memset(samples + written, format.SilenceByte(),
                        static_cast<std::size_t>(imageBytes - written));
            first = false;
        }
    }
    if (first) {
        std::memset(samples, format.SilenceByte(), static_cast<std::size_t>(imageBytes));
    }
}

bool TToneGen::RenderWave(bool withEnvelope) {
    // Every render draws the same noise; the program's own sequence goes on afterwards.
    const RandSeedGuard seed(1);
    const TWaveFormat format = MakeWaveFormat(resolution_, quality_, stereo_);
    const std::int64_t dataLen = WaveDataLength(format, duration_);
    const auto header =
        BuildWaveHeader(format.stereo, format.is16Bit, format.highRate, static_cast<std::uint32_t>(dataLen));

    // The sound service may still be reading the old image: nothing is freed or written before
    // all sound has stopped. An image of the same size is then simply rendered over (a fresh
    // block of that size would cost more to map than to fill).
    sound_->StopAll();
    const std::int64_t size = kWaveHeaderSize + dataLen + kWavePaddingSize;
    std::unique_ptr<std::uint8_t[]> image;
    if (dataSize_ == size) {
        image = std::move(data_);
    }
    data_.reset();
    dataSize_ = 0;
    if (dataLen <= 0) {
        return false;
    }
    if (!image) {
        image.reset(new (std::nothrow) std::uint8_t[static_cast<std::size_t>(size)]);
    }
    if (!image) {
        return false;
    }
    std::memcpy(image.get(), header.data(), header.size());
    std::uint8_t* samples = image.get() + kWaveHeaderSize;
    RenderOscillators(samples, dataLen);
    envelopeDirty_ = true;
    waveDirty_ = false;
    hasEnvelope_ = false;
    if (withEnvelope) {
        ApplyEnvelope(samples, dataLen, format, TEnvelope{attack_, hold_, decay_, sustain_, release_});
        envelopeDirty_ = false;
        hasEnvelope_ = true;
    }
    data_ = std::move(image);
    dataSize_ = static_cast<std::int32_t>(size);
    return true;
}

} // namespace quellar

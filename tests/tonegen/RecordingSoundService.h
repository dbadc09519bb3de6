#pragma once
// A sound service that records every call and, like a real device, keeps reading the image of
// an asynchronous sound until it is stopped: each later call re-reads the whole image (so a
// freed image shows under AddressSanitizer) and notes whether its bytes changed.
#include "tonegen/SoundService.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace quellar::test {

class TRecordingSoundService : public ISoundService {
public:
    struct TCall {
        enum Kind { play, stop, setVolume, getVolume, supportFlags } kind;
        std::uint32_t device = 0;
        std::uint32_t value = 0; // play: flags; setVolume: the volume word
        const std::uint8_t* image = nullptr;
    };

    // What the device reports.
    bool volumeReadable = true;
    std::uint32_t deviceVolume = 0x40002000;
    std::uint32_t support = kLRVolume;

    std::vector<TCall> calls;
    bool imageChangedWhilePlaying = false;

    void PlayImage(const std::uint8_t* image, std::uint32_t flags) override {
        WatchPlayingImage();
        calls.push_back({TCall::play, 0, flags, image});
        if ((flags & kAsync) != 0) {
            playing_ = image;
            playingCopy_ = Snapshot(image);
        }
    }
    void StopAll() override {
        WatchPlayingImage();
        calls.push_back({TCall::stop});
        playing_ = nullptr;
    }
    void SetVolume(std::uint32_t device, std::uint32_t volume) override {
        WatchPlayingImage();
        calls.push_back({TCall::setVolume, device, volume});
        deviceVolume = volume;
    }
    bool GetVolume(std::uint32_t device, std::uint32_t& volume) override {
        calls.push_back({TCall::getVolume, device});
        if (!volumeReadable) {
            return false;
        }
        volume = deviceVolume;
        return true;
    }
    std::uint32_t SupportFlags(std::uint32_t device) override {
        calls.push_back({TCall::supportFlags, device});
        return support;
    }

    int Count(TCall::Kind kind) const {
        int n = 0;
        for (const TCall& c : calls) {
            n += c.kind == kind ? 1 : 0;
        }
        return n;
    }
    // The kinds of the calls in order, one letter each: p play, s stop, v setVolume,
    // g getVolume, f supportFlags.
    std::string Sequence() const {
        std::string s;
        for (const TCall& c : calls) {
            s += "psvgf"[c.kind];
        }
        return s;
    }
    bool Playing() const { return playing_ != nullptr; }
    // The image of the sound playing in the background, as it was handed over.
    const std::vector<std::uint8_t>& PlayingImage() const { return playingCopy_; }

private:
    static std::vector<std::uint8_t> Snapshot(const std::uint8_t* image) {
        std::uint32_t chunk = 0;
        std::memcpy(&chunk, image + 4, 4);
        return std::vector<std::uint8_t>(image, image + 8 + chunk);
    }
    void WatchPlayingImage() {
        if (playing_ != nullptr && Snapshot(playing_) != playingCopy_) {
            imageChangedWhilePlaying = true;
        }
    }

    const std::uint8_t* playing_ = nullptr;
    std::vector<std::uint8_t> playingCopy_;
};

} // namespace quellar::test

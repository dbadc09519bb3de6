#pragma once
// A sound service without a device: plays nothing, reports no volume. The default where the
// platform has no wave output, and what a tool uses that only writes files.
#include "tonegen/SoundService.h"

namespace quellar {

class TNullSoundService : public ISoundService {
public:
    void PlayImage(const std::uint8_t*, std::uint32_t) override {}
    void StopAll() override {}
    void SetVolume(std::uint32_t, std::uint32_t) override {}
    bool GetVolume(std::uint32_t, std::uint32_t& volume) override {
        volume = 0;
        return false;
    }
    std::uint32_t SupportFlags(std::uint32_t) override { return 0; }
};

} // namespace quellar

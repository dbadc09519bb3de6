#pragma once
// The sound service on Windows: PlaySoundA from memory, and the waveOut level functions.
#include "tonegen/SoundService.h"

namespace quellar {

class TWinmmSoundService : public ISoundService {
public:
    void PlayImage(const std::uint8_t* image, std::uint32_t flags) override;
    void StopAll() override;
    void SetVolume(std::uint32_t device, std::uint32_t volume) override;
    bool GetVolume(std::uint32_t device, std::uint32_t& volume) override;
    std::uint32_t SupportFlags(std::uint32_t device) override;
};

} // namespace quellar

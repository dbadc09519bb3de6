#pragma once
// The platform's sound service as the tone generator needs it: play a RIFF/WAVE image held in
// memory, stop whatever the process plays, and read and set the first wave-output device's
// left/right level pair. On Windows it is winmm (WinmmSoundService); tests put a recorder in.
#include <cstdint>

namespace quellar {

class ISoundService {
public:
    // Play flags, with the values of the platform's own constants.
    static constexpr std::uint32_t kAsync = 1;  // return at once, play in the background
    static constexpr std::uint32_t kMemory = 4; // the sound is an image in memory
    static constexpr std::uint32_t kLoop = 8;   // repeat until stopped (always with kAsync)
    // Support flag of the device: separate left and right levels.
    static constexpr std::uint32_t kLRVolume = 8;

    virtual ~ISoundService() = default;

    // Plays a complete RIFF/WAVE image. Without kAsync it returns when the sound has ended; with
    // it the service keeps reading `image` until the sound is stopped or replaced.
    virtual void PlayImage(const std::uint8_t* image, std::uint32_t flags) = 0;
    // Stops every sound the process plays through this service.
    virtual void StopAll() = 0;
    // Sets the device's levels: left in the low 16 bits, right in the high 16 bits.
    virtual void SetVolume(std::uint32_t device, std::uint32_t volume) = 0;
    // Reads the device's levels into `volume`; false when the device does not report them.
    virtual bool GetVolume(std::uint32_t device, std::uint32_t& volume) = 0;
    // The device's support flags (kLRVolume, ...); 0 when they cannot be read.
    virtual std::uint32_t SupportFlags(std::uint32_t device) = 0;
};

// The service a TToneGen uses when none is given: winmm on Windows, a silent one (no device)
// elsewhere. Lives for the whole process.
ISoundService& PlatformSoundService();

} // namespace quellar

#include "tonegen/WinmmSoundService.h"

#include <windows.h>

#include <mmsystem.h>

namespace quellar {

static_assert(ISoundService::kAsync == SND_ASYNC && ISoundService::kMemory == SND_MEMORY &&
              ISoundService::kLoop == SND_LOOP && ISoundService::kLRVolume == WAVECAPS_LRVOLUME);

void TWinmmSoundService::PlayImage(const std::uint8_t* image, std::uint32_t flags) {
    PlaySoundA(reinterpret_cast<LPCSTR>(image), nullptr, flags);
}

void TWinmmSoundService::StopAll() {
    PlaySoundA(nullptr, nullptr, 0);
}

void TWinmmSoundService::SetVolume(std::uint32_t device, std::uint32_t volume) {
    waveOutSetVolume(reinterpret_cast<HWAVEOUT>(static_cast<UINT_PTR>(device)), volume);
}

bool TWinmmSoundService::GetVolume(std::uint32_t device, std::uint32_t& volume) {
    DWORD v = 0;
    const MMRESULT result = waveOutGetVolume(reinterpret_cast<HWAVEOUT>(static_cast<UINT_PTR>(device)), &v);
    volume = v;
    return result == MMSYSERR_NOERROR;
}

std::uint32_t TWinmmSoundService::SupportFlags(std::uint32_t device) {
    WAVEOUTCAPSA caps{};
    if (waveOutGetDevCapsA(device, &caps, sizeof caps) != MMSYSERR_NOERROR) {
        return 0;
    }
    return caps.dwSupport;
}

ISoundService& PlatformSoundService() {
    static TWinmmSoundService service;
    return service;
}

} // namespace quellar

#pragma once
// The one platform call of the icon that a test must observe: handing the icon record to the
// notification area. The real shell makes the call; tests install a recorder instead.
#include <windows.h>

#include <shellapi.h>

#include <cstdint>
#include <vector>

namespace quellar {

// The record size handed to the platform: the first-version layout, 88 bytes in the 32-bit
// build (104 in the 64-bit build, where the window and icon handles are 8 bytes wide).
inline constexpr DWORD kTrayRecordSize = NOTIFYICONDATAA_V1_SIZE;
inline constexpr UINT kTrayIconId = 1;
inline constexpr UINT kTrayIconFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP; // 7
inline constexpr UINT kTrayCallbackMessage = 0x800;

class ITrayShell {
public:
    virtual ~ITrayShell() = default;
    // command is NIM_ADD (0), NIM_MODIFY (1) or NIM_DELETE (2); the record's first
    // record.cbSize bytes are what the platform reads. Returns the platform's answer.
    virtual bool NotifyIcon(DWORD command, const NOTIFYICONDATAA& record) = 0;
};

// Calls Shell_NotifyIconA.
ITrayShell& PlatformTrayShell();

// Records every call with the record's bytes and answers as the notification area would for
// one icon: add succeeds only when the icon is not there, modify and delete only when it is.
class TTrayShellRecorder : public ITrayShell {
public:
    struct Call {
        DWORD command;
        std::vector<std::uint8_t> bytes; // the first cbSize bytes of the record
        bool result;
    };
    bool NotifyIcon(DWORD command, const NOTIFYICONDATAA& record) override;

    std::vector<Call> calls;
    bool iconPresent = false;
};

} // namespace quellar

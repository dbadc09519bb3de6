#include "tray/TrayShell.h"

namespace quellar {

namespace {
class TPlatformTrayShell : public ITrayShell {
public:
    bool NotifyIcon(DWORD command, const NOTIFYICONDATAA& record) override {
        // The platform only reads the record; the parameter is not const in the headers.
        return Shell_NotifyIconA(command, const_cast<NOTIFYICONDATAA*>(&record)) != FALSE;
    }
};
} // namespace

ITrayShell& PlatformTrayShell() {
    static TPlatformTrayShell shell;
    return shell;
}

bool TTrayShellRecorder::NotifyIcon(DWORD command, const NOTIFYICONDATAA& record) {
    const auto* first = reinterpret_cast<const std::uint8_t*>(&record);
    const DWORD size = record.cbSize <= sizeof(record) ? record.cbSize : DWORD{sizeof(record)};
    bool result = false;
    switch (command) {
    case NIM_ADD:
        result = !iconPresent;
        iconPresent = true;
        break;
    case NIM_MODIFY:
        result = iconPresent;
        break;
    case NIM_DELETE:
        result = iconPresent;
        iconPresent = false;
        break;
    default:
        break;
    }
    calls.push_back(Call{command, std::vector<std::uint8_t>(first, first + size), result});
    return result;
}

} // namespace quellar

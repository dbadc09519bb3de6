#include "tray/WindowProcHook.h"

#include <array>
#include <utility>

namespace quellar {

namespace {

constexpr int kSlotCount = 16;

struct Slot {
    bool used = false;
    unsigned generation = 0;
    HWND window = nullptr;
    WNDPROC saved = nullptr;
    WNDPROC installed = nullptr;
    TWindowProcHook::Handler handler; // empty once the hook has gone but the slot still forwards
};

std::array<Slot, kSlotCount> gSlots;

void Release(Slot& slot) {
    slot.used = false;
    ++slot.generation;
    slot.window = nullptr;
    slot.saved = nullptr;
    slot.handler = nullptr;
}

LRESULT Forward(int index, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Slot& slot = gSlots[index];
    // Copies: the handler may destroy the hook, and the window may be destroyed below.
    const WNDPROC saved = slot.saved;
    const TWindowProcHook::Handler handler = slot.handler;
    if (handler) {
        handler(message, wParam, lParam);
    }
    const LRESULT result = saved != nullptr ? CallWindowProcA(saved, window, message, wParam, lParam)
                                            : DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY && slot.used && slot.window == window) {
        Release(slot); // the window is gone; nothing will call this procedure again
    }
    return result;
}

template <int N> LRESULT CALLBACK SlotProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Forward(N, window, message, wParam, lParam);
}

template <int... N> constexpr std::array<WNDPROC, sizeof...(N)> MakeProcs(std::integer_sequence<int, N...>) {
    return {&SlotProc<N>...};
}

const std::array<WNDPROC, kSlotCount> kProcs = MakeProcs(std::make_integer_sequence<int, kSlotCount>{});

WNDPROC CurrentProc(HWND window) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

} // namespace

TWindowProcHook::TWindowProcHook(HWND window, Handler handler) {
    if (window == nullptr || !IsWindow(window)) {
        return;
    }
    for (int i = 0; i < kSlotCount; ++i) {
        Slot& slot = gSlots[i];
        if (slot.used) {
            continue;
        }
        slot.used = true;
        slot.window = window;
        slot.installed = kProcs[i];
        slot.handler = std::move(handler);
        // Saved before the swap so a message sent during it already finds its way on.
        slot.saved = CurrentProc(window);
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(kProcs[i]));
        window_ = window;
        slot_ = i;
        generation_ = slot.generation;
        return;
    }
}

TWindowProcHook::~TWindowProcHook() {
    if (!Installed()) {
        return;
    }
    Slot& slot = gSlots[slot_];
    if (IsWindow(window_) && CurrentProc(window_) == slot.installed) {
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(slot.saved));
        Release(slot);
    } else {
        slot.handler = nullptr; // still in another hook's chain: forward only
    }
}

bool TWindowProcHook::Installed() const {
    return slot_ >= 0 && gSlots[slot_].used && gSlots[slot_].generation == generation_;
}

int TWindowProcHook::FreeSlots() {
    int free = 0;
    for (const Slot& slot : gSlots) {
        free += slot.used ? 0 : 1;
    }
    return free;
}

} // namespace quellar

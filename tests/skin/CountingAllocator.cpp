#include "tests/skin/CountingAllocator.h"
#include "tests/support/ReplacedNew.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::int64_t> held{0};
std::atomic<std::int64_t> peak{0};
std::atomic<std::int64_t> base{0};
std::atomic<std::int64_t> limit{0};

// Each block carries its size in front, so delete knows what it gives back.
constexpr std::size_t Header = alignof(std::max_align_t) > 16 ? alignof(std::max_align_t) : 16;

} // namespace

namespace quellar::test {

void* AllocateBlock(std::size_t size) {
    const auto n = static_cast<std::int64_t>(size);
    const std::int64_t lim = limit.load();
    if (lim != 0 && held.load() + n > base.load() + lim) {
        throw std::bad_alloc();
    }
    auto* block = static_cast<unsigned char*>(std::malloc(size + Header));
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    *reinterpret_cast<std::size_t*>(block) = size;
    const std::int64_t now = held.fetch_add(n) + n;
    std::int64_t p = peak.load();
    while (now > p && !peak.compare_exchange_weak(p, now)) {
    }
    return block + Header;
}

void ReleaseBlock(void* p) noexcept {
    auto* block = static_cast<unsigned char*>(p) - Header;
    held.fetch_sub(static_cast<std::int64_t>(*reinterpret_cast<std::size_t*>(block)));
    std::free(block);
}

std::int64_t HeldBytes() {
    return held.load();
}
void ResetPeak() {
    peak.store(held.load());
    base.store(held.load());
}
std::int64_t PeakSinceReset() {
    return peak.load() - base.load();
}
void FailAllocationsAbove(std::int64_t bytes) {
    base.store(held.load());
    limit.store(bytes);
}

} // namespace quellar::test

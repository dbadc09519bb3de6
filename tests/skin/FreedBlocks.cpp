#include "tests/skin/FreedBlocks.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

constexpr unsigned char Pattern = 0xA5;

// In front of each block: its size and, while it is kept, the next kept block.
struct alignas(std::max_align_t) Header {
    std::size_t size;
    Header* next;
};

bool keeping = false;
Header* kept = nullptr;

void* Allocate(std::size_t size) {
    auto* header = static_cast<Header*>(std::malloc(sizeof(Header) + size));
    if (header == nullptr) {
        throw std::bad_alloc();
    }
    header->size = size;
    header->next = nullptr;
    return header + 1;
}

void Release(void* p) noexcept {
    if (p == nullptr) {
        return;
    }
    Header* header = static_cast<Header*>(p) - 1;
    if (!keeping) {
        std::free(header);
        return;
    }
    std::memset(p, Pattern, header->size);
    header->next = kept;
    kept = header;
}

} // namespace

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void operator delete(void* p) noexcept {
    Release(p);
}
void operator delete[](void* p) noexcept {
    Release(p);
}
void operator delete(void* p, std::size_t) noexcept {
    Release(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    Release(p);
}

namespace quellar::test {

void KeepFreedBlocks(bool on) {
    keeping = on;
    if (on) {
        return;
    }
    while (kept != nullptr) {
        Header* next = kept->next;
        std::free(kept);
        kept = next;
    }
}

bool FreedBlocksUntouched() {
    for (const Header* h = kept; h != nullptr; h = h->next) {
        const auto* bytes = reinterpret_cast<const unsigned char*>(h + 1);
        for (std::size_t i = 0; i < h->size; ++i) {
            if (bytes[i] != Pattern) {
                return false;
            }
        }
    }
    return true;
}

} // namespace quellar::test

#include "tests/skin/FreedBlocks.h"
#include "tests/support/ReplacedNew.h"

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

} // namespace

namespace quellar::test {

void* AllocateBlock(std::size_t size) {
    auto* header = static_cast<Header*>(std::malloc(sizeof(Header) + size));
    if (header == nullptr) {
        throw std::bad_alloc();
    }
    header->size = size;
    header->next = nullptr;
    return header + 1;
}

void ReleaseBlock(void* p) noexcept {
    Header* header = static_cast<Header*>(p) - 1;
    if (!keeping) {
        std::free(header);
        return;
    }
    std::memset(p, Pattern, header->size);
    header->next = kept;
    kept = header;
}

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

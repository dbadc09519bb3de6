#include "tests/support/ReplacedNew.h"

#include <new>

using quellar::test::AllocateBlock;
using quellar::test::ReleaseBlock;

void* operator new(std::size_t size) {
    return AllocateBlock(size);
}
void* operator new[](std::size_t size) {
    return AllocateBlock(size);
}
void operator delete(void* p) noexcept {
    if (p != nullptr) {
        ReleaseBlock(p);
    }
}
void operator delete[](void* p) noexcept {
    operator delete(p);
}
void operator delete(void* p, std::size_t) noexcept {
    operator delete(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    operator delete(p);
}

#pragma once
// Replaces the global operator new and delete of the one test program ReplacedNew.cpp is linked
// into: every form of them calls the two functions below, which that program defines.
#include <cstddef>

namespace quellar::test {

// A block of size bytes; throws std::bad_alloc when there is none.
void* AllocateBlock(std::size_t size);
// Gives back a block AllocateBlock returned (never null).
void ReleaseBlock(void* block) noexcept;

} // namespace quellar::test

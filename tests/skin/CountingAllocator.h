#pragma once
// Counts the bytes this test program holds through operator new, so a test can bound the memory
// a piece of work takes (its peak above what was held when it began) by a count, not a clock,
// and can make allocations fail past a limit. Linked into one test program of its own: it
// replaces the global operator new and delete.
#include <cstddef>
#include <cstdint>

namespace quellar::test {

// Bytes held now.
std::int64_t HeldBytes();
// Starts a measurement: the peak restarts at what is held now.
void ResetPeak();
// The most held at once since ResetPeak, less what was held then.
std::int64_t PeakSinceReset();
// While set, an allocation that would hold more than limit bytes above the held bytes at the time
// of the call throws std::bad_alloc; 0 lifts it.
void FailAllocationsAbove(std::int64_t limit);

} // namespace quellar::test

#pragma once
// Catches writes into freed memory: while kept, every block given back through operator delete
// is filled with a pattern and held instead of freed, so a later write into it shows. Linked into
// one test program of its own: it replaces the global operator new and delete.
namespace quellar::test {

// On: blocks freed from now on are kept. Off: every kept block is freed.
void KeepFreedBlocks(bool on);
// True when every block kept since KeepFreedBlocks(true) still holds only the pattern.
bool FreedBlocksUntouched();

} // namespace quellar::test

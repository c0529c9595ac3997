#pragma once

#include <cstddef>

namespace brindlex {

// Sets the allocator up for a program that runs for milliseconds and holds a few megabytes
// at most (the command-line tool, the thumbnailer): memory freed is kept for the next step
// rather than handed back, every thread takes it from the one heap, and large blocks come
// from that heap too. Fresh memory costs a page fault for every 4 KiB touched: a seventh of
// the time of making an icon of four sizes from a 512-pixel picture went to them.
void SetUpMemoryForShortRun();

// Makes the next `bytes` of memory the program takes ready in one call, instead of a page
// fault for every 4 KiB as it is touched (dearer still when two threads fault at once): for
// a step whose memory is known to come, such as decoding or scaling a large picture. Does
// nothing unless SetUpMemoryForShortRun was called, which keeps freed memory with the
// program; a long-running program keeps its own freed memory anyway.
void PrepareMemory(std::size_t bytes);

}  // namespace brindlex

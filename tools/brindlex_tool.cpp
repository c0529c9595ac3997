// brindlex-tool: icon conversion for scripts, on the editor's own engine.

#include <malloc.h>
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/tool_output.h"

int main(int argc, char** argv) {
  // A run lasts milliseconds and holds a few megabytes at most: memory freed is kept for the
  // next step rather than handed back, every thread takes it from the one heap, and large
  // blocks come from that heap too. Fresh memory costs a page fault for every 4 KiB touched,
  // which was a sixth of the time of scaling a large picture.
  mallopt(M_ARENA_MAX, 1);
  mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);  // glibc's largest
  mallopt(M_TRIM_THRESHOLD, 128 * 1024 * 1024);
  const std::vector<std::string> args(argv + 1, argv + argc);
  return brindlex::RunIconToolWritingTo(STDOUT_FILENO, args, std::cerr);
}

#pragma once

// Runs a piece of a test, or a program, with little memory to spare: the address space is
// capped (RLIMIT_AS) a given number of bytes above what the process holds already, so that an
// allocation past that fails as it would on a machine short of memory.

#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstddef>
#include <fstream>
#include <functional>

namespace brindlex::testing {

// AddressSanitizer and ThreadSanitizer reserve terabytes of address space for their own
// bookkeeping: under them a capped address space fails at once, so these tests are left out.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kAddressSpaceCanBeCapped = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
constexpr bool kAddressSpaceCanBeCapped = false;
#else
constexpr bool kAddressSpaceCanBeCapped = true;
#endif
#else
constexpr bool kAddressSpaceCanBeCapped = true;
#endif

// The bytes of address space the process holds now.
inline std::size_t AddressSpaceInUse() {
  std::ifstream statm("/proc/self/statm");
  std::size_t pages = 0;
  statm >> pages;
  return pages * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
}

// Caps the calling process's address space at `bytes`. False when it cannot.
inline bool CapAddressSpace(std::size_t bytes) {
  const rlimit limit{bytes, bytes};
  return ::setrlimit(RLIMIT_AS, &limit) == 0;
}

// Runs `work` in a child process whose address space may grow by `spare_bytes` at most. The
// free memory the heap holds is handed back first, so that only the spare bytes are left.
// Returns the child's exit code (the value `work` returned), 100 when the cap could not be
// set, 101 when the child did not exit normally (killed by a signal, or ended by an uncaught
// exception).
inline int RunWithSpareMemory(std::size_t spare_bytes, const std::function<int()>& work) {
  const pid_t child = ::fork();
  if (child == 0) {
    ::malloc_trim(0);
    if (!CapAddressSpace(AddressSpaceInUse() + spare_bytes)) ::_exit(100);
    ::_exit(work());
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 101;
}

}  // namespace brindlex::testing

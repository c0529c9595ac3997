#pragma once

// Runs a piece of a test in a child process without the super-user's privileges, so that
// permission bits of files and folders apply also when the tests run as root.

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace brindlex::testing {

// Runs `work` in a child process: as user and group 65534 when the tests run as root, as
// the same user otherwise. Returns the child's exit code (the value `work` returned), 100
// when the privileges could not be dropped, 101 when the child did not exit normally.
inline int RunUnprivileged(const std::function<int()>& work) {
  const pid_t child = ::fork();
  if (child == 0) {
    if (::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
      ::_exit(100);
    ::_exit(work());
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 101;
}

}  // namespace brindlex::testing

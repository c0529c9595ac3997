#pragma once

// The tool's normal output on a file descriptor, with write failures reported instead of
// lost: a full disk, a closed pipe or a closed descriptor makes a line on standard error
// and exit status 1.

#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

namespace brindlex {

// A stream buffer writing to a file descriptor. It keeps the reason of the first failed
// write; the bytes of a failed write are dropped.
class DescriptorBuffer : public std::streambuf {
 public:
  explicit DescriptorBuffer(int fd);
  ~DescriptorBuffer() override;
  DescriptorBuffer(const DescriptorBuffer&) = delete;
  DescriptorBuffer& operator=(const DescriptorBuffer&) = delete;

  // The errno of the first failed write; 0 while every write succeeded.
  int Error() const { return error_; }

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  // Writes out what is buffered. False when a write failed.
  bool Drain();

  int fd_;
  int error_ = 0;
  char buffer_[4096];
};

// Runs the tool with its normal output written to `out_fd` (standard output in the
// program) and its messages to `err`. After the run the output is flushed; when any of it
// could not be written, "brindlex-tool: standard output: cannot write: REASON" goes to `err`
// and a successful run ends with kToolFailure instead.
int RunIconToolWritingTo(int out_fd, const std::vector<std::string>& args, std::ostream& err);

}  // namespace brindlex

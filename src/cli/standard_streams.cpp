#include "cli/standard_streams.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace brindlex {
namespace {

constexpr std::size_t kReadChunkBytes = 64 * 1024;

StandardStreams* current = nullptr;

}  // namespace

bool IsStandardStream(const std::string& path) { return path == "-"; }

StandardStreams::StandardStreams(std::ostream& out, int in_fd)
    : out_(out), in_fd_(in_fd), outer_(current) {
  current = this;
}

StandardStreams::~StandardStreams() { current = outer_; }

FileReadResult ReadStandardInput(std::size_t max_bytes, std::vector<std::uint8_t>& bytes,
                                 std::string* error) {
  bytes.clear();
  if (!current) {
    if (error) *error = std::strerror(EBADF);
    return FileReadResult::kFailed;
  }
  StandardStreams& streams = *current;
  std::vector<std::uint8_t>& input = streams.input_;
  // Reads on while the input may still fit the limit; an earlier reader with a smaller limit
  // may have stopped short of the end.
  while (!streams.input_ended_ && streams.input_error_ == 0 && input.size() <= max_bytes) {
    const std::size_t want = std::min(kReadChunkBytes, max_bytes + 1 - input.size());
    const std::size_t had = input.size();
    input.resize(had + want);
    const ssize_t got = ::read(streams.in_fd_, input.data() + had, want);
    input.resize(had + static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
    if (got < 0 && errno != EINTR) streams.input_error_ = errno;
    if (got == 0) streams.input_ended_ = true;
  }
  if (input.size() > max_bytes) {
    if (error) *error = std::strerror(EFBIG);
    return FileReadResult::kTooLarge;
  }
  if (streams.input_error_ != 0) {
    if (error) *error = std::strerror(streams.input_error_);
    return FileReadResult::kFailed;
  }
  bytes = input;
  return FileReadResult::kRead;
}

bool WriteStandardOutput(std::span<const std::uint8_t> bytes, std::string* error) {
  if (!current) {
    if (error) *error = std::strerror(EBADF);
    return false;
  }
  current->out_.write(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<std::streamsize>(bytes.size()));
  return true;
}

}  // namespace brindlex

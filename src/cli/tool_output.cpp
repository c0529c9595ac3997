#include "cli/tool_output.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "cli/icon_tool.h"

namespace brindlex {

DescriptorBuffer::DescriptorBuffer(int fd) : fd_(fd) { setp(buffer_, buffer_ + sizeof buffer_); }

DescriptorBuffer::~DescriptorBuffer() { Drain(); }

bool DescriptorBuffer::Drain() {
  const char* next = pbase();
  const char* const end = pptr();
  bool written = true;
  while (next < end) {
    const ssize_t done = ::write(fd_, next, static_cast<std::size_t>(end - next));
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) {
      if (error_ == 0) error_ = done < 0 ? errno : EIO;
      written = false;
      break;
    }
    next += done;
  }
  setp(buffer_, buffer_ + sizeof buffer_);
  return written;
}

DescriptorBuffer::int_type DescriptorBuffer::overflow(int_type c) {
  if (!Drain()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

int DescriptorBuffer::sync() { return Drain() ? 0 : -1; }

int RunIconToolWritingTo(int out_fd, const std::vector<std::string>& args, std::ostream& err) {
  DescriptorBuffer buffer(out_fd);
  std::ostream out(&buffer);
  const int status = RunIconTool(args, out, err);
  out.flush();
  if (buffer.Error() == 0 && out) return status;
  Failure(err, "standard output",
          "cannot write: " + std::string(std::strerror(buffer.Error() ? buffer.Error() : EIO)));
  return status == kToolSuccess ? kToolFailure : status;
}

}  // namespace brindlex

#pragma once

// "-" as a file name: standard input where the tool reads a file, standard output where it
// writes one. Standard input is read whole, never past the limit of the reader that asks
// for it, and kept for the run, so that a second "-" in one command line reads the same
// bytes. Bytes written to "-" go into the run's normal output stream, whose write failures
// the run reports once, at its end.

#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "files/file_bytes.h"

namespace brindlex {

// Whether the name stands for standard input or output: exactly "-". A file named "-" is
// reached as "./-".
bool IsStandardStream(const std::string& path);

// The standard streams of one run of the tool, in force while the object lives (the tool
// runs one command at a time). RunIconTool binds them around each run.
class StandardStreams {
 public:
  StandardStreams(std::ostream& out, int in_fd);
  ~StandardStreams();
  StandardStreams(const StandardStreams&) = delete;
  StandardStreams& operator=(const StandardStreams&) = delete;

 private:
  friend FileReadResult ReadStandardInput(std::size_t max_bytes, std::vector<std::uint8_t>& bytes,
                                          std::string* error);
  friend bool WriteStandardOutput(std::span<const std::uint8_t> bytes, std::string* error);

  std::ostream& out_;
  int in_fd_;
  StandardStreams* outer_;
  // What standard input gave so far, whether it has ended, and the errno of a failed read.
  std::vector<std::uint8_t> input_;
  bool input_ended_ = false;
  int input_error_ = 0;
};

// Reads standard input whole, as ReadWholeFile reads a file: kTooLarge as soon as it gives
// more than `max_bytes`, having kept no more than that and one read's worth.
FileReadResult ReadStandardInput(std::size_t max_bytes, std::vector<std::uint8_t>& bytes,
                                 std::string* error = nullptr);

// Puts the bytes into the run's normal output. False (with a description in `*error`) only
// when no run is in force; a failed write is reported by the run.
bool WriteStandardOutput(std::span<const std::uint8_t> bytes, std::string* error = nullptr);

}  // namespace brindlex

#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace brindlex {

// Replaces the file at `path` with exactly `bytes`, never leaving a half-written file:
// the bytes go to a new file with a unique name in the target's own folder (".NAME.<12
// letters>.tmp", or ".brindlex-<12 letters>.tmp" when the target's name is too long for
// that), which is flushed to disk and renamed over the target only when every byte was
// written; the folder is flushed after the rename, so that a save reported as done stays done
// after a power loss. On any failure the temporary file is removed and the target is left as
// it was.
//
// One exception: when the folder refuses the temporary file or the rename (no write
// permission on the folder, a sticky folder, a read-only mount) but the target exists and
// may be written, the target itself is overwritten with the bytes, cut to their length and
// flushed to disk.
// Disk space is reserved first where the file system allows, so a full disk fails before
// anything is overwritten.
//
// A symbolic link is followed: the file it names is replaced and the link stays. A target
// that exists keeps its permission bits (and, where allowed, its owner). A target that exists
// but may not be written (no write permission for this user, or none of its write bits set)
// fails with "Permission denied" and is not touched; so does a target that is not a regular
// file. On failure `*error` (when given) receives a readable description of the failed
// operation.
//
// With kByCaller the file and its folder are not flushed one by one: the replacement is as
// atomic as ever, and a caller that writes many files flushes them all at once afterwards
// with FlushFileSystemOf, as one flush per file costs a disk round trip each. A file that is
// only a cache of what can be made again (a thumbnail) is written with kByCaller and never
// flushed: waiting for the disk would cost more than making the whole file.
enum class DiskFlush { kEachFile, kByCaller };
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                         std::string* error = nullptr, DiskFlush flush = DiskFlush::kEachFile);

// Flushes to disk everything written to the file system that holds `path` (a file or a
// folder). False, with a readable description in `*error` when given, on failure.
bool FlushFileSystemOf(const std::string& path, std::string* error = nullptr);

}  // namespace brindlex

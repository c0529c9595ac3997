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
// With kLeaveToSystem the file and its folder are not flushed: the replacement is as atomic
// as ever (a reader sees the old bytes or the new ones, never part of them), and the system
// writes them out in its own time, as it does for cp and convert. The command-line tool
// writes so, where one flush of the file and one of its folder cost a fifth of making an icon
// of four sizes, and so does a cache of what can be made again (a thumbnail). A document the
// user saves waits for the disk.
enum class DiskFlush { kWaitForDisk, kLeaveToSystem };
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                         std::string* error = nullptr, DiskFlush flush = DiskFlush::kWaitForDisk);

}  // namespace brindlex

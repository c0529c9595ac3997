// brindlex-tool extract --group and --all: icons written out as the files store them.
#include "cli/extract_groups.h"

#include <sys/stat.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "cli/memory_failure.h"
#include "cli/standard_streams.h"
#include "cli/tool_commands.h"
#include "cli/tool_support.h"

namespace brindlex {
namespace {

std::string NumberList(const std::vector<std::uint16_t>& numbers) {
  std::string list;
  for (const std::uint16_t n : numbers) list += (list.empty() ? "" : ", ") + std::to_string(n);
  return list;
}

// Reads icon `index` and warns about the images left out. False, after the failure line,
// when it cannot be read.
bool ReadGroupReporting(IconLibrary& library, const std::string& input, int index,
                        IconGroupFile& file, std::ostream& err) {
  const std::string icon = "icon " + std::to_string(index);
  if (!library.ReadGroupFile(index, file)) {
    Failure(err, input, icon + " cannot be read (damaged group or no image found)");
    return false;
  }
  if (!file.missing_images.empty())
    Warning(err, input,
            icon + ": the file lacks image resource " + NumberList(file.missing_images) +
                "; written without it");
  return true;
}

// Why the path cannot take the files --all writes, or "" when it is a folder.
std::string NotAFolder(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return "no such folder";
  return S_ISDIR(info.st_mode) ? "" : "is not a folder";
}

// The files named by the inputs, as device and inode, so that no output replaces one.
class InputFiles {
 public:
  explicit InputFiles(const std::vector<std::string>& files) {
    for (const std::string& file : files) {
      struct stat info {};
      if (!IsStandardStream(file) && ::stat(file.c_str(), &info) == 0)
        files_.insert({info.st_dev, info.st_ino});
    }
  }
  bool Contains(const std::string& path) const {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && files_.count({info.st_dev, info.st_ino});
  }

 private:
  std::set<std::pair<dev_t, ino_t>> files_;
};

std::string BaseName(const std::string& path) {
  if (IsStandardStream(path)) return "stdin";
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Writes every icon of the input into the folder as STEM-INDEX.ico (or .cur). A file of a kind
// that carries no icons (a text, a photograph), and one without icons, is passed over without a
// word: a folder of programs holds many such. Goes on past an icon that cannot be read or
// written; kToolFailure when any failed.
int ExtractEveryIcon(const std::string& input, const std::string& stem, const std::string& folder,
                     const InputFiles& inputs, std::ostream& err) {
  IconLibrary library;
  if (!OpenIconLibrary(library, input, err)) return kToolFailure;
  const int count = library.Kind() == IconLibraryKind::kNone ? 0 : library.IconCount();
  int status = kToolSuccess;
  for (int i = 0; i < count; ++i) {
    IconGroupFile file;
    if (!ReadGroupReporting(library, input, i, file, err)) {
      status = kToolFailure;
      continue;
    }
    const std::string output =
        folder + "/" + stem + "-" + std::to_string(i) + (file.cursor ? ".cur" : ".ico");
    // An earlier run into the folder of the inputs may have written files that are now
    // inputs themselves, perhaps still to be read.
    if (inputs.Contains(output)) {
      status = Failure(err, output, "is one of the files given; not replaced");
      continue;
    }
    if (WriteOutputFile(output, file.bytes, err) != kToolSuccess) status = kToolFailure;
  }
  return status;
}

}  // namespace

int WriteIconGroup(IconLibrary& library, const std::string& input, int index,
                   const std::string& output, std::ostream& err) {
  IconGroupFile file;
  if (!ReadGroupReporting(library, input, index, file, err)) return kToolFailure;
  return WriteOutputFile(output, file.bytes, err);
}

std::vector<std::string> OutputStems(const std::vector<std::string>& files) {
  std::set<std::string> taken;
  for (const std::string& file : files) taken.insert(BaseName(file));
  std::set<std::string> used;
  std::vector<std::string> stems;
  for (const std::string& file : files) {
    const std::string base = BaseName(file);
    std::string stem = base;
    for (int n = 2; used.count(stem) || (stem != base && taken.count(stem)); ++n)
      stem = base + "_" + std::to_string(n);
    used.insert(stem);
    stems.push_back(stem);
  }
  return stems;
}

int ExtractAllCommand(const std::vector<std::string>& files, const std::string& folder,
                      std::ostream& err) {
  if (IsStandardStream(folder))
    return UsageError(err, "--all writes files into a folder, not to standard output");
  if (const std::string why = NotAFolder(folder); !why.empty()) return Failure(err, folder, why);
  const std::vector<std::string> stems = OutputStems(files);
  const InputFiles inputs(files);
  int status = kToolSuccess;
  for (std::size_t f = 0; f < files.size(); ++f) {
    const int written = ToolStepFor(
        files[f], err, [&] { return ExtractEveryIcon(files[f], stems[f], folder, inputs, err); });
    if (written != kToolSuccess) status = kToolFailure;
  }
  return status;
}

}  // namespace brindlex

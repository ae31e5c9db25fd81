#pragma once
// Whole-file reading with a size limit, and saving that never destroys the
// previous file.

#include <cstddef>
#include <string>
#include <string_view>

namespace varnholt::project {

/// Success, or the reason in plain Japanese ("フォルダが見つかりません。").
struct IoResult {
  bool ok = true;
  std::string reason;
  static IoResult Failed(std::string reason) { return {false, std::move(reason)}; }
};

/// Reads a regular file. At most `limit` + 1 bytes are read, so that a file
/// larger than the limit is recognised without reading it whole.
IoResult ReadFileBounded(const std::string& path, std::size_t limit, std::string& bytes);

/// Replaces the file at `path` with `bytes` so that, whatever fails, the
/// previous file is either left exactly as it was or replaced completely:
/// the bytes go to a temporary file in the same folder, which is flushed
/// and synced to the disk and then renamed over the target. A read-only
/// target is refused. A symbolic link is followed, so the link stays.
IoResult WriteFileAtomically(const std::string& path, std::string_view bytes);

/// Whether a file (or anything else) exists at the path.
bool PathExists(const std::string& path);

}  // namespace varnholt::project

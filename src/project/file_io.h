#pragma once
// Whole-file reading with a size limit, and saving that never destroys the
// previous file.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace varnholt::project {

/// Success, or the reason in plain Japanese ("フォルダが見つかりません。").
struct IoResult {
  bool ok = true;
  std::string reason;
  /// A failure after the new file had already taken the target's place (the
  /// folder could not be synced): the previous file is gone.
  bool replaced = false;
  static IoResult Failed(std::string reason) { return {false, std::move(reason), false}; }
};

/// The message of a failed save: "ファイル「…」に保存できませんでした。", the
/// reason, and "元のファイルは変更されていません。" when a previous file
/// existed and is still as it was.
std::string SaveFailureMessage(const std::string& path, bool existed, const IoResult& result);

/// The reason for an error number, in the words of the message boxes
/// ("ディスクの空き容量が不足しています。"); never the system's English text.
std::string IoErrorReason(int err, bool writing);

/// The system calls the atomic writer makes, so that tests can make any of
/// them fail (a full disk at fsync, a rename across file systems).
struct FileSystemCalls {
  std::function<int(const char* path, int flags, unsigned mode)> open;
  std::function<long(int fd, const void* data, unsigned long size)> write;
  std::function<int(int fd)> fsync;
  std::function<int(int fd)> close;
  std::function<int(const char* from, const char* to)> rename;
};
/// The operating system's calls.
const FileSystemCalls& SystemCalls();

/// Reads a regular file. At most `limit` + 1 bytes are read, so that a file
/// larger than the limit is recognised without reading it whole.
IoResult ReadFileBounded(const std::string& path, std::size_t limit, std::string& bytes);

/// Replaces the file at `path` with `bytes` so that, whatever fails, the
/// previous file is either left exactly as it was or replaced completely:
/// the bytes go to a temporary file in the same folder (a short name, so a
/// target name of up to 255 bytes works), which is synced to the disk and
/// then renamed over the target; the folder is synced after the rename. The
/// target keeps its permissions. Only a regular file is replaced: a folder,
/// a device or a named pipe is refused, as is a read-only file. A symbolic
/// link is followed link by link, also when it dangles (its target is then
/// created), so the link stays a link. Every failing write, sync, close and
/// rename is reported; no temporary file is left behind.
IoResult WriteFileAtomically(const std::string& path, std::string_view bytes,
                             const FileSystemCalls& calls = SystemCalls());

/// Whether a file (or anything else) exists at the path.
bool PathExists(const std::string& path);

/// Whether two paths name one file: one inode when both exist (a link, a
/// second name), otherwise one path once resolved.
bool SameFile(const std::string& a, const std::string& b);

}  // namespace varnholt::project

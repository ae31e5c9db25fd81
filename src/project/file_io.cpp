#include "project/file_io.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>

#ifdef _WIN32
#include <QFile>
#include <QSaveFile>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace varnholt::project {

std::string SaveFailureMessage(const std::string& path, bool existed, const IoResult& result) {
  std::string message = "ファイル「" + path + "」に保存できませんでした。\n" + result.reason;
  if (existed && !result.replaced) message += "\n元のファイルは変更されていません。";
  return message;
}

std::string IoErrorReason(int err, bool writing) {
  switch (err) {
    case EACCES:
    case EPERM:
      return writing ? "書き込みが許可されていません。" : "読み込みが許可されていません。";
    case EROFS:
      return "読み取り専用の場所です。";
    case ENOENT:
      return writing ? "保存先のフォルダが見つかりません。" : "ファイルが見つかりません。";
    case ENOTDIR:
      return "フォルダが見つかりません。";
    case EISDIR:
      return "ファイルではなくフォルダです。";
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
      return "ディスクの空き容量が不足しています。";
    case ENAMETOOLONG:
      return "ファイル名が長すぎます。";
    case EIO:
      return "ディスクの読み書きでエラーが起きました。";
    case EXDEV:
      return "別のドライブ（ファイルシステム）へは移せません。";
    case ELOOP:
      return "シンボリックリンクが循環しているか、多すぎます。";
    case EFBIG:
      return "ファイルが大きすぎます。";
    case EBUSY:
    case ETXTBSY:
      return "ファイルが使用中です。";
    case EMFILE:
    case ENFILE:
      return "開いているファイルが多すぎます。";
    default:
      return "予期しないエラーが起きました（エラー番号 " + std::to_string(err) + "）。";
  }
}

#ifndef _WIN32

namespace {

int SystemOpen(const char* path, int flags, unsigned mode) {
  return ::open(path, flags, static_cast<mode_t>(mode));
}
long SystemWrite(int fd, const void* data, unsigned long size) {
  return static_cast<long>(::write(fd, data, size));
}

// The file a path finally names: symbolic links are followed one at a time,
// also a dangling one (whose target does not exist yet). False with the
// error number when a link cannot be read or the chain does not end.
bool FollowLinks(std::string& path, int& err) {
  constexpr int kMaxLinks = 40;
  for (int i = 0; i < kMaxLinks; ++i) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
      if (errno == ENOENT) return true;  // a new file; the folder is checked on open
      err = errno;
      return false;
    }
    if (!S_ISLNK(st.st_mode)) return true;
    std::string target(PATH_MAX, '\0');
    const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
    if (n < 0) {
      err = errno;
      return false;
    }
    target.resize(static_cast<std::size_t>(n));
    if (target.empty() || target[0] != '/') {
      const std::size_t slash = path.rfind('/');
      if (slash != std::string::npos) target = path.substr(0, slash + 1) + target;
    }
    path = std::move(target);
  }
  err = ELOOP;
  return false;
}

}  // namespace

const FileSystemCalls& SystemCalls() {
  static const FileSystemCalls calls = {SystemOpen, SystemWrite, ::fsync, ::close, ::rename};
  return calls;
}

bool PathExists(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

IoResult ReadFileBounded(const std::string& path, std::size_t limit, std::string& bytes) {
  bytes.clear();
  // O_NONBLOCK: a named pipe must be refused, not waited on.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return IoResult::Failed(IoErrorReason(errno, false));
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    const int err = errno;
    ::close(fd);
    return IoResult::Failed(IoErrorReason(err, false));
  }
  if (!S_ISREG(st.st_mode)) {
    ::close(fd);
    return IoResult::Failed(S_ISDIR(st.st_mode) ? IoErrorReason(EISDIR, false)
                                                : "通常のファイルではありません。");
  }
  char buffer[16384];
  while (bytes.size() <= limit) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int err = errno;
      ::close(fd);
      return IoResult::Failed(IoErrorReason(err, false));
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  if (bytes.size() > limit + 1) bytes.resize(limit + 1);
  ::close(fd);
  return {};
}

IoResult WriteFileAtomically(const std::string& path, std::string_view bytes,
                             const FileSystemCalls& calls) {
  std::string target = path;
  int err = 0;
  if (!FollowLinks(target, err)) return IoResult::Failed(IoErrorReason(err, true));
  struct stat st {};
  bool exists = false;
  if (::stat(target.c_str(), &st) == 0) {
    exists = true;
    if (S_ISDIR(st.st_mode)) return IoResult::Failed(IoErrorReason(EISDIR, true));
    if (!S_ISREG(st.st_mode)) {
      return IoResult::Failed(
          "通常のファイルではありません（デバイスや名前付きパイプには書き込みません）。");
    }
    if (::access(target.c_str(), W_OK) != 0) return IoResult::Failed(IoErrorReason(errno, true));
  }

  const std::size_t slash = target.rfind('/');
  const std::string dir = slash == std::string::npos ? "." : target.substr(0, slash + 1);
  const std::string prefix = slash == std::string::npos ? "" : dir;

  // A fresh temporary name beside the target, short whatever the target's
  // name; O_EXCL never reuses a file.
  std::random_device rd;
  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
    char name[32];
    std::snprintf(name, sizeof name, ".vh%08x.tmp", static_cast<unsigned>(rd()));
    temp = prefix + name;
    fd = calls.open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                    exists ? (st.st_mode & 07777) : 0666);
    if (fd < 0 && errno != EEXIST) return IoResult::Failed(IoErrorReason(errno, true));
  }
  if (fd < 0) return IoResult::Failed(IoErrorReason(EEXIST, true));
  if (exists) (void)::fchmod(fd, st.st_mode & 07777);

  auto fail = [&](int e) {
    if (fd >= 0) calls.close(fd);
    ::unlink(temp.c_str());
    return IoResult::Failed(IoErrorReason(e, true));
  };
  std::size_t done = 0;
  while (done < bytes.size()) {
    const long n = calls.write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return fail(n < 0 ? errno : EIO);
    done += static_cast<std::size_t>(n);
  }
  if (calls.fsync(fd) != 0) return fail(errno);
  const int closed = calls.close(fd);
  fd = -1;
  if (closed != 0) return fail(errno);
  if (calls.rename(temp.c_str(), target.c_str()) != 0) return fail(errno);

  // The rename itself reaches the disk with the folder.
  const int dfd = calls.open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
  const int synced = dfd >= 0 ? calls.fsync(dfd) : -1;
  const int sync_err = errno;
  if (dfd >= 0) calls.close(dfd);
  if (synced != 0) {
    IoResult r =
        IoResult::Failed("ファイルは書き込みましたが、フォルダをディスクに反映できませんでした。" +
                         IoErrorReason(sync_err, true));
    r.replaced = true;
    return r;
  }
  return {};
}

#else  // Windows: Qt's save file writes a temporary file and renames it.

bool PathExists(const std::string& path) { return QFile::exists(QString::fromStdString(path)); }

IoResult ReadFileBounded(const std::string& path, std::size_t limit, std::string& bytes) {
  QFile f(QString::fromStdString(path));
  if (!f.open(QIODevice::ReadOnly)) return IoResult::Failed(f.errorString().toStdString());
  const QByteArray data = f.read(static_cast<qint64>(limit) + 1);
  bytes.assign(data.constData(), static_cast<std::size_t>(data.size()));
  return {};
}

const FileSystemCalls& SystemCalls() {
  static const FileSystemCalls calls{};  // Qt's save file makes the calls itself
  return calls;
}

IoResult WriteFileAtomically(const std::string& path, std::string_view bytes,
                             const FileSystemCalls&) {
  QSaveFile f(QString::fromStdString(path));
  if (!f.open(QIODevice::WriteOnly)) return IoResult::Failed(f.errorString().toStdString());
  f.write(bytes.data(), static_cast<qint64>(bytes.size()));
  if (!f.commit()) return IoResult::Failed(f.errorString().toStdString());
  return {};
}

#endif

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  if (std::filesystem::exists(a, ec) && std::filesystem::exists(b, ec)) {
    const bool same = std::filesystem::equivalent(a, b, ec);
    if (!ec) return same;
  }
  std::error_code ec1, ec2;
  const auto ca = std::filesystem::weakly_canonical(a, ec1);
  const auto cb = std::filesystem::weakly_canonical(b, ec2);
  return !ec1 && !ec2 && ca == cb;
}

}  // namespace varnholt::project

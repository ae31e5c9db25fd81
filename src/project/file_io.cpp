#include "project/file_io.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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
namespace {

// The reason for an errno value, in the words of the message boxes.
std::string Reason(int err, bool writing) {
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
      return "ディスクの空き容量が足りません。";
    case ENAMETOOLONG:
      return "ファイル名が長すぎます。";
    case EIO:
      return "ディスクの読み書きでエラーが起きました。";
    default:
      return std::string("システムのエラーです（") + std::strerror(err) + "）。";
  }
}

}  // namespace

#ifndef _WIN32

bool PathExists(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

IoResult ReadFileBounded(const std::string& path, std::size_t limit, std::string& bytes) {
  bytes.clear();
  // O_NONBLOCK: a named pipe must be refused, not waited on.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return IoResult::Failed(Reason(errno, false));
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    const int err = errno;
    ::close(fd);
    return IoResult::Failed(Reason(err, false));
  }
  if (!S_ISREG(st.st_mode)) {
    ::close(fd);
    return IoResult::Failed(S_ISDIR(st.st_mode) ? Reason(EISDIR, false)
                                                : "通常のファイルではありません。");
  }
  char buffer[16384];
  while (bytes.size() <= limit) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int err = errno;
      ::close(fd);
      return IoResult::Failed(Reason(err, false));
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  if (bytes.size() > limit + 1) bytes.resize(limit + 1);
  ::close(fd);
  return {};
}

IoResult WriteFileAtomically(const std::string& path, std::string_view bytes) {
  std::string target = path;
  struct stat st {};
  bool exists = false;
  if (::lstat(target.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    char resolved[PATH_MAX];
    if (::realpath(target.c_str(), resolved) != nullptr) target = resolved;
  }
  if (::stat(target.c_str(), &st) == 0) {
    exists = true;
    if (S_ISDIR(st.st_mode)) return IoResult::Failed(Reason(EISDIR, true));
    if (!S_ISREG(st.st_mode)) return IoResult::Failed("通常のファイルではありません。");
    if (::access(target.c_str(), W_OK) != 0) return IoResult::Failed(Reason(errno, true));
  }

  const std::size_t slash = target.rfind('/');
  const std::string dir = slash == std::string::npos ? "." : target.substr(0, slash + 1);
  const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);

  // A fresh temporary name beside the target; O_EXCL never reuses a file.
  std::random_device rd;
  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".%08x.tmp", static_cast<unsigned>(rd()));
    temp = (slash == std::string::npos ? "" : dir) + "." + base + suffix;
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                exists ? (st.st_mode & 07777) : 0666);
    if (fd < 0 && errno != EEXIST) return IoResult::Failed(Reason(errno, true));
  }
  if (fd < 0) return IoResult::Failed(Reason(EEXIST, true));
  if (exists) (void)::fchmod(fd, st.st_mode & 07777);

  auto fail = [&](int err) {
    if (fd >= 0) ::close(fd);
    ::unlink(temp.c_str());
    return IoResult::Failed(Reason(err, true));
  };
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return fail(errno);
    }
    done += static_cast<std::size_t>(n);
  }
  if (::fsync(fd) != 0) return fail(errno);
  const int closed = ::close(fd);
  fd = -1;
  if (closed != 0) return fail(errno);
  if (::rename(temp.c_str(), target.c_str()) != 0) return fail(errno);

  // The rename itself reaches the disk with the folder.
  const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd >= 0) {
    (void)::fsync(dfd);
    ::close(dfd);
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

IoResult WriteFileAtomically(const std::string& path, std::string_view bytes) {
  QSaveFile f(QString::fromStdString(path));
  if (!f.open(QIODevice::WriteOnly)) return IoResult::Failed(f.errorString().toStdString());
  f.write(bytes.data(), static_cast<qint64>(bytes.size()));
  if (!f.commit()) return IoResult::Failed(f.errorString().toStdString());
  return {};
}

#endif

}  // namespace varnholt::project

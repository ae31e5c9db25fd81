#include "project/checked_stdout.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "project/file_io.h"

namespace varnholt::project {
namespace {

constexpr const char* kClosed = "標準出力が閉じられています。";

bool IsOpen(int fd) { return ::fcntl(fd, F_GETFD) != -1 || errno != EBADF; }

}  // namespace

CheckedStdout::CheckedStdout() {
  was_closed_ = !IsOpen(STDOUT_FILENO);
  for (int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
    if (IsOpen(fd)) continue;
    // open() gives the lowest free number, which is this one.
    const int null = ::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
    if (null >= 0 && null != fd) ::close(null);
  }
}

std::string CheckedStdout::Finish() {
  if (text_.empty()) return {};
  if (was_closed_) return kClosed;
  std::size_t done = 0;
  while (done < text_.size()) {
    const ssize_t n = ::write(STDOUT_FILENO, text_.data() + done, text_.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno == EBADF ? kClosed : IoErrorReason(errno, true);
    if (n == 0) return IoErrorReason(EIO, true);
    done += static_cast<std::size_t>(n);
  }
  // A file on a network or a full disk may report its error only here.
  if (::close(STDOUT_FILENO) != 0 && errno != EINTR) return IoErrorReason(errno, true);
  return {};
}

}  // namespace varnholt::project

// A shared library the project tests preload into varnholt-cli (LD_PRELOAD)
// to make one kind of system call fail as a full or failing disk would, so
// that the tool's handling of it can be seen from outside:
//
//   VARNHOLT_FAULT=<call>:<error>:<where>
//
// <call> is write, fsync, close or rename; <error> is ENOSPC, EIO, EXDEV or
// EACCES; <where> is "stdout" for descriptor 1, "=PATH" for exactly that
// file, or any other text for the files whose path contains it (the new
// name, for rename). A failing close still closes the descriptor, as the
// system's does. Not part of the program.

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Fault {
  std::string call;
  int error = 0;
  std::string where;
};

Fault ReadFault() {
  Fault f;
  const char* plan = std::getenv("VARNHOLT_FAULT");
  if (plan == nullptr) return f;
  const std::string s(plan);
  const std::size_t a = s.find(':');
  const std::size_t b = a == std::string::npos ? a : s.find(':', a + 1);
  if (b == std::string::npos) return f;
  f.call = s.substr(0, a);
  const std::string error = s.substr(a + 1, b - a - 1);
  f.error = error == "ENOSPC"   ? ENOSPC
            : error == "EIO"    ? EIO
            : error == "EXDEV"  ? EXDEV
            : error == "EACCES" ? EACCES
                                : 0;
  f.where = s.substr(b + 1);
  return f;
}

const Fault& TheFault() {
  static const Fault fault = ReadFault();
  return fault;
}

bool PathMatches(const std::string& path) {
  const std::string& where = TheFault().where;
  if (!where.empty() && where[0] == '=') return path == where.substr(1);
  return !where.empty() && path.find(where) != std::string::npos;
}

bool FdMatches(int fd) {
  if (TheFault().where == "stdout") return fd == STDOUT_FILENO;
  char link[64];
  std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  char path[4096];
  const ssize_t n = ::readlink(link, path, sizeof path - 1);
  if (n <= 0) return false;
  return PathMatches(std::string(path, static_cast<std::size_t>(n)));
}

bool Fails(const char* call) { return TheFault().error != 0 && TheFault().call == call; }

template <typename F>
F Next(const char* name) {
  return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" {

ssize_t write(int fd, const void* data, size_t size) {
  static const auto next = Next<ssize_t (*)(int, const void*, size_t)>("write");
  if (Fails("write") && FdMatches(fd)) {
    errno = TheFault().error;
    return -1;
  }
  return next(fd, data, size);
}

int fsync(int fd) {
  static const auto next = Next<int (*)(int)>("fsync");
  if (Fails("fsync") && FdMatches(fd)) {
    errno = TheFault().error;
    return -1;
  }
  return next(fd);
}

int close(int fd) {
  static const auto next = Next<int (*)(int)>("close");
  const bool fails = Fails("close") && FdMatches(fd);
  const int r = next(fd);
  if (!fails) return r;
  errno = TheFault().error;
  return -1;
}

int rename(const char* from, const char* to) {
  static const auto next = Next<int (*)(const char*, const char*)>("rename");
  if (Fails("rename") && PathMatches(to)) {
    errno = TheFault().error;
    return -1;
  }
  return next(from, to);
}

}  // extern "C"

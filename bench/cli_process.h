#pragma once
// One run of varnholt-cli from a benchmark, its standard output thrown away.

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

extern char** environ;

namespace varnholt::bench {

/// Runs the tool once with `args`; its exit status, or -1 when it did not
/// run. `usage`, when given, receives the process's resource usage (its
/// peak memory).
inline int RunCli(std::vector<std::string> args, struct rusage* usage = nullptr) {
  args.insert(args.begin(), VARNHOLT_CLI);
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, VARNHOLT_CLI, &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return -1;
  int status = 0;
  struct rusage ignored {};
  if (wait4(pid, &status, 0, usage ? usage : &ignored) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

}  // namespace varnholt::bench

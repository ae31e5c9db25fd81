#include "project/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <memory>

#include "project/test_support.h"

namespace varnholt::project {
namespace {

using testing::ReadAll;
using testing::TempDir;
using testing::WriteAll;

std::size_t FilesIn(const std::filesystem::path& dir) {
  std::size_t n = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir)) ++n;
  return n;
}

TEST(WriteFileAtomically, CreatesAndReplacesLeavingNoTemporaryFile) {
  TempDir dir;
  const std::string path = dir.File("a.vrh");
  ASSERT_TRUE(WriteFileAtomically(path, "first\r\n").ok);
  EXPECT_EQ(ReadAll(path), "first\r\n");
  ASSERT_TRUE(WriteFileAtomically(path, "second\r\n").ok);
  EXPECT_EQ(ReadAll(path), "second\r\n");
  EXPECT_EQ(FilesIn(dir.path()), 1u);
}

TEST(WriteFileAtomically, KeepsTheModeOfTheFileItReplaces) {
  TempDir dir;
  const std::string path = dir.File("a.vrh");
  WriteAll(path, "old");
  ::chmod(path.c_str(), 0640);
  ASSERT_TRUE(WriteFileAtomically(path, "new").ok);
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(WriteFileAtomically, WritesThroughASymbolicLink) {
  TempDir dir;
  const std::string real = dir.File("real.vrh");
  const std::string link = dir.File("link.vrh");
  WriteAll(real, "old");
  std::filesystem::create_symlink(real, link);
  ASSERT_TRUE(WriteFileAtomically(link, "new").ok);
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadAll(real), "new");
}

TEST(WriteFileAtomically, ReportsAMissingFolder) {
  TempDir dir;
  const IoResult r = WriteFileAtomically(dir.File("no/such/folder/a.vrh"), "x");
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.reason, "保存先のフォルダが見つかりません。");
}

TEST(WriteFileAtomically, RefusesAFolderAsTarget) {
  TempDir dir;
  const IoResult r = WriteFileAtomically(dir.path().string(), "x");
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.reason, "ファイルではなくフォルダです。");
}

TEST(WriteFileAtomically, ReadOnlyFolderLeavesTheFileAsItWas) {
  TempDir dir;
  const std::string path = dir.File("a.vrh");
  WriteAll(path, "old\r\n");
  ::chmod(dir.path().c_str(), 0555);
  // The superuser may write anywhere, so the attempt runs in a child
  // process that has given up those rights.
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(3);
    const IoResult r = WriteFileAtomically(path, "new\r\n");
    ::_exit(!r.ok && r.reason == "書き込みが許可されていません。" ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(ReadAll(path), "old\r\n");
  EXPECT_EQ(FilesIn(dir.path()), 1u);
}

TEST(WriteFileAtomically, DanglingLinkStaysALinkAndItsTargetIsWritten) {
  TempDir dir;
  const std::string link = dir.File("link.vrh");
  std::filesystem::create_symlink("sub/../real.vrh", link);  // relative, dangling
  std::filesystem::create_directory(dir.path() / "sub");
  ASSERT_TRUE(WriteFileAtomically(link, "new").ok);
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadAll(dir.File("real.vrh")), "new");
  // A link pointing at itself has no end.
  const std::string loop = dir.File("loop.vrh");
  std::filesystem::create_symlink("loop.vrh", loop);
  const IoResult r = WriteFileAtomically(loop, "x");
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.reason, "シンボリックリンクが循環しているか、多すぎます。");
}

TEST(WriteFileAtomically, LongestNamesAndNoOtherKindOfFile) {
  TempDir dir;
  for (std::size_t length : {242u, 255u}) {
    const std::string path = dir.File(std::string(length - 4, 'a') + ".vrh");
    EXPECT_TRUE(WriteFileAtomically(path, "x").ok) << length;
    EXPECT_EQ(ReadAll(path), "x");
  }
  const std::string fifo = dir.File("pipe.pdf");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const IoResult r = WriteFileAtomically(fifo, "x");
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.reason.find("通常のファイルではありません"), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

// The writer's system calls with the n-th call of one of them failing.
FileSystemCalls FailingCall(const std::string& call, int nth, int err) {
  FileSystemCalls calls = SystemCalls();
  auto count = std::make_shared<int>(0);
  auto fails = [count, nth, err] {
    if (++*count != nth) return false;
    errno = err;
    return true;
  };
  if (call == "write") {
    calls.write = [real = calls.write, fails](int fd, const void* d, unsigned long n) -> long {
      return fails() ? -1 : real(fd, d, n);
    };
  } else if (call == "fsync") {
    calls.fsync = [real = calls.fsync, fails](int fd) { return fails() ? -1 : real(fd); };
  } else if (call == "close") {
    // The descriptor is released even when close reports an error.
    calls.close = [real = calls.close, fails](int fd) {
      const int r = real(fd);
      return fails() ? -1 : r;
    };
  } else if (call == "rename") {
    calls.rename = [real = calls.rename, fails](const char* a, const char* b) {
      return fails() ? -1 : real(a, b);
    };
  }
  return calls;
}

TEST(WriteFileAtomically, EveryFailingCallIsReportedAndTheOldFileStays) {
  struct Case {
    const char* call;
    int nth;
    int err;
    const char* reason;
  };
  const Case cases[] = {
      {"write", 1, ENOSPC, "ディスクの空き容量が不足しています。"},
      {"write", 1, EIO, "ディスクの読み書きでエラーが起きました。"},
      {"fsync", 1, ENOSPC, "ディスクの空き容量が不足しています。"},
      {"fsync", 1, EIO, "ディスクの読み書きでエラーが起きました。"},
      {"close", 1, ENOSPC, "ディスクの空き容量が不足しています。"},
      {"close", 1, EIO, "ディスクの読み書きでエラーが起きました。"},
      {"rename", 1, EXDEV, "別のドライブ（ファイルシステム）へは移せません。"},
      {"rename", 1, EACCES, "書き込みが許可されていません。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.call) + " " + c.reason);
    TempDir dir;
    const std::string path = dir.File("a.vrh");
    WriteAll(path, "old\r\n");
    const IoResult r = WriteFileAtomically(path, "new\r\n", FailingCall(c.call, c.nth, c.err));
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.replaced);
    EXPECT_EQ(r.reason, c.reason);
    EXPECT_EQ(ReadAll(path), "old\r\n");
    EXPECT_EQ(FilesIn(dir.path()), 1u) << "no temporary file left";
  }
  // The folder's sync comes after the rename: the new file is in place, and
  // the failure is still reported.
  TempDir dir;
  const std::string path = dir.File("a.vrh");
  WriteAll(path, "old\r\n");
  const IoResult r = WriteFileAtomically(path, "new\r\n", FailingCall("fsync", 2, EIO));
  EXPECT_FALSE(r.ok);
  EXPECT_TRUE(r.replaced);
  EXPECT_EQ(r.reason,
            "ファイルは書き込みましたが、フォルダをディスクに反映できませんでした。"
            "ディスクの読み書きでエラーが起きました。");
  EXPECT_EQ(ReadAll(path), "new\r\n");
}

TEST(ReadFileBounded, ReadsAtMostOneByteMoreThanTheLimit) {
  TempDir dir;
  const std::string path = dir.File("big");
  WriteAll(path, std::string(100000, 'x'));
  std::string bytes;
  ASSERT_TRUE(ReadFileBounded(path, 1000, bytes).ok);
  EXPECT_EQ(bytes.size(), 1001u);
  ASSERT_TRUE(ReadFileBounded(path, 200000, bytes).ok);
  EXPECT_EQ(bytes.size(), 100000u);
}

TEST(ReadFileBounded, ReportsWhatCannotBeRead) {
  TempDir dir;
  std::string bytes;
  IoResult r = ReadFileBounded(dir.File("missing.vrh"), 10, bytes);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.reason, "ファイルが見つかりません。");
  r = ReadFileBounded(dir.path().string(), 10, bytes);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.reason, "ファイルではなくフォルダです。");
  const std::string fifo = dir.File("pipe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  r = ReadFileBounded(fifo, 10, bytes);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.reason, "通常のファイルではありません。");
}

}  // namespace
}  // namespace varnholt::project

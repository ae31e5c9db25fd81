#include "project/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

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

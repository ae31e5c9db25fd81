#include "project/report_output.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace varnholt::project {
namespace {

bool HasProjectExtension(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext == ".vrh";
}

// The same file under two names: one inode, or one path once resolved.
bool SameFile(const std::string& a, const std::string& b) {
  struct stat sa {
  }, sb{};
  if (::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0) {
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
  }
  std::error_code ec1, ec2;
  const auto ca = std::filesystem::weakly_canonical(a, ec1);
  const auto cb = std::filesystem::weakly_canonical(b, ec2);
  return !ec1 && !ec2 && ca == cb;
}

}  // namespace

std::string ReportTargetProblem(const std::string& output, const std::string& project,
                                const std::string& what) {
  if (!project.empty() && SameFile(output, project)) {
    return "出力先「" + output + "」は読み込んだプロジェクトファイルです。" + what +
           "は別のファイルに出力してください。";
  }
  if (HasProjectExtension(output)) {
    return "出力先「" + output + "」はプロジェクトファイル（.vrh）の名前です。" + what +
           "は .vrh 以外のファイルに出力してください。";
  }
  return {};
}

std::string SizedProjectTargetProblem(const std::string& output, const std::string& project) {
  if (!HasProjectExtension(output)) {
    return "出力先「" + output + "」は .vrh ファイルの名前ではありません。決定した断面の" +
           "プロジェクトは .vrh ファイルに保存してください。";
  }
  if (SameFile(output, project)) {
    return "出力先「" + output + "」は読み込んだプロジェクトファイルです。決定した断面の" +
           "プロジェクトは別の名前で保存してください（元の断面が失われます）。";
  }
  return {};
}

std::optional<int> FirstPageNumber(std::string_view text) {
  if (text.empty() || text.size() > 4) return std::nullopt;
  int n = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  if (n < kFirstPageMin || n > kFirstPageMax) return std::nullopt;
  return n;
}

std::string SaveReportFile(const std::string& path, std::string_view bytes,
                           const FileSystemCalls& calls) {
  const bool existed = PathExists(path);
  const IoResult written = WriteFileAtomically(path, bytes, calls);
  return written.ok ? std::string() : SaveFailureMessage(path, existed, written);
}

}  // namespace varnholt::project

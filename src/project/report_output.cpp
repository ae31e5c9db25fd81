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

std::string ReportTargetProblem(const std::string& output, const std::string& project) {
  if (!project.empty() && SameFile(output, project)) {
    return "出力先「" + output +
           "」は読み込んだプロジェクトファイルです。計算書は別のファイルに出力してください。";
  }
  if (HasProjectExtension(output)) {
    return "出力先「" + output +
           "」はプロジェクトファイル（.vrh）の名前です。計算書は .vrh 以外のファイルに"
           "出力してください。";
  }
  return {};
}

std::string SaveReportFile(const std::string& path, std::string_view bytes,
                           const FileSystemCalls& calls) {
  const bool existed = PathExists(path);
  const IoResult written = WriteFileAtomically(path, bytes, calls);
  return written.ok ? std::string() : SaveFailureMessage(path, existed, written);
}

}  // namespace varnholt::project

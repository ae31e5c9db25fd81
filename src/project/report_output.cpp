#include "project/report_output.h"

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
    return "出力先「" + output +
           "」は .vrh ファイルの名前ではありません。決定した断面の"
           "プロジェクトは .vrh ファイルに保存してください。";
  }
  if (SameFile(output, project)) {
    return "出力先「" + output +
           "」は読み込んだプロジェクトファイルです。決定した断面の"
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

#include "book/book_file.h"

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>

namespace varnholt::book {
namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kChoiceNames[] = {"saved", "normal", "seismic", "both"};
constexpr const char* kChoiceLabels[] = {"保存時のケース", "常時", "地震時", "常時・地震時"};
constexpr const char* kTextKeys[] = {"title", "client", "designer", "date"};

std::string Refused(const std::string& path, const std::string& why) {
  return "計算書一式ファイル「" + path + "」を読み込めませんでした。\n" + why;
}

// Line and column (from 1, the column in characters) of the byte at
// `offset`; an offset past the end is the end.
std::pair<int, int> LineAndColumn(std::string_view bytes, std::size_t offset) {
  int line = 1, column = 1;
  for (std::size_t i = 0; i < offset && i < bytes.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(bytes[i]);
    if (c == '\n') {
      ++line;
      column = 1;
    } else if ((c & 0xC0) != 0x80) {
      ++column;  // a UTF-8 continuation byte belongs to the character before
    }
  }
  return {line, column};
}

std::string SyntaxError(std::string_view bytes, const nlohmann::json::parse_error& e) {
  const std::size_t offset = e.byte > 0 ? e.byte - 1 : 0;
  const auto [line, column] = LineAndColumn(bytes, offset);
  const std::string what = e.what();
  std::string why = "JSON の書き方に誤りがあります。";
  if (what.find("UTF-8") != std::string::npos) {
    why = "UTF-8 でない文字があります。";
  } else if (offset >= bytes.size() || what.find("end of input") != std::string::npos) {
    why = "ファイルが途中で終わっています。";
  }
  return std::to_string(line) + " 行 " + std::to_string(column) + " 列目: " + why;
}

bool HasControlCharacter(const std::string& s) {
  for (unsigned char c : s)
    if (c < 0x20 || c == 0x7F) return true;
  return false;
}

// The book's checks, each refusing by the key's name.
class Checker {
 public:
  explicit Checker(Book& book) : book_(book) {}
  std::string error;

  bool Root(const Json& j) {
    if (!j.is_object()) return Fail("全体が { } で囲まれたオブジェクトではありません。");
    for (const auto& [key, value] : j.items()) {
      static const char* known[] = {"format",   "version", "title",  "client",
                                    "designer", "date",    "members"};
      if (std::find(std::begin(known), std::end(known), key) == std::end(known))
        return Fail("不明な項目「" + key + "」があります。");
    }
    if (!j.contains("format") || j["format"] != kBookFormatName)
      return Fail(std::string("format が \"") + kBookFormatName +
                  "\" ではありません。計算書一式ファイルではないようです。");
    if (!j.contains("version") || !j["version"].is_number_integer())
      return Fail("version（形式の版）が整数ではありません。");
    const auto version = j["version"].get<long long>();
    if (version > kBookFormatVersion)
      return Fail("このファイルは新しい版（" + std::to_string(version) +
                  "）の形式で書かれています。このプログラムが読めるのは版 " +
                  std::to_string(kBookFormatVersion) + " までです。");
    if (version < 1) return Fail("version（形式の版）が 1 未満です。");
    std::string* texts[] = {&book_.title, &book_.client, &book_.designer, &book_.date};
    for (std::size_t i = 0; i < std::size(kTextKeys); ++i) {
      if (!j.contains(kTextKeys[i])) continue;
      if (!Text(j[kTextKeys[i]], kTextKeys[i], *texts[i])) return false;
    }
    if (!j.contains("members") || !j["members"].is_array())
      return Fail("members（壁の一覧）が配列ではありません。");
    if (j["members"].empty()) return Fail("members に壁が一つもありません。");
    for (std::size_t i = 0; i < j["members"].size(); ++i) {
      if (!Member(j["members"][i], "members の " + std::to_string(i + 1) + " 番目")) return false;
    }
    return true;
  }

 private:
  bool Fail(const std::string& why) {
    error = why;
    return false;
  }

  bool Text(const Json& j, const std::string& key, std::string& out) {
    if (!j.is_string()) return Fail(key + " が文字列ではありません。");
    out = j.get<std::string>();
    if (HasControlCharacter(out)) return Fail(key + " に改行などの制御文字があります。");
    return true;
  }

  bool Member(const Json& j, const std::string& where) {
    if (!j.is_object()) return Fail(where + "が { } で囲まれたオブジェクトではありません。");
    for (const auto& [key, value] : j.items()) {
      if (key != "file" && key != "cases")
        return Fail(where + "に不明な項目「" + key + "」があります。");
    }
    BookMember m;
    if (!j.contains("file")) return Fail(where + "に file（プロジェクトファイル）がありません。");
    if (!Text(j["file"], where + "の file", m.file)) return false;
    if (m.file.empty()) return Fail(where + "の file が空です。");
    if (j.contains("cases")) {
      std::string cases;
      if (!Text(j["cases"], where + "の cases", cases)) return false;
      const auto* it = std::find(std::begin(kChoiceNames), std::end(kChoiceNames), cases);
      if (it == std::end(kChoiceNames))
        return Fail(where + "の cases「" + cases +
                    "」は saved、normal、seismic、both のいずれかで指定してください。");
      m.cases = static_cast<CaseChoice>(it - std::begin(kChoiceNames));
    }
    book_.members.push_back(std::move(m));
    return true;
  }

  Book& book_;
};

}  // namespace

const char* CaseChoiceName(CaseChoice choice) { return kChoiceNames[static_cast<int>(choice)]; }

const char* CaseChoiceLabel(CaseChoice choice) { return kChoiceLabels[static_cast<int>(choice)]; }

BookParse ParseBook(std::string_view bytes, const std::string& path) {
  BookParse result;
  Json j;
  try {
    j = Json::parse(bytes.begin(), bytes.end());
  } catch (const nlohmann::json::parse_error& e) {
    result.error = Refused(path, SyntaxError(bytes, e));
    return result;
  }
  Checker checker(result.book);
  if (!checker.Root(j)) {
    result.book = {};
    result.error = Refused(path, checker.error);
    return result;
  }
  result.ok = true;
  return result;
}

BookParse ReadBookFile(const std::string& path) {
  std::string bytes;
  const project::IoResult read = project::ReadFileBounded(path, kMaxBookBytes, bytes);
  if (!read.ok) return {false, {}, Refused(path, read.reason)};
  if (bytes.size() > kMaxBookBytes)
    return {false,
            {},
            Refused(path, "計算書一式ファイルとしては大きすぎます（1 MiB を超えています）。")};
  return ParseBook(bytes, path);
}

std::string BookFileBytes(const Book& book) {
  Json j;
  j["format"] = kBookFormatName;
  j["version"] = kBookFormatVersion;
  j["title"] = book.title;
  j["client"] = book.client;
  j["designer"] = book.designer;
  j["date"] = book.date;
  j["members"] = Json::array();
  for (const BookMember& m : book.members)
    j["members"].push_back({{"file", m.file}, {"cases", CaseChoiceName(m.cases)}});
  return j.dump(2) + "\n";
}

std::string SaveBookFile(const std::string& path, const Book& book,
                         const project::FileSystemCalls& calls) {
  const bool existed = project::PathExists(path);
  const project::IoResult written = project::WriteFileAtomically(path, BookFileBytes(book), calls);
  return written.ok ? std::string() : project::SaveFailureMessage(path, existed, written);
}

std::string MemberPath(const std::string& book_path, const std::string& file) {
  std::error_code ec;
  std::filesystem::path folder = std::filesystem::path(book_path).parent_path();
  const std::filesystem::path absolute = std::filesystem::absolute(folder, ec);
  if (!ec) folder = absolute;
  return (folder / file).lexically_normal().string();
}

}  // namespace varnholt::book

#pragma once
// The design book file (.vrhbook): the job's cover texts and an ordered list
// of project files, each with the load cases to include. UTF-8 JSON:
//
//   {
//     "format": "varnholt-book",
//     "version": 1,
//     "title": "○○地区宅地造成工事",     工事名
//     "client": "○○市",                  発注者
//     "designer": "○○設計事務所",        設計者
//     "date": "令和7年4月",
//     "members": [
//       {"file": "W-1.vrh", "cases": "saved"},
//       {"file": "../B工区/W-2.vrh", "cases": "both"}
//     ]
//   }
//
// "file" is relative to the book's folder (".." is allowed; an absolute path
// is taken as it is). "cases" is "saved" (the case the file was saved in,
// also when the key is left out), "normal" (常時), "seismic" (地震時) or
// "both". Every key is checked: an unknown one is refused by name, so a
// misspelt key never silently falls back to a default.

#include <string>
#include <string_view>
#include <vector>

#include "project/file_io.h"

namespace varnholt::book {

/// The version this program writes and reads.
inline constexpr int kBookFormatVersion = 1;
/// The value of "format".
inline constexpr const char* kBookFormatName = "varnholt-book";
/// A book is a list of names: far below this.
inline constexpr std::size_t kMaxBookBytes = 1024 * 1024;

/// Which load cases of a member the book includes.
enum class CaseChoice { kSaved, kNormal, kSeismic, kBoth };

/// The file's word for a choice ("saved", "normal", "seismic", "both").
const char* CaseChoiceName(CaseChoice choice);
/// The engineer's word ("保存時のケース", "常時", "地震時", "常時・地震時").
const char* CaseChoiceLabel(CaseChoice choice);

/// One wall of the book: a project file and its cases.
struct BookMember {
  std::string file;  // as written in the book: relative to the book's folder
  CaseChoice cases = CaseChoice::kSaved;
  bool operator==(const BookMember&) const = default;
};

/// The whole book as its file holds it.
struct Book {
  std::string title;     // 工事名
  std::string client;    // 発注者
  std::string designer;  // 設計者
  std::string date;      // as the engineer writes it ("2025-04-01", "令和7年4月")
  std::vector<BookMember> members;
  bool operator==(const Book&) const = default;
};

/// A book read from its bytes, or the reason it was refused.
struct BookParse {
  bool ok = false;
  Book book;
  std::string error;  // the sentence, naming the file and the line and column or the key
};

/// Checks and reads the bytes of a book file; `path` only names the file in
/// messages. A syntax error names its line and column (counted in
/// characters, from 1); a wrong or missing value names its key
/// ("members の 3 番目の cases").
BookParse ParseBook(std::string_view bytes, const std::string& path);

/// Reads and checks a book file (at most kMaxBookBytes).
BookParse ReadBookFile(const std::string& path);

/// The bytes of a book file: UTF-8 JSON, two-space indents, keys in the
/// order above, a line end at the end. ParseBook reads them back equal.
std::string BookFileBytes(const Book& book);

/// Writes a book file through the atomic writer. Empty on success,
/// otherwise the message naming the file and the cause.
std::string SaveBookFile(const std::string& path, const Book& book,
                         const project::FileSystemCalls& calls = project::SystemCalls());

/// The member's file in full: the book's folder joined with the member's
/// path, ".." resolved lexically, so that messages show where it really is.
std::string MemberPath(const std::string& book_path, const std::string& file);

}  // namespace varnholt::book

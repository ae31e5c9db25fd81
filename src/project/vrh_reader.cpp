#include "project/vrh_reader.h"

#include <algorithm>
#include <map>
#include <string>
#include <utility>

#include "model/leading_number.h"
#include "project/cp932.h"
#include "ui/forms/restore.h"

namespace varnholt::project {
namespace {

constexpr std::string_view kCrLf = "\r\n";

// How much of an offending value a message quotes.
constexpr std::size_t kQuotedChars = 24;

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or
// code points beyond U+10FFFF), and whether any character needs more than
// one byte.
struct Utf8Scan {
  bool valid = true;
  bool multibyte = false;
};
Utf8Scan ScanUtf8(std::string_view s) {
  Utf8Scan scan;
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    scan.multibyte = true;
    std::size_t n = 0;
    char32_t cp = 0;
    if (c >= 0xC2 && c <= 0xDF) {
      n = 1;
      cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      n = 2;
      cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      n = 3;
      cp = c & 0x07;
    } else {
      scan.valid = false;
      return scan;
    }
    if (i + n >= s.size()) {  // the sequence runs past the end
      scan.valid = false;
      return scan;
    }
    for (std::size_t k = 1; k <= n; ++k) {
      const unsigned char t = static_cast<unsigned char>(s[i + k]);
      if ((t & 0xC0) != 0x80) {
        scan.valid = false;
        return scan;
      }
      cp = (cp << 6) | (t & 0x3F);
    }
    const bool overlong = (n == 2 && cp < 0x800) || (n == 3 && cp < 0x10000);
    if (overlong || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
      scan.valid = false;
      return scan;
    }
    i += n + 1;
  }
  return scan;
}

// The text encoding of a project file. The program writes code page 932;
// a file saved again by a UTF-8 text editor is valid UTF-8 with multi-byte
// characters, which a real code page 932 file with Japanese text practically
// never is (its lead bytes 0x81-0x9F, 0xE0-0xFC and trail bytes below 0x80
// break UTF-8 at once), so such a file is read as UTF-8.
enum class Encoding { kCp932, kUtf8, kUtf16 };

Encoding DetectEncoding(std::string_view bytes) {
  if (bytes.size() >= 2 &&
      ((bytes[0] == '\xFF' && bytes[1] == '\xFE') || (bytes[0] == '\xFE' && bytes[1] == '\xFF'))) {
    return Encoding::kUtf16;
  }
  // Without a byte order mark: the NUL half of every ASCII character.
  if (bytes.size() >= 4 && ((bytes[0] == '\0') != (bytes[1] == '\0')) &&
      ((bytes[2] == '\0') != (bytes[3] == '\0'))) {
    return Encoding::kUtf16;
  }
  const Utf8Scan scan = ScanUtf8(bytes);
  return scan.valid && scan.multibyte ? Encoding::kUtf8 : Encoding::kCp932;
}

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Hands out the raw lines of a file one at a time, so that the first
// offending line is the one reported whatever is wrong with it.
class LineReader {
 public:
  LineReader(std::string_view bytes, Encoding encoding) : bytes_(bytes), encoding_(encoding) {}

  // The next line, decoded to UTF-8; false with `error` set when the line is
  // missing or not a line of a project file.
  bool Next(std::string& text, ReadError& error) {
    ++line_;
    if (pos_ >= bytes_.size()) {
      error = {line_, std::to_string(line_) + "行目がありません。ファイルが途中で終わっています。"};
      return false;
    }
    const std::size_t end = bytes_.find(kCrLf, pos_);
    const std::size_t stop = end == std::string_view::npos ? bytes_.size() : end;
    const std::string_view raw = bytes_.substr(pos_, stop - pos_);
    if (raw.size() > kMaxLineBytes) {
      error = {line_, "行が長すぎます（64 KiB を超えています）。"};
      return false;
    }
    if (raw.find_first_of("\r\n") != std::string_view::npos) {
      error = {line_, "行の区切りが CR LF ではありません。"};
      return false;
    }
    if (end == std::string_view::npos) {
      error = {line_, "行末の CR LF がありません。ファイルが途中で切れています。"};
      return false;
    }
    if (encoding_ == Encoding::kUtf8) {
      text = std::string(raw);  // checked as a whole
    } else {
      std::optional<std::string> decoded = DecodeCp932(raw);
      if (!decoded) {
        error = {line_, "Shift_JIS（コードページ932）の文字として読めないバイトがあります。"};
        return false;
      }
      text = std::move(*decoded);
    }
    pos_ = end + kCrLf.size();
    return true;
  }

  bool AtEnd() const { return pos_ >= bytes_.size(); }
  int line() const { return line_; }

 private:
  std::string_view bytes_;
  Encoding encoding_;
  std::size_t pos_ = 0;
  int line_ = 0;
};

// A value quoted in a message, cut to a readable length on a character
// boundary.
std::string Quote(const std::string& value) {
  std::size_t chars = 0, i = 0;
  while (i < value.size() && chars < kQuotedChars) {
    const unsigned char c = static_cast<unsigned char>(value[i]);
    i += c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    ++chars;
  }
  i = std::min(i, value.size());
  return "「" + value.substr(0, i) + (i < value.size() ? "…" : "") + "」";
}

std::string Trim(const std::string& s) {
  const std::size_t b = s.find_first_not_of(' ');
  if (b == std::string::npos) return {};
  const std::size_t e = s.find_last_not_of(' ');
  return s.substr(b, e - b + 1);
}

// Checks one value against the kind of its control.
bool CheckValue(const Field& f, const std::string& v, std::string& reason) {
  switch (f.kind) {
    case FieldKind::kFlag:
      if (std::string_view(f.control) == "ShearKeyFlag") {
        if (v.empty() || v == "0" || v == "1") return true;
        reason = "突起の有無の値" + Quote(v) + "が 0 でも 1 でもありません。";
        return false;
      }
      if (v.empty() || v == "0" || v == "1" || v == "2") return true;
      reason = "フェンスの水平荷重の種類の値" + Quote(v) + "が 0、1、2 のいずれでもありません。";
      return false;
    case FieldKind::kOption:
      if (v == kTrue || v == kFalse) return true;
      reason = "True または False のはずの値が" + Quote(v) + "です。";
      return false;
    case FieldKind::kCheck: {
      const std::string t = Trim(v);
      if (t == "0" || t == "1") return true;
      reason = "チェックボックスの値" + Quote(v) + "が 0 でも 1 でもありません。";
      return false;
    }
    case FieldKind::kText:
    case FieldKind::kCaption:
      return true;
  }
  return false;
}

// Reads the fields of one block into the project. At most one option of a
// group may be selected, as no window can be in any other state.
class BlockReader {
 public:
  BlockReader(LineReader& lines, ParsedProject& project) : lines_(lines), project_(project) {}

  bool Read(std::span<const Field> fields, ReadError& error) {
    for (const Field& f : fields) {
      std::string value;
      if (!lines_.Next(value, error)) return false;
      std::string reason;
      if (!CheckValue(f, value, reason)) {
        error = {lines_.line(), reason};
        return false;
      }
      if (f.kind == FieldKind::kOption && value == kTrue) {
        const auto key = std::make_pair(std::string(f.window), std::string(f.group));
        if (!selected_groups_.emplace(key, lines_.line()).second) {
          error = {lines_.line(), "同じグループのオプションが" +
                                      std::to_string(selected_groups_[key]) +
                                      "行目でも選択されています。"};
          return false;
        }
      }
      Store(f, value);
      project_.entries.push_back({&f, std::move(value), lines_.line()});
    }
    return true;
  }

 private:
  // The value into its place in the project state.
  void Store(const Field& f, const std::string& value) {
    ProjectState& s = project_.state;
    switch (f.kind) {
      case FieldKind::kFlag:
      case FieldKind::kText:
      case FieldKind::kCaption:
        f.text(s) = value;
        break;
      case FieldKind::kOption:
        if (value == kTrue) f.choose(s);
        break;
      case FieldKind::kCheck:
        f.checked(s) = Trim(value) == "1";
        break;
    }
  }

  LineReader& lines_;
  ParsedProject& project_;
  std::map<std::pair<std::string, std::string>, int> selected_groups_;
};

// The value of the entry read from a given line.
bool TrueAt(const ParsedProject& p, int line) {
  return p.entries.at(static_cast<std::size_t>(line - 1)).value == kTrue;
}

}  // namespace

ParseResult ParseProject(std::string_view bytes) {
  ParseResult r;
  if (bytes.size() > kMaxProjectBytes) {
    r.error = {0, "ファイルが大きすぎます（1 MiB を超えています）。"};
    return r;
  }
  Encoding encoding = DetectEncoding(bytes);
  if (encoding == Encoding::kUtf16) {
    r.error = {0,
               "UTF-16 で保存されています。Shift_JIS（コードページ932）または UTF-8 "
               "で保存し直してください。"};
    return r;
  }
  // A UTF-8 editor may put a byte order mark in front of the first line.
  if (bytes.starts_with(kUtf8Bom)) {
    bytes.remove_prefix(kUtf8Bom.size());
    encoding = Encoding::kUtf8;
    if (!ScanUtf8(bytes).valid) {
      r.error = {0, "UTF-8 の文字として読めないバイトがあります。"};
      return r;
    }
  }
  LineReader lines(bytes, encoding);
  ParsedProject& p = r.project;
  p.state = NothingChosen();
  BlockReader reader(lines, p);
  if (!reader.Read(FlagFields(), r.error) || !reader.Read(DesignFields(), r.error)) return r;

  if (TrueAt(p, kLineLevel) || TrueAt(p, kLineSlope)) {
    p.dimension = DimensionBlock::kForm3;
  } else if (TrueAt(p, kLineRaised)) {
    p.dimension = DimensionBlock::kForm16;
  }
  if (TrueAt(p, kLineStandardResidential)) {
    p.key = KeyBlock::kForm15;
  } else if (TrueAt(p, kLineStandardRoad)) {
    p.key = KeyBlock::kForm19;
  }
  p.fence = TrueAt(p, kLineFenceWith);

  if (!reader.Read(DimensionFields(p.dimension), r.error)) return r;
  p.after_dimension = p.entries.size();
  for (auto block : {SeismicFields(), ResultFields(), NormalCheckFields(), SeismicCheckFields(),
                     KeyFields(p.key)}) {
    if (!reader.Read(block, r.error)) return r;
  }
  if (p.fence && !reader.Read(FenceFields(), r.error)) return r;
  if (!lines.AtEnd()) {
    r.error = {lines.line() + 1, "プロジェクトの最後の行の後に余分な行があります。"};
    return r;
  }
  r.ok = true;
  return r;
}

std::string ReadErrorMessage(const std::string& path, const ReadError& error) {
  std::string text = "ファイル「" + path + "」はプロジェクトファイルとして読み込めません。\n";
  if (error.line > 0) text += std::to_string(error.line) + "行目: ";
  return text + error.reason;
}

void ApplyProject(forms::App& app, const ParsedProject& p) { forms::RestoreWindows(app, p.state); }

}  // namespace varnholt::project

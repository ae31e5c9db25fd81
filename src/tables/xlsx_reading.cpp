#include "tables/xlsx_reading.h"

#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace varnholt::tables::testing {
namespace {

std::uint32_t U16(const std::string& b, std::size_t at) {
  return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}
std::uint32_t U32(const std::string& b, std::size_t at) {
  return U16(b, at) | U16(b, at + 2) << 16;
}

bool Inflate(const std::string& in, std::size_t size, std::string* out) {
  out->assign(size, '\0');
  z_stream s{};
  if (inflateInit2(&s, -MAX_WBITS) != Z_OK) return false;
  s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
  s.avail_in = static_cast<uInt>(in.size());
  s.next_out = reinterpret_cast<Bytef*>(out->data());
  s.avail_out = static_cast<uInt>(size);
  const int rc = inflate(&s, Z_FINISH);
  inflateEnd(&s);
  return rc == Z_STREAM_END && s.total_out == size;
}

// The value of attribute `name` in the tag starting at `tag`.
std::string Attribute(const std::string& xml, std::size_t tag, const std::string& name) {
  const std::size_t end = xml.find('>', tag);
  const std::string key = " " + name + "=\"";
  const std::size_t at = xml.find(key, tag);
  if (at == std::string::npos || at > end) return {};
  const std::size_t from = at + key.size();
  return xml.substr(from, xml.find('"', from) - from);
}

// The text between <tag ...> and </tag> from `at`; npos-safe.
std::string Inner(const std::string& xml, std::size_t at, const std::string& tag) {
  const std::size_t open = xml.find('>', at);
  const std::size_t close = xml.find("</" + tag + ">", at);
  if (open == std::string::npos || close == std::string::npos || close < open) return {};
  return xml.substr(open + 1, close - open - 1);
}

std::string Unescape(std::string s) {
  const std::pair<const char*, const char*> entities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
  for (const auto& [from, to] : entities) {
    for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + 1)) {
      s.replace(at, std::string(from).size(), to);
    }
  }
  return s;
}

// Every <tag ...> element's start, in order.
std::vector<std::size_t> Elements(const std::string& xml, const std::string& tag,
                                  std::size_t from = 0, std::size_t to = std::string::npos) {
  std::vector<std::size_t> out;
  for (std::size_t at = xml.find("<" + tag, from); at != std::string::npos && at < to;
       at = xml.find("<" + tag, at + 1)) {
    const char next = xml[at + 1 + tag.size()];
    if (next == ' ' || next == '>' || next == '/') out.push_back(at);
  }
  return out;
}

struct Style {
  bool red = false;
  bool bold = false;
  std::string number_format;
};

std::vector<Style> Styles(const std::string& xml) {
  std::map<std::string, std::string> num_formats;
  for (std::size_t at : Elements(xml, "numFmt")) {
    num_formats[Attribute(xml, at, "numFmtId")] = Unescape(Attribute(xml, at, "formatCode"));
  }
  num_formats["1"] = "0";
  num_formats["2"] = "0.00";
  std::vector<std::pair<bool, bool>> fonts;  // red, bold
  const std::size_t fonts_at = xml.find("<fonts");
  const std::size_t fonts_end = xml.find("</fonts>");
  for (std::size_t at : Elements(xml, "font", fonts_at, fonts_end)) {
    const std::size_t end = xml.find("</font>", at);
    const std::string body = xml.substr(at, end - at);
    fonts.emplace_back(body.find("rgb=\"FFFF0000\"") != std::string::npos,
                       body.find("<b/>") != std::string::npos);
  }
  std::vector<Style> styles;
  const std::size_t xfs_at = xml.find("<cellXfs");
  const std::size_t xfs_end = xml.find("</cellXfs>");
  for (std::size_t at : Elements(xml, "xf", xfs_at, xfs_end)) {
    Style s;
    const std::size_t font = std::strtoul(Attribute(xml, at, "fontId").c_str(), nullptr, 10);
    if (font < fonts.size()) std::tie(s.red, s.bold) = fonts[font];
    s.number_format = num_formats[Attribute(xml, at, "numFmtId")];
    styles.push_back(s);
  }
  return styles;
}

}  // namespace

bool ReadZip(const std::string& b, std::map<std::string, std::string>* files, std::string* error) {
  // The end-of-central-directory record, searched from the end.
  std::size_t eocd = std::string::npos;
  for (std::size_t i = b.size() >= 22 ? b.size() - 21 : 0; i-- > 0;) {
    if (U32(b, i) == 0x06054b50) {
      eocd = i;
      break;
    }
  }
  if (eocd == std::string::npos) {
    *error = "no end of central directory";
    return false;
  }
  const std::uint32_t entries = U16(b, eocd + 10);
  std::size_t at = U32(b, eocd + 16);
  for (std::uint32_t e = 0; e < entries; ++e) {
    if (at + 46 > b.size() || U32(b, at) != 0x02014b50) {
      *error = "bad central directory entry";
      return false;
    }
    const std::uint32_t method = U16(b, at + 10);
    const std::uint32_t compressed = U32(b, at + 20);
    const std::uint32_t size = U32(b, at + 24);
    const std::uint32_t name_len = U16(b, at + 28);
    const std::uint32_t extra_len = U16(b, at + 30);
    const std::uint32_t comment_len = U16(b, at + 32);
    const std::uint32_t local = U32(b, at + 42);
    const std::string name = b.substr(at + 46, name_len);
    at += 46 + name_len + extra_len + comment_len;
    if (local + 30 > b.size() || U32(b, local) != 0x04034b50) {
      *error = "bad local header of " + name;
      return false;
    }
    const std::size_t data = local + 30 + U16(b, local + 26) + U16(b, local + 28);
    const std::string raw = b.substr(data, compressed);
    std::string content;
    if (method == 0) {
      content = raw;
    } else if (method != 8 || !Inflate(raw, size, &content)) {
      *error = "cannot inflate " + name;
      return false;
    }
    (*files)[name] = std::move(content);
  }
  return true;
}

bool ReadXlsx(const std::string& bytes, ReadSheet* sheet, std::string* error, int number) {
  std::map<std::string, std::string> files;
  if (!ReadZip(bytes, &files, error)) return false;
  const std::string& workbook = files["xl/workbook.xml"];
  const std::string& xml = files["xl/worksheets/sheet" + std::to_string(number) + ".xml"];
  if (workbook.empty() || xml.empty()) {
    *error = "no workbook or no sheet " + std::to_string(number);
    return false;
  }
  const std::vector<std::size_t> sheets = Elements(workbook, "sheet");
  if (number >= 1 && static_cast<std::size_t>(number) <= sheets.size())
    sheet->name =
        Unescape(Attribute(workbook, sheets[static_cast<std::size_t>(number - 1)], "name"));
  std::vector<std::string> shared;
  const std::string& strings = files["xl/sharedStrings.xml"];
  for (std::size_t at : Elements(strings, "si")) {
    shared.push_back(Unescape(Inner(strings, Elements(strings, "t", at).front(), "t")));
  }
  const std::vector<Style> styles = Styles(files["xl/styles.xml"]);
  for (std::size_t at : Elements(xml, "c")) {
    ReadCell cell;
    const std::string ref = Attribute(xml, at, "r");
    const std::size_t style = std::strtoul(Attribute(xml, at, "s").c_str(), nullptr, 10);
    if (style < styles.size()) {
      cell.red = styles[style].red;
      cell.bold = styles[style].bold;
      cell.number_format = styles[style].number_format;
    }
    const std::size_t tag_end = xml.find('>', at);
    if (xml[tag_end - 1] != '/') {
      const std::string v = Inner(xml, xml.find("<v", at), "v");
      if (Attribute(xml, at, "t") == "s") {
        const std::size_t i = std::strtoul(v.c_str(), nullptr, 10);
        cell.text = i < shared.size() ? shared[i] : std::string();
      } else {
        cell.number = true;
        cell.text = v;
        cell.value = std::strtod(v.c_str(), nullptr);
      }
    }
    sheet->cells[ref] = cell;
  }
  for (std::size_t at : Elements(xml, "pane")) {
    sheet->first_row_frozen =
        Attribute(xml, at, "ySplit") == "1" && Attribute(xml, at, "state") == "frozen";
  }
  for (std::size_t at : Elements(xml, "col")) {
    const int min = std::atoi(Attribute(xml, at, "min").c_str());
    const int max = std::atoi(Attribute(xml, at, "max").c_str());
    for (int c = min; c <= max; ++c) {
      sheet->widths[c] = std::strtod(Attribute(xml, at, "width").c_str(), nullptr);
    }
  }
  return true;
}

}  // namespace varnholt::tables::testing

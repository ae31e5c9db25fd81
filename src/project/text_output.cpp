#include "project/text_output.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace varnholt::project {
namespace {

using Json = nlohmann::ordered_json;

void Dump(const Json& j, std::string& out) {
  switch (j.type()) {
    case Json::value_t::object: {
      out += '{';
      bool first = true;
      for (const auto& [key, value] : j.items()) {
        if (!first) out += ',';
        first = false;
        out += Json(key).dump();
        out += ':';
        Dump(value, out);
      }
      out += '}';
      return;
    }
    case Json::value_t::array: {
      out += '[';
      for (std::size_t i = 0; i < j.size(); ++i) {
        if (i > 0) out += ',';
        Dump(j[i], out);
      }
      out += ']';
      return;
    }
    case Json::value_t::number_float: {
      const double v = j.get<double>();
      if (!std::isfinite(v)) {
        out += "null";
        return;
      }
      char buffer[32];
      std::snprintf(buffer, sizeof buffer, "%.17g", v);
      out += buffer;
      return;
    }
    default:
      out += j.dump(-1, ' ', false, Json::error_handler_t::replace);
      return;
  }
}

}  // namespace

int TerminalWidth(const std::string& s) {
  int width = 0;
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      ++width;
      ++i;
      continue;
    }
    const std::size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
    // U+FF61..U+FF9F (half-width katakana) are EF BD A1..EF BE 9F.
    const bool half = n == 3 && c == 0xEF && i + 1 < s.size() &&
                      (static_cast<unsigned char>(s[i + 1]) == 0xBD ||
                       static_cast<unsigned char>(s[i + 1]) == 0xBE);
    width += n == 2 || half ? 1 : 2;
    i += n;
  }
  return width;
}

std::string PadTo(std::string text, int columns) {
  text.append(static_cast<std::size_t>(std::max(0, columns - TerminalWidth(text))), ' ');
  return text;
}

std::string ExactJson(const Json& j) {
  std::string out;
  Dump(j, out);
  return out;
}

}  // namespace varnholt::project

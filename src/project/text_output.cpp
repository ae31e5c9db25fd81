#include "project/text_output.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "tables/table.h"

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

int TerminalWidth(const std::string& s) { return tables::TextColumns(s, 1); }

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

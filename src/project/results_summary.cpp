#include "project/results_summary.h"

#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <vector>

#include "ui/forms/app.h"
#include "ui/forms/windows.h"

namespace varnholt::project {
namespace {

using Json = nlohmann::ordered_json;

// A row of the results window: its fixed caption label (empty for a
// continuation row) and its result labels, left to right.
struct Row {
  const char* caption;
  std::vector<int> labels;
};

const std::vector<Row>& Rows() {
  static const std::vector<Row> rows = {
      {"lbl2", {5, 6, 7}},    {"", {22, 23, 24}},     {"lbl3", {8, 9, 10}},
      {"", {11, 12, 13, 14}}, {"lbl4", {15, 16, 17}}, {"lbl18", {19, 20, 21}},
  };
  return rows;
}

// Verdict labels: the last label of each judged row.
constexpr int kVerdictLabels[] = {7, 24, 14, 17, 21};

std::string Label(int i) { return "lbl" + std::to_string(i); }

// Display width in a terminal: full-width characters take two columns,
// half-width katakana one.
int DisplayWidth(const std::string& s) {
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

// Numbers with 17 significant digits, so that every double is written
// exactly; JSON has no NaN or infinity, so those are null. The document is
// built with the JSON library, which also escapes every string.
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

ShownVerdicts CountShownVerdicts(forms::App& app) {
  ShownVerdicts v;
  ui::Window& f11 = app.Form(forms::kForm11);
  for (int i : kVerdictLabels) {
    const ui::Control& c = f11[Label(i)];
    if (!c.Visible() || c.Caption().empty()) continue;
    ++v.shown;
    if (c.ForeColor() == ui::kLightMagenta) ++v.ng;
  }
  return v;
}

std::string ResultsSummaryText(forms::App& app) {
  constexpr int kCaptionColumns = 18;
  ui::Window& f11 = app.Form(forms::kForm11);
  std::string out;
  for (const Row& row : Rows()) {
    std::string values;
    for (int i : row.labels) {
      const ui::Control& c = f11[Label(i)];
      if (!c.Visible() || c.Caption().empty()) continue;
      if (!values.empty()) values += ' ';
      values += c.Caption();
    }
    if (values.empty()) continue;
    std::string caption = row.caption[0] != '\0' ? f11[row.caption].Caption() : std::string();
    caption.append(static_cast<std::size_t>(std::max(0, kCaptionColumns - DisplayWidth(caption))),
                   ' ');
    out += caption + values + "\n";
  }
  return out;
}

std::string ResultsJson(forms::App& app, bool valid, const std::string& error) {
  const DesignCase& dc = app.dc();
  Json j;
  j["valid"] = valid;
  j["error"] = error.empty() ? Json(nullptr) : Json(error);
  j["Cond"] = Json::array();
  for (double v : dc.Cond) j["Cond"].push_back(v);
  j["Calc"] = Json::array();
  for (double v : dc.Calc) j["Calc"].push_back(v);
  j["wedge"] = {{"OmegaMax", dc.OmegaMax}, {"WedgeT1", dc.WedgeT1}, {"WedgeT2", dc.WedgeT2},
                {"WedgeT3", dc.WedgeT3},   {"WedgeW", dc.WedgeW},   {"PAmax", dc.PAmax},
                {"PAXw", dc.PAXw},         {"PAYw", dc.PAYw}};
  j["fence"] = {{"FenceH", dc.FenceH}, {"FenceX", dc.FenceX},         {"FenceLoad", dc.FenceLoad},
                {"FenceP", dc.FenceP}, {"FenceLoadY", dc.FenceLoadY}, {"FenceW", dc.FenceW}};
  j["flags"] = {{"ShearKeyFlag", dc.ShearKeyFlag}, {"FenceLoadType", dc.FenceLoadType}};
  Json labels = Json::object();
  ui::Window& f11 = app.Form(forms::kForm11);
  for (int i = 5; i <= 24; ++i) {
    const ui::Control& c = f11[Label(i)];
    labels[Label(i)] = {{"caption", c.Caption()},
                        {"visible", c.Visible()},
                        {"ng", c.ForeColor() == ui::kLightMagenta}};
  }
  j["labels"] = std::move(labels);
  std::string out;
  Dump(j, out);
  return out;
}

}  // namespace varnholt::project

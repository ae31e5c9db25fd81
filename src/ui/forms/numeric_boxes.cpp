#include "ui/forms/numeric_boxes.h"

#include <algorithm>
#include <span>
#include <utility>

#include "model/leading_number.h"
#include "ui/forms/windows.h"

namespace varnholt::forms {
namespace {

// Every box read as a number; Form2.txt1, Form3/Form16 txt1 and txt2 and the
// soil combo boxes are names.
constexpr std::string_view kForm2Boxes[] = {"txt2", "txt3", "txt4", "txt5", "txt6",
                                            "txt7", "txt8", "txt9", "txt10"};
constexpr std::string_view kDimensionBoxes[] = {"txt3", "txt4", "txt5",  "txt6", "txt7",
                                                "txt8", "txt9", "txt10", "txt11"};
constexpr std::string_view kKeyBoxes[] = {"txt1", "txt2", "txt3"};
constexpr std::string_view kFenceBoxes[] = {"txt1", "txt2", "txt3", "txt4", "txt5"};
constexpr std::string_view kSeismicBoxes[] = {"txt1", "txt2"};
constexpr std::string_view kPrintRangeBoxes[] = {"txt_P"};

std::span<const std::string_view> BoxesOf(std::string_view window) {
  if (window == kForm2) return kForm2Boxes;
  if (window == kForm3 || window == kForm16) return kDimensionBoxes;
  if (window == kForm15 || window == kForm19) return kKeyBoxes;
  if (window == kForm17) return kFenceBoxes;
  if (window == kForm20) return kSeismicBoxes;
  if (window == kForm10) return kPrintRangeBoxes;
  return {};
}

}  // namespace

bool IsNumericBox(std::string_view window, std::string_view box) {
  const auto boxes = BoxesOf(window);
  return std::find(boxes.begin(), boxes.end(), box) != boxes.end();
}

void WireNumericBoxes(ui::Window& window) {
  for (std::string_view name : BoxesOf(window.name())) {
    ui::Control& box = window[std::string(name)];
    box.on_keypress = [handler = std::move(box.on_keypress)](int& key) {
      if (key > 0) key = static_cast<int>(HalfWidthNumberChar(static_cast<char32_t>(key)));
      if (handler) handler(key);
    };
  }
}

}  // namespace varnholt::forms

#include "project/section_dxf.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>
#include <vector>

#include "project/cp932.h"

namespace varnholt::project {
namespace {

using section::Anchor;
using section::Layer;
using section::Point;
using section::Stroke;
using section::Tone;

// AutoCAD colour indices.
constexpr int kRed = 1;
constexpr int kBlue = 5;
constexpr int kMagenta = 6;
constexpr int kWhite = 7;  // black on a white sheet
constexpr int kBrown = 32;
constexpr int kGrey = 8;

class Writer {
 public:
  explicit Writer(double unit) : unit_(unit) {}

  void Group(int code, std::string_view value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%3d", code);
    out_ += buf;
    out_ += "\r\n";
    out_ += value;
    out_ += "\r\n";
  }
  void Group(int code, int value) { Group(code, std::to_string(value)); }
  void Real(int code, double value) {
    char buf[64];
    const auto r =
        std::to_chars(buf, buf + sizeof buf, value == 0 ? 0.0 : value, std::chars_format::fixed, 6);
    Group(code, std::string_view(buf, static_cast<std::size_t>(r.ptr - buf)));
  }
  // A point in drawing units; 30 (z) is always 0.
  void At(int code, Point p) {
    Real(code, p.x * unit_);
    Real(code + 10, p.y * unit_);
    Real(code + 20, 0);
  }
  double Length(double metres) const { return metres * unit_; }
  std::string& str() { return out_; }

 private:
  double unit_;
  std::string out_;
};

const char* LayerName(Layer layer) {
  switch (layer) {
    case Layer::kOutline:
      return kDxfLayerOutline;
    case Layer::kGround:
      return kDxfLayerGround;
    case Layer::kDimension:
      return kDxfLayerDimensions;
    case Layer::kText:
      return kDxfLayerTexts;
    case Layer::kForce:
      return kDxfLayerForces;
  }
  return kDxfLayerOutline;
}

// The colour of an element whose tone differs from its layer's; 256 is
// "by layer".
int ColourOf(Tone tone) {
  switch (tone) {
    case Tone::kFlagged:
      return kRed;
    case Tone::kNg:
      return kMagenta;
    case Tone::kForce:
      return kBlue;
    case Tone::kOk:
      return kWhite;
    default:
      return 256;
  }
}

// Text in code page 932; characters it lacks as AutoCAD's \U+XXXX.
std::string DxfText(const std::string& utf8) {
  const Cp932Encoded whole = EncodeCp932(utf8);
  if (whole.ok) return whole.bytes;
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    const std::size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    const std::string one = utf8.substr(i, len);
    const Cp932Encoded e = EncodeCp932(one);
    if (e.ok) {
      out += e.bytes;
    } else {
      char32_t cp = len == 1 ? c : c & (0xFF >> (len + 1));
      for (std::size_t k = 1; k < len && i + k < utf8.size(); ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
      char buf[16];
      std::snprintf(buf, sizeof buf, "\\U+%04X", static_cast<unsigned>(cp));
      out += buf;
    }
    i += len;
  }
  return out;
}

void Common(Writer& w, const char* type, Layer layer, Tone tone, Stroke stroke = Stroke::kSolid) {
  w.Group(0, type);
  w.Group(8, LayerName(layer));
  if (stroke == Stroke::kDashed) w.Group(6, "DASHED");
  if (stroke == Stroke::kDashDot) w.Group(6, "DASHDOT");
  const int colour = ColourOf(tone);
  if (colour != 256) w.Group(62, colour);
}

void Line(Writer& w, Point a, Point b, Layer layer, Tone tone, Stroke stroke) {
  Common(w, "LINE", layer, tone, stroke);
  w.At(10, a);
  w.At(11, b);
}

void Text(Writer& w, Point at, const std::string& text, double height, Anchor anchor, Layer layer,
          Tone tone) {
  if (text.empty()) return;
  Common(w, "TEXT", layer, tone);
  w.At(10, at);
  w.Real(40, w.Length(height));
  w.Group(1, DxfText(text));
  int h = 1, v = 2;  // centre, middle
  switch (anchor) {
    case Anchor::kLeft:
      h = 0;
      break;
    case Anchor::kRight:
      h = 2;
      break;
    case Anchor::kAbove:
      v = 1;  // the text stands on the point
      break;
    case Anchor::kBelow:
      v = 3;  // the text hangs from the point
      break;
    case Anchor::kCenter:
      break;
  }
  w.Group(72, h);
  w.At(11, at);
  w.Group(73, v);
}

void Header(Writer& w, const section::Bounds& b) {
  w.Group(0, "SECTION");
  w.Group(2, "HEADER");
  w.Group(9, "$ACADVER");
  w.Group(1, "AC1009");
  w.Group(9, "$DWGCODEPAGE");
  w.Group(3, "ANSI_932");
  w.Group(9, "$INSBASE");
  w.At(10, {0, 0});
  w.Group(9, "$EXTMIN");
  w.At(10, {b.min_x, b.min_y});
  w.Group(9, "$EXTMAX");
  w.At(10, {b.max_x, b.max_y});
  w.Group(0, "ENDSEC");
}

void Tables(Writer& w) {
  w.Group(0, "SECTION");
  w.Group(2, "TABLES");
  // Line types: solid, dashed and the report's dash-dot-dot.
  w.Group(0, "TABLE");
  w.Group(2, "LTYPE");
  w.Group(70, 3);
  struct Lt {
    const char* name;
    const char* look;
    std::vector<double> pattern;  // mm on paper; negative are gaps
  };
  const Lt types[] = {{"CONTINUOUS", "Solid line", {}},
                      {"DASHED", "__ __ __", {6, -3}},
                      {"DASHDOT", "__ . . __", {8, -2, 0, -2, 0, -2}}};
  for (const Lt& t : types) {
    w.Group(0, "LTYPE");
    w.Group(2, t.name);
    w.Group(70, 0);
    w.Group(3, t.look);
    w.Group(72, 65);
    w.Group(73, static_cast<int>(t.pattern.size()));
    double total = 0;
    for (double d : t.pattern) total += std::fabs(d);
    w.Real(40, total);
    for (double d : t.pattern) w.Real(49, d);
  }
  w.Group(0, "ENDTAB");
  w.Group(0, "TABLE");
  w.Group(2, "LAYER");
  w.Group(70, 5);
  const std::pair<const char*, int> layers[] = {{kDxfLayerOutline, kWhite},
                                                {kDxfLayerGround, kBrown},
                                                {kDxfLayerDimensions, kGrey},
                                                {kDxfLayerTexts, kWhite},
                                                {kDxfLayerForces, kBlue}};
  for (const auto& [name, colour] : layers) {
    w.Group(0, "LAYER");
    w.Group(2, name);
    w.Group(70, 0);
    w.Group(62, colour);
    w.Group(6, "CONTINUOUS");
  }
  w.Group(0, "ENDTAB");
  w.Group(0, "TABLE");
  w.Group(2, "STYLE");
  w.Group(70, 1);
  w.Group(0, "STYLE");
  w.Group(2, "STANDARD");
  w.Group(70, 0);
  w.Real(40, 0);
  w.Real(41, 1);
  w.Real(50, 0);
  w.Group(71, 0);
  w.Real(42, 2.5);
  w.Group(3, "txt");
  w.Group(4, "");
  w.Group(0, "ENDTAB");
  w.Group(0, "ENDSEC");
}

}  // namespace

std::string SectionDxf(const section::SectionDrawing& d, DxfUnit unit) {
  Writer w(unit == DxfUnit::kMillimetre ? 1000 : 1);
  section::Bounds b = d.Extent();
  const double th = d.text_height;
  // The lines of text above the figure widen the extents.
  std::vector<std::pair<std::string, Tone>> notes;
  if (!d.title.empty()) notes.push_back({d.title, Tone::kPlain});
  if (d.forces) notes.push_back({d.forces->legend, Tone::kForce});
  if (!d.problems.empty()) notes.push_back({d.Reason(), Tone::kFlagged});
  const double notes_top = b.max_y + 1.8 * th * static_cast<double>(notes.size() + 1);
  if (!notes.empty()) b.max_y = notes_top;
  Header(w, b);
  Tables(w);
  w.Group(0, "SECTION");
  w.Group(2, "BLOCKS");
  w.Group(0, "ENDSEC");
  w.Group(0, "SECTION");
  w.Group(2, "ENTITIES");
  for (const section::Polygon& p : d.polygons) {
    if (!p.outlined || p.points.size() < 2) continue;
    Common(w, "POLYLINE", p.layer, p.tone == Tone::kConcrete ? Tone::kPlain : p.tone);
    w.Group(66, 1);
    w.At(10, {0, 0});
    w.Group(70, 1);  // closed
    for (Point q : p.points) {
      w.Group(0, "VERTEX");
      w.Group(8, LayerName(p.layer));
      w.At(10, q);
    }
    w.Group(0, "SEQEND");
    w.Group(8, LayerName(p.layer));
  }
  for (const section::Segment& s : d.segments) Line(w, s.a, s.b, s.layer, s.tone, s.stroke);
  for (const section::Arrow& a : d.arrows) {
    Line(w, a.tail, a.head, Layer::kForce, a.tone, Stroke::kSolid);
    const double len = std::hypot(a.head.x - a.tail.x, a.head.y - a.tail.y);
    if (len <= 0) continue;
    const double hl = std::min(0.55 * th, 0.6 * len);
    const double ux = (a.head.x - a.tail.x) / len, uy = (a.head.y - a.tail.y) / len;
    const Point base{a.head.x - ux * hl, a.head.y - uy * hl};
    const Point side{-uy * hl * 0.35, ux * hl * 0.35};
    Common(w, "SOLID", Layer::kForce, a.tone);
    w.At(10, a.head);
    w.At(11, {base.x + side.x, base.y + side.y});
    w.At(12, {base.x - side.x, base.y - side.y});
    w.At(13, {base.x - side.x, base.y - side.y});
  }
  for (const section::Label& l : d.labels)
    Text(w, l.at, l.text, l.height, l.anchor, l.layer, l.tone);
  double y = notes_top;
  for (const auto& [text, tone] : notes) {
    Text(w, {b.min_x, y}, text, 1.2 * th, Anchor::kLeft, Layer::kText, tone);
    y -= 1.8 * th;
  }
  w.Group(0, "ENDSEC");
  w.Group(0, "EOF");
  return std::move(w.str());
}

}  // namespace varnholt::project

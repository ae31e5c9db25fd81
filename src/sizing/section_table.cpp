#include "sizing/section_table.h"

#include <cmath>

#include "sizing/request_check.h"

namespace varnholt::sizing {
namespace {

Micros OrZero(double v) {
  Micros m = 0;
  return ToMicros(v, &m) ? m : 0;
}

// The heights' grid, or the message saying what is wrong with them.
std::string CheckHeights(const HeightRange& r, Grid* grid) {
  Micros lo = 0, hi = 0, step = 0;
  if (!ToMicros(r.from, &lo) || !ToMicros(r.to, &hi) || !ToMicros(r.step, &step)) {
    return "高さ h の範囲と刻みは数値で指定してください。";
  }
  if (step <= 0) return "高さ h の刻みは 0 より大きくしてください（0.000001 以上）。";
  if (lo > hi) {
    return "高さ h の始め " + MicrosText(lo) + " が終わり " + MicrosText(hi) +
           " より大きくなっています。";
  }
  if (lo <= 0) return "高さ h は 0 より大きくしてください。";
  const std::int64_t count = GridCount(lo, hi, step);
  if (count > kMaxTableRows) {
    return "高さの数が上限の " + std::to_string(kMaxTableRows) +
           " を超えます。刻みを大きくするか、範囲を狭めてください。";
  }
  *grid = {lo, step, count};
  return {};
}

}  // namespace

std::vector<DesignInput> CasesAtHeight(const std::vector<DesignInput>& cases, Micros h,
                                       double batter, bool keep_front) {
  std::vector<DesignInput> out = cases;
  for (DesignInput& in : out) {
    DesignCase& dc = in.dc;
    dc.Calc[calc::kHeightH] = MicrosValue(h);
    // As the collection step forms it from the two boxes.
    dc.Calc[calc::kH] = dc.Calc[calc::kEmbedment] + dc.Calc[calc::kHeightH];
    if (!keep_front) {
      const Micros hw = h + OrZero(dc.Calc[calc::kEmbedment]) + OrZero(dc.Calc[calc::kCrestAbove]);
      // Written to the millimetre, as the projection is typed.
      const double f = batter * (static_cast<double>(hw) / kMicrosPerUnit);
      Micros millimetres = 0;
      ToMicros(std::round(f * 1000) / 1000, &millimetres);
      dc.Calc[calc::kFrontProj] = MicrosValue(millimetres);
    }
  }
  return out;
}

SectionTable BuildSectionTable(const TableRequest& request) {
  SectionTable table;
  Grid heights;
  table.message = CheckHeights(request.heights, &heights);
  if (!table.message.empty()) return table;

  SizingRequest sizing;
  sizing.cases = request.cases;
  sizing.variables = request.variables;
  sizing.alternatives = 0;
  GridSet grids;
  table.message = CheckRequest(sizing, &grids);
  if (!table.message.empty()) return table;
  const Evaluation current = EvaluateSection(sizing.cases, CurrentSection(sizing.cases.front().dc));
  table.message = CheckCurrent(sizing, current);
  if (!table.message.empty()) return table;

  const bool keep_front = request.variables.front.vary;
  table.batter = current.section.batter;
  table.outcome = SizingOutcome::kFound;
  for (std::int64_t i = 0; i < heights.count; ++i) {
    if (request.cancel != nullptr && request.cancel->load(std::memory_order_relaxed)) {
      table.outcome = SizingOutcome::kCancelled;
      table.message = "標準断面表の作成を中止しました。";
      table.rows.clear();
      return table;
    }
    const Micros h = heights.At(i);
    TableRow row;
    row.h_text = MicrosText(h);
    row.h = MicrosValue(h);
    sizing.cases = CasesAtHeight(request.cases, h, table.batter, keep_front);
    row.earth_height = sizing.cases.front().dc.Calc[calc::kH];
    sizing.cancel = request.cancel;
    SizingResult result = SizeSection(sizing);
    row.outcome = result.outcome;
    row.message = result.message;
    if (result.outcome == SizingOutcome::kFound) {
      row.section = std::move(result.passing.front());
    } else if (result.outcome == SizingOutcome::kNotFound && result.closest.computed) {
      row.section = std::move(result.closest);
    } else if (result.outcome == SizingOutcome::kCancelled) {
      table.outcome = SizingOutcome::kCancelled;
      table.message = "標準断面表の作成を中止しました。";
      table.rows.clear();
      return table;
    }
    if (!keep_front) {
      row.section.section.front.text =
          MicrosText(OrZero(sizing.cases.front().dc.Calc[calc::kFrontProj]));
    }
    if (row.outcome != SizingOutcome::kFound) table.outcome = SizingOutcome::kNotFound;
    table.rows.push_back(std::move(row));
    if (request.progress) {
      request.progress(table.rows.size(), static_cast<std::size_t>(heights.count));
    }
  }
  return table;
}

}  // namespace varnholt::sizing

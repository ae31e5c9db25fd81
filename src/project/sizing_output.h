#pragma once
// What the command line prints for section sizing and standard-section
// tables: text for people, JSON with every value for programs.

#include <string>

#include "sizing/section_table.h"
#include "sizing/sizing.h"

namespace varnholt::project {

/// The design as it stands, the best section with the margin of every
/// check and the governing one marked, the next candidates; or, when
/// nothing in the bounds passes, the sentence and the closest section.
std::string SizingText(const sizing::SizingRequest& request, const sizing::SizingResult& result);

/// One JSON object: "outcome" (found, not_found, refused, cancelled),
/// "message", "total", "evaluated", "variables", "current", "best",
/// "candidates" (the passing sections, best first), "closest"; a section
/// with B, b, f (values and typed texts), the batter, Hw, the area, "ok",
/// "governing", "worst_margin" and every check (case, name, value, limit,
/// margin, ok, and for the body the depth and the stress ratio of the
/// governing section; a margin without bound is null).
std::string SizingJson(const sizing::SizingRequest& request, const sizing::SizingResult& result);

/// One line per height: h, H, b, B, f, 1:n, area, volume, governing check,
/// margin, verdict; a note under it for each height without a section.
std::string TableText(const sizing::TableRequest& request, const sizing::SectionTable& table);

/// One JSON object: "outcome", "message", "batter" and "rows" (h, H,
/// outcome, message, section as in SizingJson).
std::string TableJson(const sizing::TableRequest& request, const sizing::SectionTable& table);

}  // namespace varnholt::project

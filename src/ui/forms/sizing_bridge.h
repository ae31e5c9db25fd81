#pragma once
// Where section sizing meets the windows: the design it sizes is the one the
// calculate command collects, and a chosen section goes back into the
// dimension window as typing it would. The sizing dialog's 適用 and the
// command line's `size -o` use these.

#include <optional>
#include <string>
#include <vector>

#include "sizing/sizing.h"

namespace varnholt::forms {

class App;

/// Runs the calculate command ("安定性の検討") exactly as its button does,
/// with its checks and messages; with a valid result, the collected design
/// case and the options of the windows (the current case). Nothing when the
/// command left no valid result: the reason has been shown.
std::optional<sizing::DesignInput> DesignForSizing(App& app);

/// The designs of 両ケース計算's columns, as its copies collected them: 常時,
/// 地震時 and, under 宅地造成 with method ① or ②, the other method, so that
/// a section passing all of them passes the governing method too. Empty
/// when a column cannot be calculated, with the reason in `why`.
std::vector<sizing::DesignInput> DesignsOfBothCases(App& app, std::string& why);

/// 適用: types the dimensions the search set (B, b, f) into the dimension
/// window of the ground shape, each box clicked and its text typed, as an
/// engineer would, so that the coefficient and the results are invalidated
/// the ordinary way; presses "計算する" when the coefficient is computed and
/// then "安定性の検討". True when the results are valid afterwards.
bool ApplySizedSection(App& app, const sizing::Section& section);

}  // namespace varnholt::forms

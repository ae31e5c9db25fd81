#pragma once
// What a sizing request must be before the search starts: sound bounds and
// steps, a grid of at most kMaxCandidates sections, and a design that can be
// calculated and judged as it stands.

#include <string>

#include "sizing/sizing.h"

namespace varnholt::sizing {

/// The grids of the varied variables.
struct GridSet {
  Grid base;
  Grid crest;
  Grid front;
};

/// Checks the cases and the variables and makes their grids. Returns the
/// message for the engineer, empty when the request is sound: a variable
/// given as something other than a number, a step of 0 or less, a lower
/// bound above the upper one, a width not above 0, a negative batter, or
/// more candidates than kMaxCandidates (the message names the limit).
std::string CheckRequest(const SizingRequest& request, GridSet* grids);

/// The design as it stands must be calculable and judged by overturning,
/// bearing and sliding (or the shear key) in every case; otherwise there is
/// nothing a search could prove. Returns the message, empty when it is.
std::string CheckCurrent(const SizingRequest& request, const Evaluation& current);

}  // namespace varnholt::sizing

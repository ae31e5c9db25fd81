#include "calc/collection.h"

#include "calc/fence.h"
#include "model/leading_number.h"

namespace varnholt {
namespace {

void CollectConditions(const ConditionInputs& c, const Selections& options, DesignCase& dc) {
  dc.SiteName = c.site;
  dc.Cond[cond::kFc] = LeadingNumber(c.fc);
  dc.Cond[cond::kFe] = LeadingNumber(c.fe);
  if (const std::optional<double> short_term =
          ShortTermBearing(dc.Cond[cond::kFe], options.standard)) {
    dc.Cond[cond::kFeShort] = *short_term;
  }
  dc.Cond[cond::kGamma] = LeadingNumber(c.gamma);
  dc.Cond[cond::kGammaC] = LeadingNumber(c.gamma_c);
  dc.Cond[cond::kPhi] = LeadingNumber(c.phi);
  dc.Cond[cond::kDelta] = LeadingNumber(c.delta);
  dc.Cond[cond::kBackCohesion] = 0;
  dc.Cond[cond::kCohesion] = EffectiveCohesion(options.cohesion, c.cohesion);
  dc.Cond[cond::kPhiB] = LeadingNumber(c.phi_b);
  dc.Cond[cond::kMu] = LeadingNumber(c.mu);
}

// The boxes both dimension windows share.
void CollectDimensions(const DimensionInputs& d, DesignCase& dc) {
  dc.SectionNo = d.section;
  dc.WallMark = d.mark;
  dc.Calc[calc::kHeightH] = LeadingNumber(d.height_h);
  dc.Calc[calc::kEmbedment] = LeadingNumber(d.embedment);
  dc.Calc[calc::kCrestAbove] = LeadingNumber(d.crest_above);
  dc.Calc[calc::kH] = dc.Calc[calc::kEmbedment] + dc.Calc[calc::kHeightH];
  dc.Calc[calc::kCrestWidth] = LeadingNumber(d.crest_width);
  dc.Calc[calc::kBaseWidth] = LeadingNumber(d.base_width);
  dc.Calc[calc::kFrontProj] = LeadingNumber(d.front_projection);
  dc.Calc[calc::kSurcharge] = LeadingNumber(d.surcharge);
  dc.Cond[cond::kBeta] = LeadingNumber(d.beta);
}

// The key dialog of the standard; without a standard there is none.
void CollectShearKey(const ShearKeyInputs& k, Standard standard, DesignCase& dc) {
  if (standard == Standard::kNone) return;
  dc.Calc[calc::kKeyHeight] = LeadingNumber(k.height);
  dc.Calc[calc::kKeyPosition] = LeadingNumber(k.position);
  dc.Calc[calc::kKeyWidth] = LeadingNumber(k.width);
}

void CollectFence(const FenceInputs& f, FenceLoadOption load, DesignCase& dc) {
  dc.FenceH = LeadingNumber(f.height);
  dc.FenceX = LeadingNumber(f.distance);
  dc.FenceLoad = LeadingNumber(f.load);
  dc.FenceLoadY = LeadingNumber(f.load_height);
  dc.FenceW = LeadingNumber(f.weight);
  // The calculation refuses a load too large to be a number by name.
  (void)FormFenceLoad(dc, load);
}

}  // namespace

std::optional<double> ShortTermBearing(double fe, Standard standard) {
  switch (standard) {
    case Standard::kResidential:
      return fe * 2;
    case Standard::kRoad:
      return fe * 1.5;
    case Standard::kNone:
      break;
  }
  return std::nullopt;
}

double EffectiveCohesion(CohesionOption option, const std::string& text) {
  return option == CohesionOption::kNotConsidered ? 0 : LeadingNumber(text);
}

void Collect(const DesignInputs& in, DesignCase& dc) {
  const Selections& o = in.options;
  CollectConditions(in.conditions, o, dc);
  if (LevelOrSlope(o.shape)) {
    CollectDimensions(in.dimensions, dc);
    dc.Cond[cond::kKA] = LeadingNumber(in.dimensions.ka);
    if (o.shear_key == ShearKeyOption::kWith) CollectShearKey(in.shear_key, o.standard, dc);
  } else if (o.shape == GroundShape::kRaisedSoil) {
    CollectDimensions(in.dimensions, dc);
    dc.Calc[calc::kH0] = LeadingNumber(in.dimensions.slope_height);
    if (o.shear_key == ShearKeyOption::kWith) CollectShearKey(in.shear_key, o.standard, dc);
  }
  if (o.fence == FenceOption::kWith) CollectFence(in.fence, o.fence_load, dc);
}

}  // namespace varnholt

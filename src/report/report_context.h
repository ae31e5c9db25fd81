#pragma once
// What a report section works with: the surface it draws on, the design
// case it prints, the option states, the few window texts a section reads
// afresh, and the platform's beep.

#include <string>

#include "model/design_case.h"
#include "model/design_inputs.h"
#include "model/selections.h"
#include "report/surface.h"

namespace varnholt::report {

/// Window values a section reads at print time that are not option states
/// (those are in Selections): the design conditions as typed, which the
/// general items print so that page 1 always shows what the window holds.
/// The windows layer fills this right before each page.
struct ReportInputs {
  ConditionInputs conditions;
};

/// The platform's beep, sounded once after every failing verdict line. The
/// desktop preview and printer beep; PDF and command-line output pass a
/// silent one.
class Beeper {
 public:
  virtual ~Beeper() = default;
  virtual void Beep() = 0;
};

/// A beeper that makes no sound.
class SilentBeeper final : public Beeper {
 public:
  void Beep() override {}
};

/// Everything a section routine uses. The surface is OutDev; the design
/// case is only read: printing never changes what a later step reads.
struct ReportContext {
  ReportSurface& out;
  const DesignCase& dc;
  const Selections& sel;
  const ReportInputs& inputs;
  Beeper& beeper;
};

}  // namespace varnholt::report

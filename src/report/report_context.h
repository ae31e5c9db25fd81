#pragma once
// What a report section works with: the surface it draws on, the design
// case it prints, the option states, the few window texts a section reads
// afresh, and the platform's beep.

#include <string>

#include "model/design_case.h"
#include "model/selections.h"
#include "report/surface.h"

namespace varnholt::report {

/// The design-conditions window's texts (Form2) that the general-items
/// section copies into the design case before printing, so that page 1
/// always shows what the window holds. Field names are the control names.
struct Form2Texts {
  std::string txt1;   // 築造地
  std::string txt2;   // Fc (σck), N/mm2
  std::string txt3;   // fe (qa), kN/m2
  std::string txt4;   // γs, unit weight of soil
  std::string txt5;   // γ, unit weight of concrete
  std::string cbo1;   // soil type of the backfill (combo box text)
  std::string txt6;   // φ of the backfill
  std::string txt7;   // δ
  std::string cbo2;   // soil type of the foundation ground (combo box text)
  std::string txt8;   // C of the foundation ground
  std::string txt9;   // φB
  std::string txt10;  // μ
};

/// Window values a section reads at print time that are not option states
/// (those are in Selections). The windows layer fills this right before
/// each page.
struct ReportInputs {
  Form2Texts form2;
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
/// case is written only where a section says so (layout offsets, the
/// general items' refresh).
struct ReportContext {
  ReportSurface& out;
  DesignCase& dc;
  const Selections& sel;
  const ReportInputs& inputs;
  Beeper& beeper;
};

}  // namespace varnholt::report

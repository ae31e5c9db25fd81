#pragma once
// Fence dialog (Form17): what a load kind shows, and what a confirmed load
// kind does to the load case of the design conditions window.

#include "model/selections.h"

namespace varnholt::forms {

class App;
struct ConditionsWindow;
struct FenceDialog;

/// The boxes, captions and sketch of a load kind: none for 常時(水平荷重無し),
/// w (kN/m2) with the arrows over the fence for a distributed load, P (kN/m)
/// with its height for a concentrated one. Nothing changes for none.
void ShowLoadKind(FenceDialog& fence, FenceLoadOption kind);

/// A short-term fence load (distributed or concentrated) is always checked
/// in the normal case: 地震時 is cleared and made unavailable with its
/// button, 常時 selected. When the design was in the seismic case, the
/// seismic settings are left as the 常時 button leaves them: Kh and Kv are
/// 0, the seismic dialog is closed, a computed coefficient of Form3 emptied
/// (on level ground "直接入力" is available again), and the results cleared.
void ForceNormalCaseForShortTermLoad(App& app);

/// A fence without horizontal load allows the seismic case again.
void AllowSeismicCase(ConditionsWindow& conditions);

}  // namespace varnholt::forms

#pragma once
// Helpers for tests of the windows: an application on the scripted
// platform, a complete design typed into the boxes, and the steps an
// engineer takes to enter a design.

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

#include "ui/forms/app.h"
#include "ui/forms/windows.h"
#include "ui/toolkit/scripted_platform.h"

namespace varnholt::forms::testing {

/// An application whose platform is scripted.
struct TestApp {
  ui::ScriptedPlatform platform;
  App app{platform};

  ui::Window& Form(const std::string& name) { return app.Form(name); }
  DesignCase& dc() { return app.dc(); }
};

/// Fills every box that the calculate command checks, for level ground
/// under 宅地造成: the wall of b = 2, B = 4, f = 1, h = 4, embedment 1 and
/// crest 0.5 above the back ground. Sets texts directly, as a file load does,
/// so no handler runs.
inline void FillLevelDesign(App& app) {
  ui::Window& f2 = app.Form(kForm2);
  f2["txt1"].SetText("横浜市");
  f2["txt2"].SetText("18");
  f2["txt3"].SetText("200");
  f2["txt4"].SetText("18");
  f2["txt5"].SetText("23");
  f2["cbo1"].SetText("砂質土");
  f2["txt6"].SetText("30");
  f2["txt7"].SetText("20");
  f2["cbo2"].SetText("砂質土");
  f2["txt8"].SetText("0");
  f2["txt9"].SetText("30");
  f2["txt10"].SetText("0.5");
  ui::Window& f3 = app.Form(kForm3);
  f3["txt1"].SetText("2");
  f3["txt2"].SetText("W-1");
  f3["txt3"].SetText("4");
  f3["txt4"].SetText("1");
  f3["txt5"].SetText("0.5");
  f3["txt6"].SetText("2");
  f3["txt7"].SetText("4");
  f3["txt8"].SetText("1");
  f3["txt9"].SetText("10");
  f3["txt11"].SetText("0.297");
}

/// Types each text into its box of `w`, in order.
inline void Set(ui::Window& w, std::initializer_list<std::pair<const char*, const char*>> texts) {
  for (const auto& [box, text] : texts) w[box].SetText(text);
}

/// Runs `act` inside the next modal dialog.
inline void InDialog(TestApp& t, std::function<void(ui::Window&)> act) {
  t.platform.modal_actions.push_back(std::move(act));
}

/// The calculate command of the results window.
inline void Calculate(TestApp& t) { t.Form(kForm11)["cmd1"].Click(); }

/// Chooses 地震時 and enters its horizontal load in the dialog of
/// "水平荷重の計算方法震度の入力": the method's option, Kh and Kv, then `also`
/// (one more option of the dialog, or none) and OK.
inline void EnterSeismicCase(TestApp& t, const char* method, std::string kh, std::string kv,
                             const char* also = nullptr) {
  ui::Window& f2 = t.Form(kForm2);
  f2["cmd2"].Click();  // 地震時
  InDialog(t, [=](ui::Window& f20) {
    f20[method].Click();
    Set(f20, {{"txt1", kh.c_str()}, {"txt2", kv.c_str()}});
    if (also != nullptr) f20[also].Click();
    f20["cmd1"].Click();
  });
  f2["cmd4"].Click();
}

}  // namespace varnholt::forms::testing

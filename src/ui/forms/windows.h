#pragma once
// Window definitions: each declares a window's controls with their captions,
// positions (twips) and design defaults, then wires its event handlers.

#include <string>

#include "ui/toolkit/toolkit.h"

namespace varnholt::forms {

class App;

// Names of the windows.
inline constexpr const char* kMDIForm1 = "MDIForm1";  // main window
inline constexpr const char* kForm11 = "Form11";      // results
inline constexpr const char* kForm2 = "Form2";        // design conditions
inline constexpr const char* kForm3 = "Form3";        // dimensions, 水平 and 一様斜面
inline constexpr const char* kForm16 = "Form16";      // dimensions, 嵩上げ土
inline constexpr const char* kForm15 = "Form15";      // shear key, 宅地造成
inline constexpr const char* kForm19 = "Form19";      // shear key, 道路土工
inline constexpr const char* kForm17 = "Form17";      // fence
inline constexpr const char* kForm20 = "Form20";      // seismic coefficient
inline constexpr const char* kForm12 = "Form12";      // check methods, 常時
inline constexpr const char* kForm14 = "Form14";  // check methods, 地震時 and short-term loads
inline constexpr const char* kForm10 = "Form10";  // print range
inline constexpr const char* kForm6 = "Form6";    // version
inline constexpr const char* kForm7 = "Form7";    // reference tables, 宅地造成
inline constexpr const char* kForm18 = "Form18";  // reference tables, 道路土工

// Where the working windows stand in the main window, twips: the design
// conditions window at the top left, the dimension window of the ground
// shape to its right, the results window under the dimension window.
inline constexpr int kConditionsWidth = 5460;
inline constexpr int kDimensionLeft = kConditionsWidth;
inline constexpr int kDimensionHeight = 4710;
inline constexpr int kResultsTop = kDimensionHeight;

void DefineMDIForm1(ui::Window& w, App& app);
void DefineForm11(ui::Window& w, App& app);
void DefineForm2(ui::Window& w, App& app);
void DefineForm3(ui::Window& w, App& app);
void DefineForm16(ui::Window& w, App& app);
/// Form15 and Form19 share one layout; `road` selects Form19's captions.
void DefineShearKeyDialog(ui::Window& w, App& app, bool road);
void DefineForm17(ui::Window& w, App& app);
void DefineForm20(ui::Window& w, App& app);
void DefineForm12(ui::Window& w, App& app);
void DefineForm14(ui::Window& w, App& app);
void DefineForm10(ui::Window& w, App& app);
void DefineForm6(ui::Window& w, App& app);
void DefineForm7(ui::Window& w, App& app);
void DefineForm18(ui::Window& w, App& app);

/// Name of the main window's toolbar button with this index (1..6).
std::string ToolButtonName(int index);
/// The menu path a toolbar button carries as its second text ("[ファイル]-[開く]").
const char* ToolButtonPath(int index);

/// Registers every window's definition with the window system.
void RegisterWindows(App& app);

}  // namespace varnholt::forms

#pragma once
// The line layout of a .vrh project file.
//
// A project file stores the state of the input windows' controls, one value
// per line, with no header, names or count: a line means what its position
// says. Three blocks are present only when an option written earlier in the
// same file says so (the dimension window of the ground shape, the shear-key
// dialog of the standard, the fence dialog), so a complete file has 89 lines
// without a fence and 97 with one.

#include <span>
#include <string>
#include <string_view>

#include "model/project_state.h"

namespace varnholt::project {

/// How a line is encoded and applied.
enum class FieldKind {
  kFlag,     // a flag string of the design case (ShearKeyFlag, FenceLoadType)
  kText,     // text box or combo box: the text unchanged
  kCaption,  // label: its caption unchanged
  kOption,   // option button: "True" or "False"
  kCheck,    // check box: " 0 " or " 1 "
};

/// One line of the file: the control it stores and where its value lives
/// in the project state.
struct Field {
  const char* window;   // window name; empty for the two flag strings
  const char* control;  // control name, or "ShearKeyFlag"/"FenceLoadType"
  FieldKind kind;
  /// Option buttons: the group within the window (the frame, or "" for the
  /// options placed directly on the window). At most one option of a group
  /// is "True" in a file the program wrote.
  const char* group;
  /// Text boxes and combo boxes: the name an engineer knows the box by,
  /// used when its text cannot be saved.
  const char* prompt;
  /// A text, caption or flag: its string in the state.
  std::string& (*text)(ProjectState&);
  /// An option: whether the state has it chosen in its group, and choosing
  /// it. A group none of whose lines is "True" has nothing chosen.
  bool (*chosen)(const ProjectState&);
  void (*choose)(ProjectState&);
  /// A check box: its value in the state.
  bool& (*checked)(ProjectState&);
};

/// A project state in which no option of any group is chosen: what a file
/// fills line by line.
ProjectState NothingChosen();

/// The blocks in file order.
enum class Block { kA, kB, kC, kD, kE, kF, kG, kH, kI };

/// Which dimension window block C holds.
enum class DimensionBlock { kNone, kForm3, kForm16 };
/// Which shear-key dialog block H holds.
enum class KeyBlock { kNone, kForm15, kForm19 };

/// The fields of each block. Block C and H depend on the window chosen.
std::span<const Field> FlagFields();                           // A: 2 lines
std::span<const Field> DesignFields();                         // B: 25 lines, Form2
std::span<const Field> DimensionFields(DimensionBlock which);  // C: 15 lines or none
std::span<const Field> SeismicFields();                        // D: 8 lines, Form20
std::span<const Field> ResultFields();                         // E: 19 lines, Form11 captions
std::span<const Field> NormalCheckFields();                    // F: 6 lines, Form12
std::span<const Field> SeismicCheckFields();                   // G: 10 lines, Form14
std::span<const Field> KeyFields(KeyBlock which);              // H: 4 lines or none
std::span<const Field> FenceFields();                          // I: 8 lines, Form17

/// Line numbers (1-based) in block B of the options that decide the
/// conditional blocks.
inline constexpr int kLineStandardResidential = 3;  // Form2.opt_T
inline constexpr int kLineStandardRoad = 4;         // Form2.opt_D
inline constexpr int kLineLevel = 17;               // Form2.opt1 水平
inline constexpr int kLineSlope = 18;               // Form2.opt2 一様斜面
inline constexpr int kLineRaised = 19;              // Form2.opt3 嵩上げ土
inline constexpr int kLineNormalCase = 20;          // Form2.opt4 常時
inline constexpr int kLineSeismicCase = 21;         // Form2.opt5 地震時
inline constexpr int kLineFenceWith = 27;           // Form2.opt11 フェンス有り

/// Line counts of a complete file.
inline constexpr int kLinesWithoutFence = 89;
inline constexpr int kLinesWithFence = 97;

/// The literal forms of the values.
inline constexpr std::string_view kTrue = "True";
inline constexpr std::string_view kFalse = "False";
inline constexpr std::string_view kUnchecked = " 0 ";
inline constexpr std::string_view kChecked = " 1 ";

}  // namespace varnholt::project

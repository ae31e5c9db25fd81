#include "project/vrh_writer.h"

#include "project/cp932.h"
#include "ui/forms/restore.h"

namespace varnholt::project {
namespace {

std::string ValueOf(ProjectState& state, const Field& f) {
  switch (f.kind) {
    case FieldKind::kFlag:
    case FieldKind::kText:
    case FieldKind::kCaption:
      return f.text(state);
    case FieldKind::kOption:
      return std::string(f.chosen(state) ? kTrue : kFalse);
    case FieldKind::kCheck:
      return std::string(f.checked(state) ? kChecked : kUnchecked);
  }
  return {};
}

std::string Where(const Field& f) {
  if (f.prompt[0] != '\0') return f.prompt;
  return std::string(f.window) + "." + f.control;
}

// Appends the fields of one block; false with the message when a value
// cannot be stored.
bool Append(ProjectState& state, std::span<const Field> fields, EncodedProject& out) {
  for (const Field& f : fields) {
    const std::string value = ValueOf(state, f);
    if (value.find_first_of("\r\n") != std::string::npos) {
      out.field = &f;
      out.message = Where(f) +
                    "に改行が含まれているため、プロジェクトファイルに保存できません。\n" +
                    "改行を消してから、もう一度保存してください。";
      return false;
    }
    const Cp932Encoded e = EncodeCp932(value);
    if (!e.ok) {
      out.field = &f;
      out.message = Where(f) + "に、プロジェクトファイル（Shift_JIS）に保存できない文字「" +
                    e.bad_character + "」があります。\n" +
                    "この文字を消すか別の文字に替えてから、もう一度保存してください。";
      return false;
    }
    out.bytes += e.bytes;
    out.bytes += "\r\n";
  }
  return true;
}

}  // namespace

EncodedProject EncodeProject(ProjectState state) {
  EncodedProject out;
  const Selections& o = state.inputs.options;
  const DimensionBlock dimension = LevelOrSlope(o.shape)                 ? DimensionBlock::kForm3
                                   : o.shape == GroundShape::kRaisedSoil ? DimensionBlock::kForm16
                                                                         : DimensionBlock::kNone;
  const KeyBlock key = o.standard == Standard::kResidential ? KeyBlock::kForm15
                       : o.standard == Standard::kRoad      ? KeyBlock::kForm19
                                                            : KeyBlock::kNone;
  const bool fence = o.fence == FenceOption::kWith;

  for (auto block : {FlagFields(), DesignFields(), DimensionFields(dimension), SeismicFields(),
                     ResultFields(), NormalCheckFields(), SeismicCheckFields(), KeyFields(key)}) {
    if (!Append(state, block, out)) return out;
  }
  if (fence && !Append(state, FenceFields(), out)) return out;
  out.ok = true;
  return out;
}

EncodedProject EncodeProject(forms::App& app) {
  return EncodeProject(forms::ReadProjectState(app));
}

}  // namespace varnholt::project

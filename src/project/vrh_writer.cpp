#include "project/vrh_writer.h"

#include "project/cp932.h"
#include "ui/forms/app.h"
#include "ui/forms/handles.h"
#include "ui/forms/windows.h"

namespace varnholt::project {
namespace {

std::string ValueOf(forms::App& app, const Field& f) {
  if (f.kind == FieldKind::kFlag) {
    return std::string_view(f.control) == "ShearKeyFlag" ? app.dc().ShearKeyFlag
                                                         : app.dc().FenceLoadType;
  }
  const ui::Control& c = app.Form(f.window)[f.control];
  switch (f.kind) {
    case FieldKind::kText:
      return c.Text();
    case FieldKind::kCaption:
      return c.Caption();
    case FieldKind::kOption:
      return std::string(c.Value() ? kTrue : kFalse);
    case FieldKind::kCheck:
      return std::string(c.CheckValue() != 0 ? kChecked : kUnchecked);
    case FieldKind::kFlag:
      break;
  }
  return {};
}

std::string Where(const Field& f) {
  if (f.prompt[0] != '\0') return f.prompt;
  return std::string(f.window) + "." + f.control;
}

// Appends the fields of one block; false with the message when a value
// cannot be stored.
bool Append(forms::App& app, std::span<const Field> fields, EncodedProject& out) {
  for (const Field& f : fields) {
    const std::string value = ValueOf(app, f);
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

EncodedProject EncodeProject(forms::App& app) {
  EncodedProject out;
  forms::ConditionsWindow& f2 = forms::Conditions(app);
  const DimensionBlock dimension = f2.level->Value() || f2.slope->Value() ? DimensionBlock::kForm3
                                   : f2.raised->Value()                   ? DimensionBlock::kForm16
                                                                          : DimensionBlock::kNone;
  const KeyBlock key = f2.residential->Value() ? KeyBlock::kForm15
                       : f2.road->Value()      ? KeyBlock::kForm19
                                               : KeyBlock::kNone;
  const bool fence = f2.fence_with->Value();

  for (auto block : {FlagFields(), DesignFields(), DimensionFields(dimension), SeismicFields(),
                     ResultFields(), NormalCheckFields(), SeismicCheckFields(), KeyFields(key)}) {
    if (!Append(app, block, out)) return out;
  }
  if (fence && !Append(app, FenceFields(), out)) return out;
  out.ok = true;
  return out;
}

}  // namespace varnholt::project

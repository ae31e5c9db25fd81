#include "project/vrh_reader.h"

#include <gtest/gtest.h>

#include <random>
#include <span>
#include <string_view>

#include "project/cp932.h"
#include "project/test_support.h"
#include "project/vrh_writer.h"
#include "ui/forms/dimension_windows.h"
#include "ui/forms/restore.h"
#include "ui/forms/test_support.h"

namespace varnholt::project {
namespace {

using testing::CrLf;
using testing::RaisedRoadLines;

// The hand-typed lines in code page 932 bytes.
std::string Bytes(const std::vector<std::string>& lines) {
  std::string out = CrLf(lines);
  // The only non-ASCII texts are 横浜市 (89 A1 95 6C 8E 73) and 砂質土
  // (8D BB 8E BF 93 79), from the code page 932 table.
  auto replace = [&out](const std::string& from, const std::string& to) {
    for (std::size_t p = out.find(from); p != std::string::npos; p = out.find(from, p + 1)) {
      out.replace(p, from.size(), to);
    }
  };
  replace("横浜市", "\x89\xA1\x95\x6C\x8E\x73");
  replace("砂質土", "\x8D\xBB\x8E\xBF\x93\x79");
  return out;
}

TEST(ParseProject, DocumentedLayoutWithoutAndWithFence) {
  const ParseResult plain = ParseProject(Bytes(RaisedRoadLines(false)));
  ASSERT_TRUE(plain.ok) << plain.error.line << " " << plain.error.reason;
  EXPECT_EQ(plain.project.entries.size(), 89u);
  EXPECT_EQ(plain.project.dimension, DimensionBlock::kForm16);
  EXPECT_EQ(plain.project.key, KeyBlock::kForm19);
  EXPECT_FALSE(plain.project.fence);
  EXPECT_EQ(plain.project.entries[4].value, "横浜市");
  EXPECT_EQ(plain.project.after_dimension, 2u + 25u + 15u);

  const ParseResult fence = ParseProject(Bytes(RaisedRoadLines(true)));
  ASSERT_TRUE(fence.ok) << fence.error.line << " " << fence.error.reason;
  ASSERT_EQ(fence.project.entries.size(), 97u);
  EXPECT_TRUE(fence.project.fence);
  EXPECT_STREQ(fence.project.entries[89].field->window, "Form17");
  EXPECT_STREQ(fence.project.entries[96].field->control, "txt5");
  EXPECT_EQ(fence.project.entries[96].value, "0.5");
}

TEST(ParseProject, NoDimensionOrKeyBlockWhenNoOptionSaysSo) {
  std::vector<std::string> l = RaisedRoadLines(false);
  l[3] = "False";                           // line 4: opt_D, so no standard at all
  l[18] = "False";                          // line 19: opt3, so no ground shape
  l.erase(l.begin() + 27, l.begin() + 42);  // block C
  l.resize(l.size() - 4);                   // block H
  const ParseResult r = ParseProject(Bytes(l));
  ASSERT_TRUE(r.ok) << r.error.line << " " << r.error.reason;
  EXPECT_EQ(r.project.entries.size(), 89u - 15u - 4u);
  EXPECT_EQ(r.project.dimension, DimensionBlock::kNone);
  EXPECT_EQ(r.project.key, KeyBlock::kNone);
}

struct BadFile {
  const char* name;
  std::string bytes;
  int line;  // expected first offending line, 0 for the whole file
};

std::vector<BadFile> BadFiles() {
  const std::vector<std::string> good = RaisedRoadLines(false);
  const std::string bytes = Bytes(good);
  std::vector<BadFile> cases;
  auto with = [&good](int line, const std::string& value) {
    std::vector<std::string> l = good;
    l[static_cast<std::size_t>(line - 1)] = value;
    return Bytes(l);
  };
  cases.push_back({"empty", "", 1});
  {
    std::vector<std::string> l(good.begin(), good.begin() + 50);
    cases.push_back({"ends early after line 50", Bytes(l), 51});
  }
  {
    // Cut inside line 40 ("True" of opt5 becomes "Tr" without its CR LF).
    const std::string b = Bytes(good);
    std::size_t p = 0;
    for (int i = 0; i < 39; ++i) p = b.find("\r\n", p) + 2;
    cases.push_back({"cut inside line 40", b.substr(0, p + 2), 40});
  }
  cases.push_back({"Boolean neither True nor False", with(3, "Tru"), 3});
  cases.push_back({"Boolean in lower case", with(19, "true"), 19});
  cases.push_back({"check box not an integer", with(89, "x"), 89});
  cases.push_back({"check box out of range", with(89, " 2 "), 89});
  cases.push_back({"not code page 932", with(5, "\x81\x20"), 5});
  cases.push_back({"lead byte without trail byte", with(6, "1\x81"), 6});
  cases.push_back({"line longer than 64 KiB", with(5, std::string(64 * 1024 + 1, 'a')), 5});
  cases.push_back({"larger than 1 MiB", bytes + std::string(1024 * 1024, 'x'), 0});
  {
    std::string b = bytes;
    std::size_t p = 0;
    for (int i = 0; i < 9; ++i) p = b.find("\r\n", p) + 2;
    b.erase(p - 2, 1);  // line 9 now ends with a bare LF
    cases.push_back({"bare LF", b, 9});
  }
  cases.push_back({"extra line after the last", bytes + "x\r\n", 90});
  cases.push_back({"two ground shapes selected", with(17, "True"), 19});
  cases.push_back({"shear-key flag garbage", with(1, "yes"), 1});
  cases.push_back({"fence load type garbage", with(2, "3"), 2});
  {
    std::string utf16 = "\xFF\xFE";
    for (char c : bytes.substr(0, 40)) utf16 += std::string{c, '\0'};
    cases.push_back({"UTF-16", utf16, 0});
    cases.push_back({"UTF-16 without a byte order mark", utf16.substr(2), 0});
  }
  cases.push_back(
      {"UTF-8 byte order mark before bytes that are not UTF-8", "\xEF\xBB\xBF" + bytes, 0});
  return cases;
}

TEST(ParseProject, RefusesBadFilesAtTheirFirstOffendingLine) {
  for (const BadFile& c : BadFiles()) {
    SCOPED_TRACE(c.name);
    const ParseResult r = ParseProject(c.bytes);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error.line, c.line) << r.error.reason;
    EXPECT_FALSE(r.error.reason.empty());
  }
}

TEST(ParseProject, RefusesRandomBytes) {
  std::mt19937 rng(12345);
  for (int round = 0; round < 200; ++round) {
    std::string b(static_cast<std::size_t>(rng() % 4000), '\0');
    for (char& c : b) c = static_cast<char>(rng());
    const ParseResult r = ParseProject(b);
    EXPECT_FALSE(r.ok);
    EXPECT_GT(r.error.line, 0);
  }
}

TEST(ParseProject, UnicodeFilesOfOtherEditors) {
  // Saved again by a UTF-8 editor, with or without a byte order mark: read
  // as UTF-8, so 砂質土 is 砂質土 and not mojibake.
  const std::string utf8 = CrLf(RaisedRoadLines(false));
  for (const std::string& bytes : {utf8, "\xEF\xBB\xBF" + utf8}) {
    const ParseResult r = ParseProject(bytes);
    ASSERT_TRUE(r.ok) << r.error.reason;
    forms::testing::TestApp t;
    ApplyProject(t.app, r.project);
    EXPECT_EQ(t.Form(forms::kForm2)["txt1"].Text(), "横浜市");
    EXPECT_EQ(t.Form(forms::kForm2)["cbo1"].Text(), "砂質土");
    // Written back in code page 932, as every project is.
    const EncodedProject again = EncodeProject(t.app);
    ASSERT_TRUE(again.ok);
    EXPECT_EQ(again.bytes, Bytes(RaisedRoadLines(false)));
  }
  const ParseResult utf16 = ParseProject("\xFF\xFE" + std::string("0\0\r\0\n\0", 6));
  EXPECT_NE(utf16.error.reason.find("UTF-16 で保存されています"), std::string::npos);
}

TEST(ApplyProject, FullWidthNumbersOpenAsTheNumbersTheyShow) {
  std::vector<std::string> lines = RaisedRoadLines(false);
  lines[29] = "１２";  // Form16 h
  lines[35] = "１０";  // surcharge
  lines[27] = "２";    // the § number is a name
  const ParseResult r = ParseProject(EncodeCp932(CrLf(lines)).bytes);
  ASSERT_TRUE(r.ok) << r.error.reason;
  forms::testing::TestApp t;
  ApplyProject(t.app, r.project);
  ui::Window& f16 = t.Form(forms::kForm16);
  EXPECT_EQ(f16["txt3"].Text(), "12");
  EXPECT_EQ(f16["txt9"].Text(), "10");
  EXPECT_EQ(f16["txt1"].Text(), "２");
}

TEST(ReadErrorMessage, NamesTheFileAndTheLine) {
  EXPECT_EQ(ReadErrorMessage("/home/a/壁.vrh", {12, "True または False のはずの値が「x」です。"}),
            "ファイル「/home/a/壁.vrh」はプロジェクトファイルとして読み込めません。\n"
            "12行目: True または False のはずの値が「x」です。");
  EXPECT_EQ(ReadErrorMessage("a.vrh", {0, "ファイルが大きすぎます（1 MiB を超えています）。"}),
            "ファイル「a.vrh」はプロジェクトファイルとして読み込めません。\n"
            "ファイルが大きすぎます（1 MiB を超えています）。");
}

TEST(ApplyProject, RestoresTheControlsAndWritesTheSameBytesBack) {
  for (bool fence : {false, true}) {
    SCOPED_TRACE(fence ? "fence" : "no fence");
    const std::string bytes = Bytes(RaisedRoadLines(fence));
    const ParseResult r = ParseProject(bytes);
    ASSERT_TRUE(r.ok);
    forms::testing::TestApp t;
    ApplyProject(t.app, r.project);
    ui::Window& f2 = t.Form(forms::kForm2);
    EXPECT_TRUE(f2["opt_D"].Value());
    EXPECT_TRUE(f2["opt3"].Value());
    EXPECT_EQ(f2["txt1"].Text(), "横浜市");
    EXPECT_EQ(t.Form(forms::kForm16)["txt11"].Text(), "1");
    EXPECT_TRUE(t.Form(forms::kForm12)["opt1"].Value());
    EXPECT_EQ(t.dc().ShearKeyFlag, "0");
    EXPECT_EQ(t.dc().FenceLoadType, fence ? "2" : "");
    if (fence) {
      EXPECT_EQ(t.Form(forms::kForm17)["txt4"].Text(), "1.0");
    }

    const EncodedProject again = EncodeProject(t.app);
    ASSERT_TRUE(again.ok) << again.message;
    EXPECT_EQ(again.bytes, bytes);
  }
}

TEST(Layout, MatchesTheWindows) {
  // Every stored control exists with the kind the layout says, and the
  // option groups are the windows' own containers.
  forms::testing::TestApp t;
  for (auto block : {DesignFields(), DimensionFields(DimensionBlock::kForm3),
                     DimensionFields(DimensionBlock::kForm16), SeismicFields(), ResultFields(),
                     NormalCheckFields(), SeismicCheckFields(), KeyFields(KeyBlock::kForm15),
                     KeyFields(KeyBlock::kForm19), FenceFields()}) {
    for (const Field& f : block) {
      SCOPED_TRACE(std::string(f.window) + "." + f.control);
      ui::Window& w = t.Form(f.window);
      ASSERT_TRUE(w.Has(f.control));
      const ui::Control& c = w[f.control];
      switch (f.kind) {
        case FieldKind::kText:
          EXPECT_TRUE(c.kind() == ui::ControlKind::kTextBox ||
                      c.kind() == ui::ControlKind::kComboBox);
          break;
        case FieldKind::kCaption:
          EXPECT_EQ(c.kind(), ui::ControlKind::kLabel);
          break;
        case FieldKind::kOption:
          EXPECT_EQ(c.kind(), ui::ControlKind::kOption);
          EXPECT_EQ(c.container(), f.group);
          break;
        case FieldKind::kCheck:
          EXPECT_EQ(c.kind(), ui::ControlKind::kCheckBox);
          break;
        case FieldKind::kFlag:
          break;
      }
    }
  }
  EXPECT_EQ(FlagFields().size() + DesignFields().size() +
                DimensionFields(DimensionBlock::kForm3).size() + SeismicFields().size() +
                ResultFields().size() + NormalCheckFields().size() + SeismicCheckFields().size() +
                KeyFields(KeyBlock::kForm15).size(),
            static_cast<std::size_t>(kLinesWithoutFence));
  EXPECT_EQ(FenceFields().size(), static_cast<std::size_t>(kLinesWithFence - kLinesWithoutFence));
}

// Every line's place in the project state is the control the line names:
// a value put there is restored into that control and no other.
TEST(Layout, EachLineRestoresTheControlItNames) {
  struct Variant {
    GroundShape shape;
    Standard standard;
    DimensionBlock dimension;
    KeyBlock key;
  };
  const Variant variants[] = {
      {GroundShape::kLevel, Standard::kResidential, DimensionBlock::kForm3, KeyBlock::kForm15},
      {GroundShape::kRaisedSoil, Standard::kRoad, DimensionBlock::kForm16, KeyBlock::kForm19},
  };
  for (const Variant& v : variants) {
    ProjectState base = NothingChosen();
    base.inputs.options.shape = v.shape;
    base.inputs.options.standard = v.standard;
    base.inputs.options.fence = FenceOption::kWith;
    const std::vector<std::span<const Field>> blocks = {
        DesignFields(),      DimensionFields(v.dimension), SeismicFields(),  ResultFields(),
        NormalCheckFields(), SeismicCheckFields(),         KeyFields(v.key), FenceFields()};

    // Texts: each a value of its own.
    ProjectState texts = base;
    int n = 0;
    for (auto block : blocks) {
      for (const Field& f : block) {
        if (f.kind == FieldKind::kText || f.kind == FieldKind::kCaption) {
          f.text(texts) = "v" + std::to_string(++n);
        }
      }
    }
    forms::testing::TestApp t;
    forms::RestoreWindows(t.app, texts);
    for (auto block : blocks) {
      for (const Field& f : block) {
        if (f.kind != FieldKind::kText && f.kind != FieldKind::kCaption) continue;
        SCOPED_TRACE(std::string(f.window) + "." + f.control);
        EXPECT_EQ(t.Form(f.window)[f.control].Text(), f.text(texts));
      }
    }

    // Options and check boxes: each chosen alone in its group.
    for (auto block : blocks) {
      for (const Field& f : block) {
        if (f.kind != FieldKind::kOption && f.kind != FieldKind::kCheck) continue;
        SCOPED_TRACE(std::string(f.window) + "." + f.control);
        ProjectState one = base;
        one.inputs.conditions.phi_b = "30";  // so that tanφ is computed
        if (f.kind == FieldKind::kOption) {
          f.choose(one);
        } else {
          f.checked(one) = true;
        }
        forms::testing::TestApp u;
        forms::RestoreWindows(u.app, one);
        if (std::string_view(f.window) == "Form3" || std::string_view(f.window) == "Form16") {
          if (std::string_view(f.window) != forms::DimensionWindowInUse(u.app)) continue;
        }
        const ui::Control& c = u.Form(f.window)[f.control];
        EXPECT_TRUE(f.kind == FieldKind::kOption ? c.Value() : c.CheckValue() == 1);
      }
    }
  }
}

}  // namespace
}  // namespace varnholt::project

#include "ui/forms/preview.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>

#include "model/selections.h"
#include "ui/forms/app.h"
#include "ui/forms/builders.h"
#include "ui/forms/collect.h"
#include "ui/forms/handles.h"
#include "ui/forms/output_files.h"
#include "ui/forms/summary_window.h"
#include "ui/forms/windows.h"

namespace varnholt::forms {
namespace {

// Literals of the preview windows.
constexpr const char* kCaptions[] = {"印刷ｲﾒｰｼﾞ（1/4ページ）", "印刷ｲﾒｰｼﾞ（2/4ページ）",
                                     "印刷ｲﾒｰｼﾞ（3/4ページ）", "印刷ｲﾒｰｼﾞ（4/4ページ）"};
// Every page's menu says the same (full-width ページ, as the window titles).
constexpr const char* kNext = "次のページ";
constexpr const char* kPrev = "前のページ";
constexpr const char* kPrint = "印刷";
constexpr const char* kPdf = "PDF出力";
constexpr const char* kClose = "閉じる";

// The PDF's save dialog.
constexpr const char* kPdfTitle = "PDF出力";
constexpr const char* kPdfFilter = "PDF(*.pdf)|*.pdf";
constexpr const char* kPdfExtension = "pdf";
constexpr const char* kPdfDefaultName = "計算書.pdf";

// Layout at design size, twips: the viewport at the top-left, the bars
// below it and at its right.
constexpr int kViewportWidth = 10665;
constexpr int kViewportHeight = 7095;
constexpr int kBarThickness = 255;

constexpr const char* kWindows[] = {kForm4, kForm5, kForm8, kForm9};
constexpr int kPages = report::kLastPage;

/// Beeps through the platform, as the desktop preview and printer do.
class PlatformBeeper final : public report::Beeper {
 public:
  explicit PlatformBeeper(ui::PlatformServices& platform) : platform_(platform) {}
  void Beep() override { platform_.Beep(); }

 private:
  ui::PlatformServices& platform_;
};

Control& AddMenu(Window& w, const char* name, const char* caption) {
  Control& c = w.Add(name, ControlKind::kMenuItem);
  c.SetCaption(caption);
  return c;
}

bool Shown(App& app, const char* name) {
  return app.windows().IsLoaded(name) && app.Form(name).Shown();
}

void SetToolbarVisible(App& app, bool visible) {
  if (!app.windows().IsLoaded(kMDIForm1)) return;
  Main(app).toolbar->SetVisible(visible);
}

// Half of a bar's maximum for a click in the trough, half of that for an
// arrow; whole numbers, as the bars hold.
ScrollSteps StepsFor(int maximum) {
  ScrollSteps s;
  s.large = std::max(1, static_cast<int>(std::lround(maximum / 2.0)));
  s.small = std::max(1, static_cast<int>(std::lround(s.large / 2.0)));
  return s;
}

bool EndsWithPdf(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext == ".pdf";
}

}  // namespace

struct Preview::Slot {
  std::string name;
  PagePicture picture;
  ScrollSteps h;
  ScrollSteps v;
};

report::ReportInputs ReportInputsOf(App& app) {
  report::ReportInputs in;
  in.conditions = ReadConditionInputs(app);
  return in;
}

report::PrintJob PrintJobOf(App& app) {
  report::PrintJob job;
  job.first_page_no = app.dc().FirstPageNo;
  job.body_stress = app.print_body_stress;
  if (!app.windows().IsLoaded(kForm10)) return job;
  PrintRangeDialog& f10 = PrintRange(app);
  if (f10.range_general->Value()) {
    job.range = report::PrintRange::kGeneral;
  } else if (f10.range_stability->Value()) {
    job.range = report::PrintRange::kStability;
  }
  job.both_cases = f10.range_both->Value();
  job.page_numbers = f10.numbering_check->CheckValue() == 1;
  return job;
}

void WriteReport(App& app, report::ReportSurface& out, const report::PrintJob& job,
                 report::Beeper& beeper) {
  if (job.both_cases) {
    WriteBothCasesReport(app, out, job, beeper);
    return;
  }
  const Selections sel = ReadSelections(app);
  const report::ReportInputs inputs = ReportInputsOf(app);
  report::ReportContext ctx{out, app.dc(), sel, inputs, beeper};
  report::PrintReport(job, ctx);
}

Preview::Preview(App& app, ReportDevices& devices)
    : app_(app),
      devices_(devices),
      page_(devices.Page()),
      slots_(std::make_unique<std::array<Slot, kPages>>()) {
  for (int page = 1; page <= kPages; ++page) {
    SlotOf(page).name = kWindows[page - 1];
    app_.windows().Register(kWindows[page - 1], [this, page](ui::Window& w) { Define(w, page); });
  }
  app_.commands.file_image = [this] { FileImage(); };
  app_.commands.file_print = [this] { FilePrint(); };
}

Preview::~Preview() {
  app_.commands.file_image = nullptr;
  app_.commands.file_print = nullptr;
}

Preview::Slot& Preview::SlotOf(int page) { return (*slots_)[static_cast<std::size_t>(page - 1)]; }

const Preview::Slot* Preview::SlotOf(const std::string& window) const {
  for (const Slot& s : *slots_) {
    if (s.name == window) return &s;
  }
  return nullptr;
}

const report::RecordedPage* Preview::Picture(const std::string& window) const {
  const Slot* s = SlotOf(window);
  return s != nullptr ? s->picture.Page() : nullptr;
}

ScrollSteps Preview::Steps(const std::string& window, const std::string& bar) const {
  const Slot* s = SlotOf(window);
  if (s == nullptr) return {};
  return bar == "HScroll1" ? s->h : s->v;
}

void Preview::Notify(const std::string& window) {
  if (on_picture_changed) on_picture_changed(window);
}

void Preview::Define(ui::Window& w, int page) {
  Slot& slot = SlotOf(page);
  // A window loaded anew starts with an empty picture.
  slot.picture = PagePicture{};
  w.SetCaption(kCaptions[page - 1]);
  w.width = kViewportWidth + kBarThickness + ui::kClassicFrameWidth;
  w.height = kViewportHeight + kBarThickness + ui::kClassicFrameHeight;
  PreviewWindow& p = w.Attach(std::make_unique<PreviewWindow>(w));

  // The menu bar: the other pages, printing, PDF and closing. Form4's 印刷
  // is named Men_Pre, as the window has always had it.
  switch (page) {
    case 1:
      AddMenu(w, "Men_Nex", kNext).on_click = [this] { ShowPage(2, true); };
      AddMenu(w, "Men_Pre", kPrint).on_click = [this] { PrintMenu(); };
      break;
    case 2:
      AddMenu(w, "Men_Pre", kPrev).on_click = [this] { ShowPage(1, false); };
      AddMenu(w, "Men_Nex", kNext).on_click = [this] { ShowPage(3, true); };
      AddMenu(w, "Men_Prn", kPrint).on_click = [this] { PrintMenu(); };
      break;
    default:
      AddMenu(w, "Men_Pre", kPrev).on_click = [this, page] { ShowPage(page - 1, false); };
      if (page < kPages) {
        AddMenu(w, "Men_Nex", kNext).on_click = [this, page] { ShowPage(page + 1, true); };
      }
      AddMenu(w, "Men_Prn", kPrint).on_click = [this] { PrintMenu(); };
      break;
  }
  AddMenu(w, "Men_Pdf", kPdf).on_click = [this] { PdfMenu(); };
  AddMenu(w, "Men_Cls", kClose).on_click = [this, page] { ClosePreview(page); };

  p.viewport = w.Add("Picture1", ControlKind::kPicture);
  p.viewport->width = kViewportWidth;
  p.viewport->height = kViewportHeight;
  // The page picture is as large as the paper; the viewport shows part of it.
  p.picture = w.Add("Picture2", ControlKind::kPicture, "Picture1");
  p.picture->width = page_.paper_width;
  p.picture->height = page_.paper_height;
  p.picture->SetBackColor(0xFFFFFF);
  p.horizontal_bar = w.Add("HScroll1", ControlKind::kScrollBar);
  ui::Control& h = p.horizontal_bar;
  h.top = kViewportHeight;
  h.width = kViewportWidth;
  h.height = kBarThickness;
  p.vertical_bar = w.Add("VScroll1", ControlKind::kScrollBar);
  ui::Control& v = p.vertical_bar;
  v.left = kViewportWidth;
  v.width = kBarThickness;
  v.height = kViewportHeight;
  h.scroll_max = std::max(0, p.picture->width - p.viewport->width);
  v.scroll_max = std::max(0, p.picture->height - p.viewport->height);
  slot.h = StepsFor(h.scroll_max);
  slot.v = StepsFor(v.scroll_max);

  const std::string name = w.name();
  h.on_change = [this, &p, name] {
    p.picture->left = -p.horizontal_bar->ScrollValue();
    Notify(name);
  };
  v.on_change = [this, &p, name] {
    p.picture->top = -p.vertical_bar->ScrollValue();
    Notify(name);
  };

  // However a preview window goes (閉じる or its close box), the toolbar
  // comes back once no preview page is on screen, so it can never stay
  // hidden without a window to bring it back.
  w.on_unload = [this, name] {
    for (const char* other : kWindows) {
      if (name != other && Shown(app_, other)) return;
    }
    SetToolbarVisible(app_, true);
  };
}

bool Preview::ReadyToDraw() {
  if (!app_.results().valid()) {
    app_.ErrorMessage(kMsgResultsOutdated);
    return false;
  }
  const std::string problem = devices_.FontProblem();
  if (!problem.empty()) {
    app_.ErrorMessage(problem);
    return false;
  }
  return true;
}

void Preview::FileImage() {
  if (!ReadyToDraw()) return;
  SetToolbarVisible(app_, false);
  ShowPage(1, true);
}

// Shows the preview window of `page` at the top-left corner in place of the
// one on screen (one page at a time, also when 印刷ｲﾒｰｼﾞ is chosen again
// while a later page is shown); `draw` draws the page anew (page 2 collects the inputs
// first), otherwise the picture stays as it was drawn.
void Preview::ShowPage(int page, bool draw) {
  if (draw && page > 1 && !ReadyToDraw()) return;
  for (const char* other : kWindows) {
    if (other != kWindows[page - 1] && Shown(app_, other)) app_.Form(other).Hide();
  }
  ui::Window& w = app_.Form(kWindows[page - 1]);
  w.Move(0, 0);
  w.Show();
  if (!draw) return;
  if (page == 2) Suti(app_);
  Slot& slot = SlotOf(page);
  slot.picture.twips_per_point = devices_.LineTwipsPerPoint();
  const Selections sel = ReadSelections(app_);
  const report::ReportInputs inputs = ReportInputsOf(app_);
  PlatformBeeper beeper(app_.platform());
  report::ReportContext ctx{slot.picture, app_.dc(), sel, inputs, beeper};
  report::DrawPreviewPage(page, ctx);
  Notify(w.name());
}

bool Preview::TurnPage(const std::string& window, int delta) {
  const auto* it = std::find(std::begin(kWindows), std::end(kWindows), window);
  if (it == std::end(kWindows)) return false;
  const int page = static_cast<int>(it - std::begin(kWindows)) + 1;
  const int last = static_cast<int>(std::size(kWindows));
  const int target = std::clamp(page + delta, 1, last);
  if (target == page) return false;
  if (target < page) {
    ShowPage(target, false);
    return true;
  }
  // Forward one page after another, as 次のページ goes.
  for (int p = page + 1; p <= target; ++p) {
    if (p > 1 && !ReadyToDraw()) return false;
    ShowPage(p, true);
  }
  return true;
}

void Preview::ClosePreview(int page) {
  // Each page closes itself and the pages before it.
  for (int p = page; p >= 1; --p) app_.windows().Unload(kWindows[p - 1]);
  SetToolbarVisible(app_, true);
}

void Preview::PrintMenu() {
  if (!app_.results().valid()) {
    app_.ErrorMessage(kMsgResultsOutdated);
    return;
  }
  app_.Form(kForm10).ShowModal();
}

void Preview::PdfMenu() {
  if (!app_.results().valid()) {
    app_.ErrorMessage(kMsgResultsOutdated);
    return;
  }
  pdf_target_ = true;
  app_.Form(kForm10).ShowModal();
  pdf_target_ = false;
}

void Preview::FilePrint() {
  if (!ReadyToDraw()) return;
  const report::PrintJob job = PrintJobOf(app_);
  if (pdf_target_) {
    PrintToPdf(job);
    return;
  }
  if (!app_.platform().PrinterDialog()) return;
  std::string error;
  std::unique_ptr<ReportDocument> doc = devices_.OpenPrinter(error);
  if (doc == nullptr) {
    if (!error.empty()) app_.ErrorMessage(error);
    return;
  }
  PlatformBeeper beeper(app_.platform());
  WriteReport(app_, doc->surface(), job, beeper);
  error = doc->Finish();
  if (!error.empty()) app_.ErrorMessage(error);
}

void Preview::PrintToPdf(const report::PrintJob& job) {
  ui::FileDialogRequest request;
  request.title = kPdfTitle;
  request.filter = kPdfFilter;
  request.default_ext = kPdfExtension;
  const OutputStart start = OutputDialogStart(app_, ".pdf", kPdfDefaultName);
  request.initial_dir = start.folder;
  request.file_name = start.name;
  std::optional<std::string> path = app_.platform().SaveFileDialog(request);
  if (!path || path->empty()) return;
  if (!EndsWithPdf(*path)) *path += ".pdf";
  // A target that is refused anyway is not offered for replacing.
  std::string error = devices_.PdfTargetProblem(*path);
  if (!error.empty()) {
    app_.ErrorMessage(error);
    return;
  }
  if (!ConfirmReplace(app_, *path)) return;
  std::unique_ptr<ReportDocument> doc = devices_.OpenPdf(*path, error);
  if (doc == nullptr) {
    if (!error.empty()) app_.ErrorMessage(error);
    return;
  }
  // A file makes no sound: the failing lines are in the NG colour.
  report::SilentBeeper silent;
  WriteReport(app_, doc->surface(), job, silent);
  error = doc->Finish();
  if (!error.empty()) {
    app_.ErrorMessage(error);
    return;
  }
  NoteOutputWritten(app_, "計算書", *path);
}

}  // namespace varnholt::forms

#include "ui/qt/book_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <filesystem>

#include "book/book_output.h"
#include "book/book_pages.h"
#include "book/book_tables.h"
#include "project/document.h"
#include "project/file_commands.h"
#include "project/file_io.h"
#include "project/report_output.h"
#include "ui/forms/app.h"
#include "ui/forms/output_files.h"
#include "ui/qt/icons.h"
#include "ui/qt/preview_window.h"
#include "ui/qt/report_devices.h"
#include "ui/qt/text_offsets.h"

namespace varnholt::desktop {
namespace {

constexpr const char* kCaption = "計算書一式";
constexpr const char* kUntitled = "無題";
constexpr const char* kBookFilter = "計算書一式(*.vrhbook)|*.vrhbook";
constexpr const char* kProjectFilter = "Varnholt(.vrh)|*.vrh";
constexpr const char* kPdfFilter = "PDF(*.pdf)|*.pdf";
constexpr const char* kSheetFilter = "Excel(*.xlsx)|*.xlsx|CSV(*.csv)|*.csv";
constexpr const char* kAskSave = "計算書一式の変更を保存しますか?";
constexpr const char* kAskSaveDesign =
    "計算書一式には保存されたファイルを加えます。設計を保存しますか?";
constexpr const char* kNoMember = "壁が一つもありません。";
constexpr const char* kCalculating = "計算書一式を計算しています…";
constexpr const char* kCancel = "中止";
constexpr const char* kUnreadable = "読み込めません";
constexpr const char* kNotComputed = "計算できません";
constexpr const char* kProgram = "Varnholt " VARNHOLT_VERSION;

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

bool EndsWith(const std::string& s, const char* ext) {
  const std::string e(ext);
  if (s.size() < e.size()) return false;
  std::string tail = s.substr(s.size() - e.size());
  for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return tail == e;
}

std::string Absolute(const std::string& path) {
  return QDir::cleanPath(QFileInfo(ToQ(path)).absoluteFilePath()).toStdString();
}

const book::CaseChoice kChoices[] = {book::CaseChoice::kSaved, book::CaseChoice::kNormal,
                                     book::CaseChoice::kSeismic, book::CaseChoice::kBoth};

// The book's pages one at a time, with the page keys and buttons.
class BookPreview : public QDialog {
 public:
  BookPreview(std::vector<report::RecordedPage> pages, const QtReportDevices& devices,
              QWidget* parent)
      : QDialog(parent), pages_(std::move(pages)), devices_(devices) {
    setObjectName("book_preview");
    setWindowTitle(Q(kCaption) + Q(" - 印刷ｲﾒｰｼﾞ"));
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    auto* previous = new QPushButton(Q("前頁"), this);
    auto* next = new QPushButton(Q("次頁"), this);
    auto* close = new QPushButton(Q("閉じる"), this);
    page_label_ = new QLabel(this);
    bar->addWidget(previous);
    bar->addWidget(next);
    bar->addWidget(page_label_);
    bar->addStretch();
    bar->addWidget(close);
    layout->addLayout(bar);
    picture_ = new QLabel(this);
    picture_->setMinimumSize(420, 594);
    picture_->setAlignment(Qt::AlignCenter);
    layout->addWidget(picture_, 1);
    connect(previous, &QPushButton::clicked, this, [this] { Turn(-1); });
    connect(next, &QPushButton::clicked, this, [this] { Turn(1); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    resize(640, 900);
    Turn(0);
  }
  int page() const { return index_; }

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    if (e->key() == Qt::Key_PageDown || e->key() == Qt::Key_Right) return Turn(1);
    if (e->key() == Qt::Key_PageUp || e->key() == Qt::Key_Left) return Turn(-1);
    if (e->key() == Qt::Key_Home) return Turn(-index_);
    if (e->key() == Qt::Key_End) return Turn(static_cast<int>(pages_.size()) - 1 - index_);
    QDialog::keyPressEvent(e);
  }
  void resizeEvent(QResizeEvent* e) override {
    QDialog::resizeEvent(e);
    Draw();
  }

 private:
  void Turn(int delta) {
    index_ = std::clamp(index_ + delta, 0, std::max(0, static_cast<int>(pages_.size()) - 1));
    page_label_->setText(QString("%1 / %2").arg(index_ + 1).arg(pages_.size()));
    Draw();
  }
  void Draw() {
    if (pages_.empty() || picture_ == nullptr) return;
    const forms::PageGeometry g = devices_.Page();
    QSize size = picture_->size();
    // The paper's proportions inside the picture.
    size.setWidth(std::min(size.width(), size.height() * g.paper_width / g.paper_height));
    size.setHeight(size.width() * g.paper_height / g.paper_width);
    picture_->setPixmap(RenderPage(&pages_[static_cast<std::size_t>(index_)], g, devices_, size,
                                   devicePixelRatioF()));
  }

  std::vector<report::RecordedPage> pages_;
  const QtReportDevices& devices_;
  QLabel* picture_ = nullptr;
  QLabel* page_label_ = nullptr;
  int index_ = 0;
};

}  // namespace

BookWindow::BookWindow(forms::App& app, QtReportDevices& devices, QWidget* parent)
    : QWidget(parent, Qt::Window), app_(app), devices_(devices) {
  setObjectName(kBookWindowName);
  setWindowIcon(ProgramIcon());
  Build();
  connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &BookWindow::MemberChanged);
  Refill();
}

BookWindow::~BookWindow() = default;

void BookWindow::Build() {
  auto* layout = new QVBoxLayout(this);
  auto* files = new QHBoxLayout;
  const auto button = [this](QBoxLayout* row, const char* text, const char* name, auto slot) {
    auto* b = new QPushButton(Q(text), this);
    b->setObjectName(name);
    connect(b, &QPushButton::clicked, this, slot);
    row->addWidget(b);
    return b;
  };
  button(files, "新規", "book_new", [this] { OnNew(); });
  button(files, "開く…", "book_open", [this] { OnOpen(); });
  button(files, "保存", "book_save", [this] { OnSave(false); });
  button(files, "名前を付けて保存…", "book_save_as", [this] { OnSave(true); });
  file_label_ = new QLabel(this);
  files->addWidget(file_label_, 1);
  layout->addLayout(files);

  auto* cover = new QFormLayout;
  const auto line = [this, cover](const char* label, const char* name) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    cover->addRow(Q(label), edit);
    connect(edit, &QLineEdit::textEdited, this, [this] { Changed(); });
    return edit;
  };
  title_ = line("工事名", "book_title");
  client_ = line("発注者", "book_client");
  designer_ = line("設計者", "book_designer");
  date_ = line("日付", "book_date");
  layout->addLayout(cover);

  table_ = new QTableWidget(0, 4, this);
  table_->setObjectName("book_members");
  table_->setHorizontalHeaderLabels({Q("記号"), Q("ファイル"), Q("ケース"), Q("判定")});
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->verticalHeader()->setVisible(false);
  connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { OnOpenInEditor(); });
  layout->addWidget(table_, 1);

  auto* members = new QHBoxLayout;
  button(members, "現在の設計を追加", "book_add_current", [this] { OnAddCurrent(); });
  button(members, "ファイルを追加…", "book_add_files", [this] { OnAddFiles(); });
  button(members, "削除", "book_remove", [this] { Remove(CurrentRow()); });
  button(members, "上へ", "book_up", [this] { Move(CurrentRow(), -1); });
  button(members, "下へ", "book_down", [this] { Move(CurrentRow(), 1); });
  button(members, "編集画面で開く", "book_edit", [this] { OnOpenInEditor(); });
  members->addStretch();
  layout->addLayout(members);

  auto* outputs = new QHBoxLayout;
  outputs->addStretch();
  button(outputs, "印刷ｲﾒｰｼﾞ", "book_preview", [this] { OnPreview(); });
  button(outputs, "印刷", "book_print", [this] { OnPrint(); });
  button(outputs, "PDF出力", "book_pdf", [this] { OnPdf(); });
  button(outputs, "Excel出力", "book_sheet", [this] { OnSheet(); });
  layout->addLayout(outputs);
  resize(760, 480);
}

// ------------------------------------------------------------ the list

book::Book BookWindow::CurrentBook() const {
  book::Book b;
  b.title = FromQ(title_->text());
  b.client = FromQ(client_->text());
  b.designer = FromQ(designer_->text());
  b.date = FromQ(date_->text());
  const QDir folder = path_.empty() ? QDir() : QFileInfo(ToQ(path_)).absoluteDir();
  for (const Entry& e : entries_) {
    // Relative to the book's folder once it has one, as the file keeps it.
    b.members.push_back(
        {path_.empty() ? e.path : FromQ(folder.relativeFilePath(ToQ(e.path))), e.cases});
  }
  return b;
}

void BookWindow::Recalculate(Entry& e) {
  book::Book one;
  one.members.push_back({e.path, e.cases});
  const book::BookLoad load = book::LoadMembers(one, "");
  e.problem.clear();
  if (!load.ok) {
    e.symbol.clear();
    e.verdict = Q(kUnreadable);
    e.problem = ToQ(load.error);
    return;
  }
  e.symbol = ToQ(load.book.members.front().symbol);
  const book::BookResult result = book::CalculateBook(load.book);
  QStringList parts;
  for (const book::BookRow& r : result.rows) {
    const std::string verdict = !r.computed ? kNotComputed : r.ok ? "O.K" : "NG";
    parts << ToQ(book::CaseLabel(r) + " " + verdict);
    if (!r.computed) e.problem = ToQ(r.reason);
  }
  e.verdict = parts.join(Q("　"));
}

void BookWindow::Refill() {
  filling_ = true;
  const int current = CurrentRow();
  table_->setRowCount(static_cast<int>(entries_.size()));
  for (int i = 0; i < static_cast<int>(entries_.size()); ++i) {
    const Entry& e = entries_[static_cast<std::size_t>(i)];
    auto* symbol = new QTableWidgetItem(e.symbol);
    auto* file = new QTableWidgetItem(QFileInfo(ToQ(e.path)).fileName());
    file->setToolTip(ToQ(e.path));
    auto* verdict = new QTableWidgetItem(e.verdict);
    verdict->setToolTip(e.problem);
    if (!e.problem.isEmpty() || e.verdict.contains("NG")) verdict->setForeground(Qt::red);
    table_->setItem(i, 0, symbol);
    table_->setItem(i, 1, file);
    table_->setItem(i, 3, verdict);
    auto* cases = new QComboBox(table_);
    for (book::CaseChoice c : kChoices) cases->addItem(Q(book::CaseChoiceLabel(c)));
    cases->setCurrentIndex(static_cast<int>(e.cases));
    connect(cases, &QComboBox::currentIndexChanged, this, [this, i](int index) {
      if (!filling_ && index >= 0) SetCases(i, kChoices[index]);
    });
    table_->setCellWidget(i, 2, cases);
  }
  table_->resizeColumnsToContents();
  if (current >= 0 && current < table_->rowCount()) table_->selectRow(current);
  setWindowTitle((path_.empty() ? Q(kUntitled) : QFileInfo(ToQ(path_)).fileName()) +
                 (modified_ ? Q(" *") : QString()) + " - " + Q(kCaption));
  file_label_->setText(path_.empty() ? QString() : QDir::toNativeSeparators(ToQ(path_)));
  filling_ = false;
  Watch();
}

void BookWindow::Changed() {
  modified_ = true;
  Refill();
}

void BookWindow::Watch() {
  if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
  QStringList files;
  for (const Entry& e : entries_)
    if (QFileInfo::exists(ToQ(e.path))) files << ToQ(e.path);
  if (!files.isEmpty()) watcher_.addPaths(files);
}

void BookWindow::MemberChanged(const QString& file) {
  // A save replaces the file: it is watched again by Refill.
  for (Entry& e : entries_)
    if (ToQ(e.path) == file) Recalculate(e);
  Refill();
}

int BookWindow::CurrentRow() const { return table_ == nullptr ? -1 : table_->currentRow(); }

void BookWindow::NewBook() {
  entries_.clear();
  path_.clear();
  for (QLineEdit* e : {title_, client_, designer_, date_}) e->clear();
  modified_ = false;
  Refill();
}

std::string BookWindow::OpenBook(const std::string& path) {
  const book::BookParse parsed = book::ReadBookFile(path);
  if (!parsed.ok) return parsed.error;
  entries_.clear();
  path_ = Absolute(path);
  title_->setText(ToQ(parsed.book.title));
  client_->setText(ToQ(parsed.book.client));
  designer_->setText(ToQ(parsed.book.designer));
  date_->setText(ToQ(parsed.book.date));
  for (const book::BookMember& m : parsed.book.members) {
    Entry e{book::MemberPath(path_, m.file), m.cases, {}, {}, {}};
    Recalculate(e);
    entries_.push_back(std::move(e));
  }
  modified_ = false;
  Refill();
  return {};
}

std::string BookWindow::SaveBook(const std::string& path) {
  const std::string full = Absolute(path);
  for (const Entry& e : entries_) {
    if (project::SameFile(e.path, full))
      return "計算書一式ファイル「" + path + "」は壁のファイルです。別の名前を指定してください。";
  }
  const std::string previous = path_;
  path_ = full;
  const std::string failed = book::SaveBookFile(full, CurrentBook());
  if (!failed.empty()) {
    path_ = previous;
    return failed;
  }
  modified_ = false;
  Refill();
  return {};
}

void BookWindow::AddFile(const std::string& path, book::CaseChoice cases) {
  Entry e{Absolute(path), cases, {}, {}, {}};
  Recalculate(e);
  entries_.push_back(std::move(e));
  Changed();
  table_->selectRow(static_cast<int>(entries_.size()) - 1);
}

void BookWindow::Remove(int row) {
  if (row < 0 || row >= static_cast<int>(entries_.size())) return;
  entries_.erase(entries_.begin() + row);
  Changed();
}

void BookWindow::Move(int row, int delta) {
  const int to = row + delta;
  if (row < 0 || to < 0 || row >= static_cast<int>(entries_.size()) ||
      to >= static_cast<int>(entries_.size()))
    return;
  std::swap(entries_[static_cast<std::size_t>(row)], entries_[static_cast<std::size_t>(to)]);
  Changed();
  table_->selectRow(to);
}

void BookWindow::SetCases(int row, book::CaseChoice cases) {
  if (row < 0 || row >= static_cast<int>(entries_.size())) return;
  Entry& e = entries_[static_cast<std::size_t>(row)];
  if (e.cases == cases) return;
  e.cases = cases;
  Recalculate(e);
  Changed();
}

bool BookWindow::ConfirmDiscard() {
  if (!modified_) return true;
  ui::MessageBoxRequest ask;
  ask.text = kAskSave;
  ask.buttons = ui::MsgButtons::kSaveDiscardCancel;
  ask.icon = ui::MsgIcon::kExclamation;
  switch (app_.platform().MessageBox(ask)) {
    case ui::MsgResult::kYes:
    case ui::MsgResult::kOk:
      return OnSave(false);
    case ui::MsgResult::kNo:
      return true;
    default:
      return false;
  }
}

void BookWindow::closeEvent(QCloseEvent* event) {
  if (ConfirmDiscard()) {
    event->accept();
  } else {
    event->ignore();
  }
}

// ------------------------------------------------------------ the book

book::BookLoad BookWindow::Load() const {
  if (entries_.empty()) return {false, kNoMember, {}};
  return book::LoadMembers(CurrentBook(), path_);
}

book::BookResult BookWindow::Calculate(const book::LoadedBook& loaded,
                                       const book::BookOptions& options, bool& cancelled) {
  QProgressDialog progress(Q(kCalculating), Q(kCancel), 0, static_cast<int>(loaded.members.size()),
                           this);
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(kProgressDelayMs);
  book::BookResult result =
      book::CalculateBook(loaded, options, [&progress](std::size_t done, std::size_t) {
        progress.setValue(static_cast<int>(done));
        return !progress.wasCanceled();
      });
  cancelled = result.cancelled;
  return result;
}

book::BookResult BookWindow::CalculatePages(const book::LoadedBook& loaded, bool& cancelled) {
  book::BookOptions options;
  options.record_pages = true;
  options.line_twips_per_point = devices_.LineTwipsPerPoint();
  return Calculate(loaded, options, cancelled);
}

std::vector<report::RecordedPage> BookWindow::BookPages(std::string& error) {
  const book::BookLoad load = Load();
  if (!load.ok) {
    error = load.error;
    return {};
  }
  bool cancelled = false;
  const book::BookResult result = CalculatePages(load.book, cancelled);
  if (cancelled) return {};
  report::RecordingSurface pages(0);
  book::DrawBook(result, {kProgram}, pages);
  return pages.pages();
}

// A target that is refused anyway is not offered for replacing.
std::string BookWindow::TargetProblem(const std::string& path) const {
  const book::BookLoad load = Load();
  return load.ok ? book::BookTargetProblem(path, load.book) : load.error;
}

std::string BookWindow::WritePdf(const std::string& path) {
  const book::BookLoad load = Load();
  if (!load.ok) return load.error;
  if (const std::string problem = book::BookTargetProblem(path, load.book); !problem.empty())
    return problem;
  if (const std::string font = devices_.FontProblem(); !font.empty()) return font;
  bool cancelled = false;
  const book::BookResult result = CalculatePages(load.book, cancelled);
  if (cancelled) return {};
  std::string error;
  std::unique_ptr<forms::ReportDocument> doc = devices_.OpenPdf(path, error);
  if (doc == nullptr) return error;
  book::DrawBook(result, {kProgram}, doc->surface());
  return doc->Finish();
}

std::string BookWindow::WriteSheet(const std::string& path) {
  const book::BookLoad load = Load();
  if (!load.ok) return load.error;
  if (const std::string problem = book::BookTargetProblem(path, load.book); !problem.empty())
    return problem;
  bool cancelled = false;
  const book::BookResult result = Calculate(load.book, {}, cancelled);
  if (cancelled) return {};
  std::string bytes;
  if (EndsWith(path, ".csv")) {
    bytes = book::BookCsv(result);
  } else {
    const tables::XlsxResult xlsx = book::BookXlsx(result);
    if (!xlsx.ok) return "ファイル「" + path + "」を作成できませんでした。\n" + xlsx.error;
    bytes = xlsx.bytes;
  }
  return project::SaveReportFile(path, bytes);
}

void BookWindow::Error(const std::string& message) {
  if (!message.empty()) app_.ErrorMessage(message);
}

// ------------------------------------------------------------ buttons

namespace {

ui::FileDialogRequest Request(const char* title, const char* filter, const char* ext,
                              const std::string& near) {
  ui::FileDialogRequest r;
  r.title = title;
  r.filter = filter;
  r.default_ext = ext;
  if (!near.empty()) r.initial_dir = std::filesystem::path(near).parent_path().string();
  return r;
}

}  // namespace

void BookWindow::OnNew() {
  if (ConfirmDiscard()) NewBook();
}

void BookWindow::OnOpen() {
  if (!ConfirmDiscard()) return;
  const auto path =
      app_.platform().OpenFileDialog(Request("計算書一式を開く", kBookFilter, "vrhbook", path_));
  if (path && !path->empty()) Error(OpenBook(*path));
}

bool BookWindow::OnSave(bool ask_name) {
  std::string path = path_;
  if (ask_name || path.empty()) {
    auto request = Request("計算書一式を保存", kBookFilter, "vrhbook", path_);
    request.file_name =
        path_.empty() ? "計算書一式.vrhbook" : QFileInfo(ToQ(path_)).fileName().toStdString();
    const auto chosen = app_.platform().SaveFileDialog(request);
    if (!chosen || chosen->empty()) return false;
    path = *chosen;
    if (!EndsWith(path, ".vrhbook")) path += ".vrhbook";
    if (!forms::ConfirmReplace(app_, path)) return false;
  }
  const std::string failed = SaveBook(path);
  Error(failed);
  return failed.empty();
}

void BookWindow::OnAddCurrent() {
  if (!project::DesignOpen(app_)) return;
  if (app_.current_file.empty() || project::Modified(app_)) {
    ui::MessageBoxRequest ask;
    ask.text = kAskSaveDesign;
    ask.buttons = ui::MsgButtons::kYesNo;
    ask.icon = ui::MsgIcon::kQuestion;
    if (app_.platform().MessageBox(ask) != ui::MsgResult::kYes) return;
    if (!project::FileUpdate(app_) || app_.current_file.empty()) return;
  }
  AddFile(app_.current_file);
}

void BookWindow::OnAddFiles() {
  const auto path =
      app_.platform().OpenFileDialog(Request("計算書一式に加える", kProjectFilter, "vrh", path_));
  if (path && !path->empty()) AddFile(*path);
}

void BookWindow::OnOpenInEditor() {
  const int row = CurrentRow();
  if (row < 0 || row >= static_cast<int>(entries_.size())) return;
  project::OpenFileAsked(app_, entries_[static_cast<std::size_t>(row)].path);
}

void BookWindow::OnPreview() {
  std::string error;
  std::vector<report::RecordedPage> pages = BookPages(error);
  if (pages.empty()) return Error(error);
  BookPreview preview(std::move(pages), devices_, this);
  preview.exec();
}

void BookWindow::OnPrint() {
  const book::BookLoad load = Load();
  if (!load.ok) return Error(load.error);
  if (const std::string font = devices_.FontProblem(); !font.empty()) return Error(font);
  if (!app_.platform().PrinterDialog()) return;
  bool cancelled = false;
  const book::BookResult result = CalculatePages(load.book, cancelled);
  if (cancelled) return;
  std::string error;
  std::unique_ptr<forms::ReportDocument> doc = devices_.OpenPrinter(error);
  if (doc == nullptr) return Error(error);
  book::DrawBook(result, {kProgram}, doc->surface());
  Error(doc->Finish());
}

void BookWindow::OnPdf() {
  auto request = Request("PDF出力", kPdfFilter, "pdf", path_);
  request.file_name =
      path_.empty() ? "計算書一式.pdf" : std::filesystem::path(path_).stem().string() + ".pdf";
  auto path = app_.platform().SaveFileDialog(request);
  if (!path || path->empty()) return;
  if (!EndsWith(*path, ".pdf")) *path += ".pdf";
  if (const std::string problem = TargetProblem(*path); !problem.empty()) return Error(problem);
  if (!forms::ConfirmReplace(app_, *path)) return;
  Error(WritePdf(*path));
}

void BookWindow::OnSheet() {
  auto request = Request("Excel出力", kSheetFilter, "xlsx", path_);
  request.file_name =
      path_.empty() ? "総括表.xlsx" : std::filesystem::path(path_).stem().string() + ".xlsx";
  auto path = app_.platform().SaveFileDialog(request);
  if (!path || path->empty()) return;
  if (!EndsWith(*path, ".xlsx") && !EndsWith(*path, ".csv")) *path += ".xlsx";
  if (const std::string problem = TargetProblem(*path); !problem.empty()) return Error(problem);
  if (!forms::ConfirmReplace(app_, *path)) return;
  Error(WriteSheet(*path));
}

}  // namespace varnholt::desktop

#include "ui/qt/section_table_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

#include "calc/format.h"
#include "project/report_output.h"
#include "report/qt/pdf_document.h"
#include "report/qt/qt_surface.h"
#include "report/recording_surface.h"
#include "report/replay.h"
#include "report/section_table.h"
#include "tables/table.h"
#include "ui/forms/app.h"
#include "ui/forms/output_files.h"
#include "ui/qt/report_devices.h"

namespace varnholt::desktop {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QDoubleSpinBox* Spin(double value) {
  auto* box = new QDoubleSpinBox;
  box->setDecimals(2);
  box->setRange(0, 100);
  box->setSingleStep(0.5);
  box->setValue(value);
  return box;
}

// A cell's text as the table's columns show it.
QString CellText(const tables::Cell& c, const tables::Column& column) {
  switch (c.kind) {
    case tables::Cell::Kind::kNumber:
      return column.decimals < 0 ? Q(tables::ExactNumberText(c.number))
                                 : Q(FormatFixed(c.number, column.decimals, column.decimals));
    case tables::Cell::Kind::kText:
      return Q(c.text);
    case tables::Cell::Kind::kEmpty:
      break;
  }
  return {};
}

// The pages of the table drawn on A4 at `width` pixels.
QPixmap PagePicture(const report::RecordedPage& page, const report::qt::ReportFont& font,
                    int width) {
  const report::qt::PageTwips a4 = report::qt::ReportPageTwips();
  const int height = static_cast<int>(width * a4.paper_height / a4.paper_width);
  QPixmap pixmap(width, height);
  pixmap.fill(Qt::white);
  QPainter painter(&pixmap);
  report::qt::DeviceFrame frame;
  frame.dpi_x = frame.dpi_y = width * report::qt::kTwipsPerInch / a4.paper_width;
  frame.origin = QPointF(a4.left * frame.dpi_x / report::qt::kTwipsPerInch,
                         a4.top * frame.dpi_y / report::qt::kTwipsPerInch);
  frame.printable = QSizeF(a4.width, a4.height);
  frame.min_pen = 1;
  frame.font_dpi = pixmap.logicalDpiY();
  report::qt::QtReportSurface surface(painter, frame, font);
  report::Replay(page, surface);
  return pixmap;
}

}  // namespace

SectionTableDialog::SectionTableDialog(forms::App& app, QtPlatform& platform,
                                       std::vector<sizing::DesignInput> cases,
                                       sizing::Variables variables, QWidget* parent)
    : QDialog(parent), app_(app), platform_(platform) {
  setWindowTitle("標準断面表");
  request_.cases = std::move(cases);
  request_.variables = variables;
  auto* layout = new QVBoxLayout(this);
  auto* heights = new QGridLayout;
  const double h = request_.cases.front().dc.Calc[calc::kHeightH];
  from_ = Spin(std::max(0.5, h - 1));
  to_ = Spin(h + 1);
  step_ = Spin(0.5);
  // Each box says what it is, as the windows' input boxes do.
  const std::pair<QDoubleSpinBox*, const char*> guides[] = {
      {from_, "高さ h (m) の最小：表はこの高さから始まります"},
      {to_, "高さ h (m) の最大：表はこの高さまで作ります"},
      {step_, "高さ h (m) の刻み"}};
  for (const auto& [box, text] : guides) {
    box->setToolTip(Q(text));
    box->setStatusTip(box->toolTip());
  }
  heights->addWidget(new QLabel("高さ h (m)"), 0, 0);
  heights->addWidget(new QLabel("から"), 0, 2);
  heights->addWidget(new QLabel("まで"), 0, 4);
  heights->addWidget(new QLabel("刻み"), 0, 5);
  heights->addWidget(from_, 0, 1);
  heights->addWidget(to_, 0, 3);
  heights->addWidget(step_, 0, 6);
  calculate_ = new QPushButton("計算");
  heights->addWidget(calculate_, 0, 7);
  layout->addLayout(heights);
  auto* running = new QHBoxLayout;
  progress_ = new QProgressBar;
  stop_ = new QPushButton("中止");
  progress_->hide();
  stop_->hide();
  running->addWidget(progress_, 1);
  running->addWidget(stop_);
  layout->addLayout(running);
  message_ = new QLabel("根入れ深さと天端の高さはそのまま、前面の出は前面勾配に合わせます。");
  message_->setWordWrap(true);
  layout->addWidget(message_);
  table_ = new QTableWidget;
  table_->verticalHeader()->hide();
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setMinimumSize(820, 240);
  layout->addWidget(table_, 1);

  auto* buttons = new QDialogButtonBox;
  const std::pair<const char*, std::function<void()>> outputs[] = {
      {"プレビュー", [this] { Preview(); }},
      {"印刷", [this] { Print(); }},
      {"PDF出力", [this] { Export("PDF|*.pdf", ".pdf", &SectionTableDialog::WritePdf); }},
      {"CSV出力", [this] { Export("CSV|*.csv", ".csv", &SectionTableDialog::WriteCsv); }},
      {"XLSX出力", [this] { Export("Excel|*.xlsx", ".xlsx", &SectionTableDialog::WriteXlsx); }}};
  for (const auto& [caption, act] : outputs) {
    QPushButton* b = buttons->addButton(caption, QDialogButtonBox::ActionRole);
    b->setEnabled(false);
    connect(b, &QPushButton::clicked, this, act);
    outputs_.push_back(b);
  }
  QPushButton* close = buttons->addButton("閉じる", QDialogButtonBox::RejectRole);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  layout->addWidget(buttons);
  connect(calculate_, &QPushButton::clicked, this, [this] { Calculate(); });
  connect(stop_, &QPushButton::clicked, this, [this] { cancel_ = true; });
  poll_.setInterval(50);
  connect(&poll_, &QTimer::timeout, this, [this] { Poll(); });
}

SectionTableDialog::~SectionTableDialog() {
  cancel_ = true;
  if (worker_.joinable()) worker_.join();
}

void SectionTableDialog::Calculate() {
  if (calculating()) return;
  request_.heights = {from_->value(), to_->value(), step_->value()};
  request_.cancel = &cancel_;
  request_.progress = [this](std::size_t done, std::size_t total) {
    done_ = done;
    total_ = total;
  };
  cancel_ = false;
  done_ = 0;
  total_ = 0;
  result_.reset();
  for (QPushButton* b : outputs_) b->setEnabled(false);
  calculate_->setEnabled(false);
  message_->setText("計算しています…");
  clock_.start();
  poll_.start();
  worker_ = std::thread([this] {
    pending_ = sizing::BuildSectionTable(request_);
    QMetaObject::invokeMethod(
        this, [this] { Finished(); }, Qt::QueuedConnection);
  });
}

void SectionTableDialog::Poll() {
  if (clock_.elapsed() < 500) return;
  progress_->show();
  stop_->show();
  const std::size_t total = total_;
  progress_->setMaximum(total > 0 ? 1000 : 0);
  if (total > 0) progress_->setValue(static_cast<int>(1000.0 * done_ / total));
}

void SectionTableDialog::Finished() {
  worker_.join();
  poll_.stop();
  progress_->hide();
  stop_->hide();
  calculate_->setEnabled(true);
  result_ = std::move(pending_);
  const bool made = result_->outcome == sizing::SizingOutcome::kFound ||
                    result_->outcome == sizing::SizingOutcome::kNotFound;
  for (QPushButton* b : outputs_) b->setEnabled(made);
  table_->clear();
  table_->setRowCount(0);
  if (!made) {
    message_->setText(Q(result_->message));
    result_.reset();
    return;
  }
  const tables::Table data = report::SectionTableData(*result_, request_);
  table_->setColumnCount(static_cast<int>(data.columns.size()));
  QStringList headings;
  for (const tables::Column& c : data.columns) headings << Q(tables::Heading(c));
  table_->setHorizontalHeaderLabels(headings);
  table_->setRowCount(static_cast<int>(data.rows.size()));
  for (std::size_t r = 0; r < data.rows.size(); ++r) {
    for (std::size_t c = 0; c < data.rows[r].size() && c < data.columns.size(); ++c) {
      const tables::Cell& cell = data.rows[r][c];
      auto* item = new QTableWidgetItem(CellText(cell, data.columns[c]));
      item->setTextAlignment(cell.kind == tables::Cell::Kind::kNumber
                                 ? Qt::AlignRight | Qt::AlignVCenter
                                 : Qt::AlignLeft | Qt::AlignVCenter);
      if (cell.ng) item->setForeground(Qt::red);
      table_->setItem(static_cast<int>(r), static_cast<int>(c), item);
    }
  }
  table_->resizeColumnsToContents();
  message_->setText(result_->outcome == sizing::SizingOutcome::kFound
                        ? "すべての高さで断面が決まりました。"
                        : "O.K となる断面のない高さがあります（赤の行）。");
}

std::string SectionTableDialog::Refused(const std::string& message) {
  if (!message.empty()) app_.ErrorMessage(message);
  return message;
}

std::string SectionTableDialog::WriteCsv(const std::string& path) {
  if (!result_) return {};
  const std::string problem = project::ReportTargetProblem(path, app_.current_file, "標準断面表");
  if (!problem.empty()) return Refused(problem);
  return Refused(project::SaveReportFile(
      path, tables::CsvBytes(report::SectionTableData(*result_, request_))));
}

std::string SectionTableDialog::WriteXlsx(const std::string& path) {
  if (!result_) return {};
  const std::string problem = project::ReportTargetProblem(path, app_.current_file, "標準断面表");
  if (!problem.empty()) return Refused(problem);
  const tables::XlsxResult xlsx = tables::XlsxBytes(report::SectionTableData(*result_, request_));
  if (!xlsx.ok) return Refused("ファイル「" + path + "」を作成できませんでした。\n" + xlsx.error);
  return Refused(project::SaveReportFile(path, xlsx.bytes));
}

std::string SectionTableDialog::WritePdf(const std::string& path) {
  if (!result_) return {};
  const std::string problem = project::ReportTargetProblem(path, app_.current_file, "標準断面表");
  if (!problem.empty()) return Refused(problem);
  const auto font = report::qt::FindReportFont();
  if (!font) return Refused(report::qt::kMsgNoReportFont);
  report::qt::PdfDocument pdf(*font);
  report::SilentBeeper silent;
  report::PrintSectionTable(pdf.surface(), *result_, request_, 1, silent);
  if (!pdf.finished()) return Refused(report::qt::PdfNotMadeMessage(path));
  const QByteArray& bytes = pdf.bytes();
  return Refused(project::SaveReportFile(
      path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
}

// The dialog starts in the project's folder with the project's name
// ("W-1_標準断面表.xlsx"); a written file is named in the dialog and in the
// main window's status bar.
void SectionTableDialog::Export(const char* filter, const char* extension,
                                std::string (SectionTableDialog::*write)(const std::string&)) {
  const std::string suffix = std::string("_標準断面表") + extension;
  const forms::OutputStart start =
      forms::OutputDialogStart(app_, suffix, "標準断面表" + std::string(extension));
  ui::FileDialogRequest request;
  request.title = "標準断面表の出力";
  request.filter = filter;
  request.default_ext = std::string(extension).substr(1);
  request.initial_dir = start.folder;
  request.file_name = start.name;
  const std::optional<std::string> path = app_.platform().SaveFileDialog(request);
  if (!path || path->empty()) return;
  // A target that is refused anyway is not offered for replacing.
  const std::string problem = project::ReportTargetProblem(*path, app_.current_file, "標準断面表");
  if (!problem.empty()) {
    Refused(problem);
    return;
  }
  if (!forms::ConfirmReplace(app_, *path)) return;
  const std::string& chosen = *path;
  if (!(this->*write)(chosen).empty()) return;
  forms::NoteOutputWritten(app_, "標準断面表", chosen);
  message_->setText(Q("出力しました：" + chosen));
}

void SectionTableDialog::Print() {
  if (!result_) return;
  QtReportDevices devices(platform_, app_);
  std::string error;
  std::unique_ptr<forms::ReportDocument> doc = devices.OpenPrinter(error);
  if (!doc) {
    Refused(error);
    return;
  }
  report::SilentBeeper silent;
  report::PrintSectionTable(doc->surface(), *result_, request_, 1, silent);
  Refused(doc->Finish());
}

void SectionTableDialog::Preview() {
  if (!result_) return;
  const auto font = report::qt::FindReportFont();
  if (!font) {
    Refused(report::qt::kMsgNoReportFont);
    return;
  }
  report::RecordingSurface recording;
  report::SilentBeeper silent;
  report::PrintSectionTable(recording, *result_, request_, 1, silent);
  QDialog preview(this);
  preview.setWindowTitle("標準断面表 - プレビュー");
  auto* layout = new QVBoxLayout(&preview);
  auto* scroll = new QScrollArea;
  auto* pages = new QWidget;
  auto* column = new QVBoxLayout(pages);
  for (const report::RecordedPage& page : recording.pages()) {
    auto* picture = new QLabel;
    picture->setPixmap(PagePicture(page, *font, 595));
    column->addWidget(picture);
  }
  scroll->setWidget(pages);
  layout->addWidget(scroll);
  preview.resize(660, 860);
  preview.exec();
}

}  // namespace varnholt::desktop

#include "ui/qt/sizing_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "calc/format.h"
#include "sizing/messages.h"
#include "ui/forms/app.h"
#include "ui/forms/both_cases.h"
#include "ui/forms/sizing_bridge.h"
#include "ui/qt/section_table_dialog.h"

namespace varnholt::desktop {
namespace {

// Progress and 中止 appear once a search has run this long.
constexpr int kShowProgressAfterMs = 500;

QString Q(const std::string& s) { return QString::fromStdString(s); }

QDoubleSpinBox* Spin(double value, double low, double high, int decimals) {
  auto* box = new QDoubleSpinBox;
  box->setDecimals(decimals);
  box->setRange(low, high);
  box->setSingleStep(decimals >= 3 ? 0.001 : 0.01);
  box->setValue(value);
  return box;
}

// What the boxes of each variable's row are, as the windows' input boxes
// say it: the dimension, its symbol and unit, and what the bound does.
struct RowGuide {
  const char* quantity;
  const char* unit;
};
constexpr RowGuide kRowGuides[] = {
    {"底版幅 B", " (m)"}, {"天端幅 b", " (m)"}, {"前面勾配 1:n の n", ""}};
constexpr const char* kBoundGuides[] = {" の下限%1：この値から探します",
                                        " の上限%1：この値まで探します",
                                        " の刻み%1：この間隔で試します"};

void Guide(QWidget* box, const RowGuide& row, int bound) {
  box->setToolTip(QString::fromUtf8(row.quantity) +
                  QString::fromUtf8(kBoundGuides[bound]).arg(QString::fromUtf8(row.unit)));
  box->setStatusTip(box->toolTip());
}

QTableWidgetItem* Cell(const std::string& text) {
  auto* item = new QTableWidgetItem(Q(text));
  item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  return item;
}

}  // namespace

SizingDialog::SizingDialog(forms::App& app, sizing::DesignInput design, QWidget* parent,
                           QtPlatform* platform, std::vector<sizing::DesignInput> both_cases)
    : QDialog(parent), app_(app), design_(std::move(design)), both_cases_(std::move(both_cases)) {
  setWindowTitle("断面の自動決定");
  auto* layout = new QVBoxLayout(this);

  auto* grid = new QGridLayout;
  const char* headings[] = {"変化させる寸法", "下限", "上限", "刻み"};
  for (int c = 0; c < 4; ++c) grid->addWidget(new QLabel(headings[c]), 0, c);
  const sizing::Variables defaults;
  const std::array<std::pair<const char*, const sizing::VariableRange*>, 3> variables = {
      {{"底版幅 B (m)", &defaults.base},
       {"天端幅 b (m)", &defaults.crest},
       {"前面勾配 1:n の n", &defaults.front}}};
  for (std::size_t i = 0; i < variables.size(); ++i) {
    const auto& [name, range] = variables[i];
    VariableRow& r = rows_[i];
    r.vary = new QCheckBox(name);
    r.vary->setChecked(range->vary);
    r.min = Spin(range->min, 0, 100, 2);
    r.max = Spin(range->max, 0, 100, 2);
    r.step = Spin(range->step, 0.001, 10, 3);
    Guide(r.min, kRowGuides[i], 0);
    Guide(r.max, kRowGuides[i], 1);
    Guide(r.step, kRowGuides[i], 2);
    const int row = static_cast<int>(i) + 1;
    grid->addWidget(r.vary, row, 0);
    grid->addWidget(r.min, row, 1);
    grid->addWidget(r.max, row, 2);
    grid->addWidget(r.step, row, 3);
    // The bounds of a dimension not varied are not read: greyed.
    auto enable = [&r](bool on) {
      for (QDoubleSpinBox* box : {r.min, r.max, r.step}) box->setEnabled(on);
    };
    enable(range->vary);
    connect(r.vary, &QCheckBox::toggled, this, enable);
  }
  layout->addLayout(grid);
  if (!both_cases_.empty()) {
    both_ = new QCheckBox("両ケース（常時と地震時。宅地造成の地震時は①と②）");
    layout->addWidget(both_);
  }

  auto* commands = new QHBoxLayout;
  calculate_ = new QPushButton("計算");
  stop_ = new QPushButton("中止");
  progress_ = new QProgressBar;
  stop_->hide();
  progress_->hide();
  commands->addWidget(calculate_);
  commands->addWidget(progress_, 1);
  commands->addWidget(stop_);
  layout->addLayout(commands);

  message_ = new QLabel;
  message_->setWordWrap(true);
  layout->addWidget(message_);

  table_ = new QTableWidget(0, 7);
  table_->setHorizontalHeaderLabels(
      {"B (m)", "b (m)", "f (m)", "1:n", "断面積 (m2/m)", "支配的な照査", "余裕度"});
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->setMinimumSize(620, 180);
  layout->addWidget(table_, 1);

  auto* buttons = new QDialogButtonBox;
  apply_ = buttons->addButton("適用", QDialogButtonBox::ApplyRole);
  apply_->setEnabled(false);
  if (platform != nullptr) {
    QPushButton* table = buttons->addButton("標準断面表…", QDialogButtonBox::ActionRole);
    connect(table, &QPushButton::clicked, this, [this, platform] {
      SectionTableDialog dialog(app_, *platform, Cases(), ReadVariables(), this);
      dialog.exec();
    });
  }
  QPushButton* close = buttons->addButton("閉じる", QDialogButtonBox::RejectRole);
  layout->addWidget(buttons);

  connect(calculate_, &QPushButton::clicked, this, [this] { Start(); });
  connect(stop_, &QPushButton::clicked, this, [this] { cancel_ = true; });
  connect(apply_, &QPushButton::clicked, this, [this] { Apply(); });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(table_, &QTableWidget::itemSelectionChanged, this, [this] {
    apply_->setEnabled(!searching() && result_.outcome == sizing::SizingOutcome::kFound &&
                       !table_->selectedItems().isEmpty());
  });
  poll_.setInterval(50);
  connect(&poll_, &QTimer::timeout, this, [this] { Poll(); });
}

SizingDialog::~SizingDialog() {
  cancel_ = true;
  if (worker_.joinable()) worker_.join();
}

sizing::Variables SizingDialog::ReadVariables() const {
  sizing::Variables v;
  sizing::VariableRange* ranges[] = {&v.base, &v.crest, &v.front};
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const VariableRow& r = rows_[i];
    *ranges[i] = {r.vary->isChecked(), r.min->value(), r.max->value(), r.step->value()};
  }
  return v;
}

std::vector<sizing::DesignInput> SizingDialog::Cases() const {
  if (both_ != nullptr && both_->isChecked()) return both_cases_;
  return {design_};
}

void SizingDialog::Start() {
  if (searching()) return;
  table_->setRowCount(0);
  apply_->setEnabled(false);
  calculate_->setEnabled(false);
  message_->setText("計算しています…");
  cancel_ = false;
  done_ = 0;
  total_ = 0;
  request_ = {};
  request_.cases = Cases();
  request_.variables = ReadVariables();
  request_.cancel = &cancel_;
  request_.progress = [this](std::size_t done, std::size_t total) {
    done_ = done;
    total_ = total;
  };
  clock_.start();
  poll_.start();
  worker_ = std::thread([this] {
    result_ = sizing::SizeSection(request_);
    QMetaObject::invokeMethod(
        this, [this] { Finished(); }, Qt::QueuedConnection);
  });
}

void SizingDialog::Poll() {
  if (clock_.elapsed() < kShowProgressAfterMs) return;
  progress_->show();
  stop_->show();
  const std::size_t total = total_;
  progress_->setMaximum(total > 0 ? 1000 : 0);
  if (total > 0) progress_->setValue(static_cast<int>(1000.0 * done_ / total));
}

void SizingDialog::Finished() {
  worker_.join();
  poll_.stop();
  progress_->hide();
  stop_->hide();
  calculate_->setEnabled(true);

  const sizing::Variables& v = request_.variables;
  const std::vector<sizing::DesignInput>& cases = request_.cases;
  auto check_name = [&cases](const sizing::CheckResult& c) {
    const sizing::DesignInput& in = cases[c.case_index];
    const std::string name = sizing::CheckName(c, in.sel);
    return cases.size() > 1 ? "［" + sizing::CaseName(in.dc, in.sel) + "］" + name : name;
  };
  auto add = [this, &check_name](const sizing::Evaluation& e) {
    const int row = table_->rowCount();
    table_->insertRow(row);
    const sizing::Section& s = e.section;
    table_->setItem(row, 0, Cell(FormatFixed(s.base.value, 2, 6)));
    table_->setItem(row, 1, Cell(FormatFixed(s.crest.value, 2, 6)));
    table_->setItem(row, 2, Cell(FormatFixed(s.front.value, 3, 6)));
    table_->setItem(row, 3, Cell(FormatFixed(s.batter, 3, 3)));
    table_->setItem(row, 4, Cell(FormatFixed(s.area, 3, 3)));
    const bool has_check = e.computed && !e.checks.empty();
    table_->setItem(row, 5, Cell(has_check ? check_name(e.checks[e.governing]) : ""));
    table_->setItem(row, 6, Cell(has_check ? FormatFixed(e.worst_margin, 3, 3) : ""));
  };
  switch (result_.outcome) {
    case sizing::SizingOutcome::kFound:
      for (const sizing::Evaluation& e : result_.passing) add(e);
      message_->setText(Q("最小の断面: " + sizing::SectionText(result_.passing.front().section, v) +
                          "（候補 " + std::to_string(result_.total) +
                          " 通り）。適用する断面を"
                          "選んでください。"));
      table_->selectRow(0);
      break;
    case sizing::SizingOutcome::kNotFound:
      add(result_.closest);
      message_->setText(Q(result_.message));
      break;
    case sizing::SizingOutcome::kRefused:
    case sizing::SizingOutcome::kCancelled:
      message_->setText(Q(result_.message));
      break;
  }
  apply_->setEnabled(result_.outcome == sizing::SizingOutcome::kFound);
  emit searchFinished();
}

void SizingDialog::Apply() {
  const QList<QTableWidgetItem*> chosen = table_->selectedItems();
  if (result_.outcome != sizing::SizingOutcome::kFound || chosen.isEmpty()) return;
  const auto row = static_cast<std::size_t>(chosen.front()->row());
  if (row >= result_.passing.size()) return;
  forms::ApplySizedSection(app_, result_.passing[row].section);
  accept();
}

void OpenSizingDialog(forms::App& app, QtPlatform& platform, QWidget* parent) {
  std::optional<sizing::DesignInput> design = forms::DesignForSizing(app);
  if (!design) return;
  std::vector<sizing::DesignInput> both;
  std::string why;
  if (forms::BothCasesSet(app)) both = forms::DesignsOfBothCases(app, why);
  SizingDialog dialog(app, std::move(*design), parent, &platform, std::move(both));
  dialog.exec();
}

}  // namespace varnholt::desktop

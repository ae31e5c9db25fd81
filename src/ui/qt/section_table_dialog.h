#pragma once
// 標準断面表: the design sized for a range of retained heights h (from, to,
// step), the rows as a table, their report pages previewed, printed or
// written as a PDF, and the table written as CSV or XLSX. 計算 runs in a
// thread, with progress and 中止 once it takes more than half a second.

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <atomic>
#include <optional>
#include <thread>

#include "sizing/section_table.h"

class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace varnholt::forms {
class App;
}

namespace varnholt::desktop {

class QtPlatform;

/// The name F1 and the help window know the standard-section table's dialog by.
inline constexpr const char* kSectionTableDialogName = "section_table_dialog";

class SectionTableDialog : public QDialog {
  Q_OBJECT

 public:
  SectionTableDialog(forms::App& app, QtPlatform& platform, std::vector<sizing::DesignInput> cases,
                     sizing::Variables variables, QWidget* parent = nullptr);
  /// Stops a running calculation and waits for it.
  ~SectionTableDialog() override;

  QDoubleSpinBox* fromBox() const { return from_; }
  QDoubleSpinBox* toBox() const { return to_; }
  QDoubleSpinBox* stepBox() const { return step_; }
  QPushButton* calculateButton() const { return calculate_; }
  QPushButton* stopButton() const { return stop_; }
  bool calculating() const { return worker_.joinable(); }
  QTableWidget* table() const { return table_; }
  QLabel* message() const { return message_; }

  /// Writes the table (after 計算) as CSV or XLSX, or its pages as a PDF;
  /// empty on success, otherwise the message (also shown).
  std::string WriteCsv(const std::string& path);
  std::string WriteXlsx(const std::string& path);
  std::string WritePdf(const std::string& path);

 private:
  void Calculate();
  void Poll();
  void Finished();
  void Export(const char* filter, const char* extension,
              std::string (SectionTableDialog::*write)(const std::string&));
  void Print();
  void Preview();
  std::string Refused(const std::string& message);

  forms::App& app_;
  QtPlatform& platform_;
  sizing::TableRequest request_;
  std::optional<sizing::SectionTable> result_;
  QDoubleSpinBox* from_ = nullptr;
  QDoubleSpinBox* to_ = nullptr;
  QDoubleSpinBox* step_ = nullptr;
  QPushButton* calculate_ = nullptr;
  QPushButton* stop_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QTableWidget* table_ = nullptr;
  QLabel* message_ = nullptr;
  std::vector<QPushButton*> outputs_;

  std::thread worker_;
  std::atomic<bool> cancel_{false};
  std::atomic<std::size_t> done_{0};
  std::atomic<std::size_t> total_{0};
  sizing::SectionTable pending_;  // written by the worker, read after it joined
  QTimer poll_;
  QElapsedTimer clock_;
};

}  // namespace varnholt::desktop

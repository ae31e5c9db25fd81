#pragma once
// 標準断面表: the design sized for a range of retained heights h (from, to,
// step), the rows as a table, their report pages previewed, printed or
// written as a PDF, and the table written as CSV or XLSX.

#include <QDialog>
#include <optional>

#include "sizing/section_table.h"

class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace varnholt::forms {
class App;
}

namespace varnholt::desktop {

class QtPlatform;

class SectionTableDialog : public QDialog {
  Q_OBJECT

 public:
  SectionTableDialog(forms::App& app, QtPlatform& platform, std::vector<sizing::DesignInput> cases,
                     sizing::Variables variables, QWidget* parent = nullptr);

  QDoubleSpinBox* fromBox() const { return from_; }
  QDoubleSpinBox* toBox() const { return to_; }
  QDoubleSpinBox* stepBox() const { return step_; }
  QPushButton* calculateButton() const { return calculate_; }
  QTableWidget* table() const { return table_; }
  QLabel* message() const { return message_; }

  /// Writes the table (after 計算) as CSV or XLSX, or its pages as a PDF;
  /// empty on success, otherwise the message (also shown).
  std::string WriteCsv(const std::string& path);
  std::string WriteXlsx(const std::string& path);
  std::string WritePdf(const std::string& path);

 private:
  void Calculate();
  void Export(const char* filter, std::string (SectionTableDialog::*write)(const std::string&));
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
  QTableWidget* table_ = nullptr;
  QLabel* message_ = nullptr;
  std::vector<QPushButton*> outputs_;
};

}  // namespace varnholt::desktop

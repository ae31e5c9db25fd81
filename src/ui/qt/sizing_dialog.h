#pragma once
// 断面の自動決定: the variables to size with their bounds and steps, 計算
// (the search runs in a thread; progress and 中止 appear when it takes more
// than half a second), the candidates as a table, and 適用, which types the
// chosen section into the dimension window as typing would and recalculates.
// The search works on copies: until 適用, nothing in the windows changes.

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <array>
#include <atomic>
#include <thread>
#include <vector>

#include "sizing/sizing.h"

class QCheckBox;
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

/// The name F1 and the help window know the sizing dialog by.
inline constexpr const char* kSizingDialogName = "sizing_dialog";

class SizingDialog : public QDialog {
  Q_OBJECT

 public:
  /// `design` is what the calculate command collected (DesignForSizing).
  /// With `platform`, "標準断面表…" opens the table dialog for the same
  /// design and variables. `both_cases`, the designs of 両ケース計算
  /// (DesignsOfBothCases) where both cases are set, adds the choice to
  /// size against all of them.
  SizingDialog(forms::App& app, sizing::DesignInput design, QWidget* parent = nullptr,
               QtPlatform* platform = nullptr, std::vector<sizing::DesignInput> both_cases = {});
  /// Stops a running search and waits for it.
  ~SizingDialog() override;

  QPushButton* calculateButton() const { return calculate_; }
  /// "両ケース（常時と地震時）"; null when both cases are not set.
  QCheckBox* bothCasesBox() const { return both_; }
  QPushButton* stopButton() const { return stop_; }
  QPushButton* applyButton() const { return apply_; }
  QTableWidget* table() const { return table_; }
  QLabel* message() const { return message_; }
  QProgressBar* progress() const { return progress_; }
  /// The variable's check box, low bound, high bound and step: B, b, front.
  struct VariableRow {
    QCheckBox* vary;
    QDoubleSpinBox* min;
    QDoubleSpinBox* max;
    QDoubleSpinBox* step;
  };
  const VariableRow& row(int i) const { return rows_[static_cast<std::size_t>(i)]; }
  bool searching() const { return worker_.joinable(); }

 signals:
  void searchFinished();

 private:
  void Start();
  void Poll();
  void Finished();
  void Apply();
  sizing::Variables ReadVariables() const;
  /// The designs the search must satisfy: the one shown, or both cases.
  std::vector<sizing::DesignInput> Cases() const;

  forms::App& app_;
  sizing::DesignInput design_;
  std::vector<sizing::DesignInput> both_cases_;
  QCheckBox* both_ = nullptr;
  std::array<VariableRow, 3> rows_{};
  QPushButton* calculate_ = nullptr;
  QPushButton* stop_ = nullptr;
  QPushButton* apply_ = nullptr;
  QTableWidget* table_ = nullptr;
  QLabel* message_ = nullptr;
  QProgressBar* progress_ = nullptr;

  std::thread worker_;
  std::atomic<bool> cancel_{false};
  std::atomic<std::size_t> done_{0};
  std::atomic<std::size_t> total_{0};
  sizing::SizingRequest request_;
  sizing::SizingResult result_;  // written by the worker, read after it ends
  QTimer poll_;
  QElapsedTimer clock_;
};

/// 断面の自動決定… : runs the calculate command for the design to size (its
/// messages shown as usual) and, with a valid result, the dialog.
void OpenSizingDialog(forms::App& app, QtPlatform& platform, QWidget* parent);

}  // namespace varnholt::desktop

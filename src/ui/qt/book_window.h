#pragma once
// 計算書一式: the window of a design book on the desktop. It lists the
// walls of the book with their symbol, load cases and verdicts, recomputed
// whenever a wall's file changes on disk (saved from the editor or
// elsewhere), and makes the book's PDF, printout, preview and spreadsheet.
// The book file has its own modified state and asks before it is discarded.

#include <QFileSystemWatcher>
#include <QString>
#include <QWidget>
#include <string>
#include <vector>

#include "book/book_calc.h"

class QLineEdit;
class QLabel;
class QPushButton;
class QTableWidget;

namespace varnholt::forms {
class App;
}

namespace varnholt::desktop {

class QtReportDevices;

/// The name F1 and the help window know the design book's window by.
inline constexpr const char* kBookWindowName = "book_window";

class BookWindow : public QWidget {
  Q_OBJECT

 public:
  /// A calculation longer than this shows its progress with 中止.
  static constexpr int kProgressDelayMs = 500;

  BookWindow(forms::App& app, QtReportDevices& devices, QWidget* parent = nullptr);
  ~BookWindow() override;

  /// One wall of the list.
  struct Entry {
    std::string path;  // in full
    book::CaseChoice cases = book::CaseChoice::kSaved;
    QString symbol;
    QString verdict;  // per case: "常時 O.K　地震時② NG"
    QString problem;  // why the file cannot be read, else empty
  };
  const std::vector<Entry>& entries() const { return entries_; }
  /// The book file; empty for a new book.
  const std::string& path() const { return path_; }
  bool modified() const { return modified_; }
  /// The book as its file would hold it now.
  book::Book CurrentBook() const;

  // The commands of the buttons, without their dialogs.
  void NewBook();
  /// Empty on success, otherwise the message (nothing of the old book is lost).
  std::string OpenBook(const std::string& path);
  std::string SaveBook(const std::string& path);
  void AddFile(const std::string& path, book::CaseChoice cases = book::CaseChoice::kSaved);
  void Remove(int row);
  void Move(int row, int delta);
  void SetCases(int row, book::CaseChoice cases);
  /// Writes the book's PDF or spreadsheet (.xlsx, .csv by the extension).
  /// Empty on success or when cancelled, otherwise the message.
  std::string WritePdf(const std::string& path);
  std::string WriteSheet(const std::string& path);
  /// The whole book's pages as the preview shows them; empty when cancelled
  /// or refused (with the message in `error`).
  std::vector<report::RecordedPage> BookPages(std::string& error);

  /// Asks "変更を保存しますか?" when the book has unsaved changes; true when
  /// the book may be discarded.
  bool ConfirmDiscard();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Build();
  void Refill();
  void Recalculate(Entry& e);
  void Changed();
  void Watch();
  void MemberChanged(const QString& file);
  int CurrentRow() const;
  /// The book loaded with its members, or the message refusing it.
  book::BookLoad Load() const;
  /// Why `path` may not take the book's PDF or spreadsheet (a wall's or
  /// the book's file, a book that cannot be read); empty when it may.
  std::string TargetProblem(const std::string& path) const;
  /// Calculates a loaded book, showing its progress when it takes long;
  /// `cancelled` is set when the engineer stopped it.
  book::BookResult Calculate(const book::LoadedBook& loaded, const book::BookOptions& options,
                             bool& cancelled);
  /// The same with every member's pages recorded for the report's devices.
  book::BookResult CalculatePages(const book::LoadedBook& loaded, bool& cancelled);
  void Error(const std::string& message);

  // The buttons.
  void OnNew();
  void OnOpen();
  bool OnSave(bool ask_name);
  void OnAddCurrent();
  void OnAddFiles();
  void OnOpenInEditor();
  void OnPreview();
  void OnPrint();
  void OnPdf();
  void OnSheet();

  forms::App& app_;
  QtReportDevices& devices_;
  std::string path_;
  bool modified_ = false;
  bool filling_ = false;
  std::vector<Entry> entries_;
  QFileSystemWatcher watcher_;
  QLineEdit* title_ = nullptr;
  QLineEdit* client_ = nullptr;
  QLineEdit* designer_ = nullptr;
  QLineEdit* date_ = nullptr;
  QTableWidget* table_ = nullptr;
  QLabel* file_label_ = nullptr;
};

}  // namespace varnholt::desktop

#include "ui/qt/qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <algorithm>

#include "ui/qt/text_offsets.h"

namespace varnholt::desktop {
namespace {

QMessageBox::Icon QtIcon(ui::MsgIcon icon) {
  switch (icon) {
    case ui::MsgIcon::kQuestion:
      return QMessageBox::Question;
    case ui::MsgIcon::kStop:
      return QMessageBox::Critical;
    case ui::MsgIcon::kExclamation:
      return QMessageBox::Warning;
    case ui::MsgIcon::kInformation:
      return QMessageBox::Information;
    case ui::MsgIcon::kNone:
      break;
  }
  return QMessageBox::NoIcon;
}

// The folder a file dialog opens in: the requested one when it exists here,
// otherwise the user's documents folder.
QString StartFolder(const std::string& requested) {
  const QString dir = ToQ(requested);
  if (!dir.isEmpty() && QDir(dir).exists()) return dir;
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

}  // namespace

QString QtFileFilter(const std::string& filter) {
  // Pairs of description|pattern; Qt wants "description (pattern)" lines.
  const QStringList parts = ToQ(filter).split('|');
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(';', ' ');
    out << parts[i] + " (" + patterns + ")";
  }
  return out.join(";;");
}

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

QWidget* QtPlatform::DialogParent() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return parent_.data();
}

ui::MsgResult QtPlatform::MessageBox(const ui::MessageBoxRequest& request) {
  QMessageBox box(QtIcon(request.icon), ToQ(request.title), ToQ(request.text),
                  QMessageBox::NoButton, DialogParent());
  QPushButton* first = nullptr;
  QPushButton* second = nullptr;
  QPushButton* third = nullptr;
  switch (request.buttons) {
    case ui::MsgButtons::kOk:
      first = box.addButton(QMessageBox::Ok);
      box.setEscapeButton(first);
      break;
    case ui::MsgButtons::kOkCancel:
      first = box.addButton(QMessageBox::Ok);
      second = box.addButton(QMessageBox::Cancel);
      box.setEscapeButton(second);
      break;
    case ui::MsgButtons::kYesNo:
      first = box.addButton(QMessageBox::Yes);
      second = box.addButton(QMessageBox::No);
      break;
    case ui::MsgButtons::kSaveDiscardCancel:
      first = box.addButton(QString::fromUtf8("保存"), QMessageBox::AcceptRole);
      second = box.addButton(QString::fromUtf8("保存しない"), QMessageBox::DestructiveRole);
      third = box.addButton(QString::fromUtf8("キャンセル"), QMessageBox::RejectRole);
      box.setEscapeButton(third);
      break;
    case ui::MsgButtons::kRestoreDiscard:
      first = box.addButton(QString::fromUtf8("復元"), QMessageBox::AcceptRole);
      second = box.addButton(QString::fromUtf8("破棄"), QMessageBox::DestructiveRole);
      break;
  }
  box.setDefaultButton(request.default_button == 2 && second != nullptr ? second : first);
  box.exec();
  const QAbstractButton* clicked = box.clickedButton();
  const bool was_second = clicked != nullptr && clicked == second;
  switch (request.buttons) {
    case ui::MsgButtons::kOk:
      return ui::MsgResult::kOk;
    case ui::MsgButtons::kOkCancel:
      return was_second || clicked == nullptr ? ui::MsgResult::kCancel : ui::MsgResult::kOk;
    case ui::MsgButtons::kYesNo:
      // A Yes/No box has no close box; anything but Yes counts as No.
      return clicked == first ? ui::MsgResult::kYes : ui::MsgResult::kNo;
    case ui::MsgButtons::kSaveDiscardCancel:
      if (clicked == first) return ui::MsgResult::kYes;
      return was_second ? ui::MsgResult::kNo : ui::MsgResult::kCancel;
    case ui::MsgButtons::kRestoreDiscard:
      // Closing the box keeps the recovery file for the next start.
      if (clicked == first) return ui::MsgResult::kYes;
      return was_second ? ui::MsgResult::kNo : ui::MsgResult::kCancel;
  }
  return ui::MsgResult::kOk;
}

void QtPlatform::Beep() { QApplication::beep(); }

void QtPlatform::RunModal(ui::Window& window) {
  if (!window.Shown()) return;
  QEventLoop loop;
  loops_.push_back({&window, &loop});
  loop.exec(QEventLoop::DialogExec);
  loops_.erase(std::remove_if(loops_.begin(), loops_.end(),
                              [&](const ModalLoop& m) { return m.loop == &loop; }),
               loops_.end());
}

void QtPlatform::EndLoopOf(ui::Window& window) {
  for (ModalLoop& m : loops_) {
    if (m.window == &window) m.loop->quit();
  }
}

void QtPlatform::WindowHidden(ui::Window& window) { EndLoopOf(window); }

void QtPlatform::WindowUnloading(ui::Window& window) { EndLoopOf(window); }

std::optional<std::string> QtPlatform::OpenFileDialog(const ui::FileDialogRequest& request) {
  QFileDialog dialog(DialogParent(), ToQ(request.title), StartFolder(request.initial_dir),
                     QtFileFilter(request.filter));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (!request.file_name.empty()) dialog.selectFile(ToQ(request.file_name));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return FromQ(dialog.selectedFiles().first());
}

std::optional<std::string> QtPlatform::SaveFileDialog(const ui::FileDialogRequest& request) {
  QFileDialog dialog(DialogParent(), ToQ(request.title), StartFolder(request.initial_dir),
                     QtFileFilter(request.filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // The program asks its own question before it replaces a file.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setDefaultSuffix(ToQ(request.default_ext));
  if (!request.file_name.empty()) dialog.selectFile(ToQ(request.file_name));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return FromQ(dialog.selectedFiles().first());
}

QPrinter& QtPlatform::printer() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

std::optional<ui::PrinterChoice> QtPlatform::PrinterDialog() {
  QPrintDialog dialog(&printer(), DialogParent());
  // No print-to-file box and no selection range; the driver handles copies.
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  ui::PrinterChoice choice;
  choice.copies = std::max(1, printer().copyCount());
  return choice;
}

}  // namespace varnholt::desktop

#include "ui/qt/desktop_program.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "project/document.h"
#include "project/file_commands.h"
#include "ui/forms/summary_window.h"
#include "ui/qt/book_window.h"
#include "ui/qt/desktop_session.h"
#include "ui/qt/help_window.h"
#include "ui/qt/icons.h"
#include "ui/qt/preview_window.h"
#include "ui/qt/section_commands.h"
#include "ui/qt/sizing_dialog.h"

namespace varnholt::desktop {
namespace {

// The classic size of the program's window texts.
constexpr int kUiPointSize = 9;

}  // namespace

QString JapaneseUiFamily() {
  const QStringList installed = QFontDatabase::families(QFontDatabase::Japanese);
  // The proportional face first: the windows were laid out for a UI face
  // whose kana are narrower than its kanji, and in the fixed-pitch face some
  // prompts run into their boxes.
  for (const char* family : {"IPAPGothic", "IPAGothic", "Noto Sans CJK JP", "Noto Sans JP"}) {
    if (installed.contains(QString::fromUtf8(family))) return QString::fromUtf8(family);
  }
  return {};
}

void PrepareApplication(QApplication& application) {
  QFont font = application.font();
  const QString family = JapaneseUiFamily();
  if (!family.isEmpty()) font.setFamilies({family});
  font.setPointSize(kUiPointSize);
  application.setFont(font);
  application.setWindowIcon(ProgramIcon());
  application.setApplicationName("Varnholt");
  // Qt's own buttons and dialogs (はい, いいえ, キャンセル, the file dialog)
  // in Japanese, as on the engineers' desktops.
  auto* translator = new QTranslator(&application);
  if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), "qtbase", "_",
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(translator);
  }
}

DesktopProgram::DesktopProgram() : DesktopProgram(SessionPaths::User()) {}

DesktopProgram::DesktopProgram(const SessionPaths& paths) {
  window_ = std::make_unique<MainWindow>(app_, platform_, TwipScale::OfScreen());
  project::InstallFileCommands(app_);
  forms::InstallSummary(app_);
  report_ = std::make_unique<ReportFrontEnd>(app_, platform_, *window_);
  session_ = std::make_unique<DesktopSession>(app_, *window_, paths);
  section_commands_ = std::make_unique<SectionCommands>(app_, platform_);
  session_->section_actions = MakeSectionActions(*section_commands_, window_.get());
  report_->painter().RememberIn(&session_->settings());
  app_.commands.quit = [this] {
    session_->End();
    window_->EndProgram();
  };
  app_.commands.size_section = [this] { OpenSizingDialog(app_, platform_, window_.get()); };
  session_->book_window = [this](bool create) -> BookWindow* {
    // Owned by the main window, as a window of its own.
    if (book_ == nullptr && create) book_ = new BookWindow(app_, report_->devices(), window_.get());
    return book_;
  };
  // Ending the program asks about the design book's unsaved changes too.
  const auto design_unsaved = app_.commands.unsaved;
  const auto design_confirm = app_.commands.confirm_discard;
  app_.commands.unsaved = [this, design_unsaved] {
    return design_unsaved() || (book_ != nullptr && book_->modified());
  };
  app_.commands.confirm_discard = [this, design_unsaved, design_confirm] {
    if (design_unsaved() && !design_confirm()) return false;
    return book_ == nullptr || book_->ConfirmDiscard();
  };
}

DesktopProgram::~DesktopProgram() = default;

void DesktopProgram::Start() {
  window_->Start();
  help_ = std::make_unique<HelpController>(*window_, HelpDocuments::Find());
  session_->Start();
}

void DesktopProgram::OpenGiven(const std::string& path) {
  if (window_->Ended()) return;
  project::OpenFileAsked(app_, path);
  session_->Refresh();
}

}  // namespace varnholt::desktop

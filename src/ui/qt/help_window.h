#pragma once
// The help window: the operation manual (docs/manual) and the calculation
// theory (docs/theory) rendered by Qt's own Markdown support, with a
// contents tree and a search box; and the help menu's commands with F1,
// which opens the chapter of the window in use. The documents are plain
// files, found beside the installed program or in the source tree of a
// build; nothing here touches the design.

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTextBrowser>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

class QLineEdit;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;

namespace varnholt::desktop {

class MainWindow;

/// Where the documents are: a folder holding manual/ and theory/, and the
/// folder of the manual's pictures (the screenshots the tests take).
struct HelpDocuments {
  QString root;
  QString screenshots;

  bool found() const { return !root.isEmpty(); }
  QString manual() const { return root + "/manual/README.md"; }
  QString theory() const { return root + "/theory/README.md"; }

  /// The installed documents (share/varnholt/doc beside the program's
  /// bin folder) when they are there, otherwise those of the source tree
  /// the program was built from; `root` is empty when neither exists.
  static HelpDocuments Find();
};

/// A place in the manual: a chapter file in manual/ and, optionally, the
/// text of one of its headings.
struct HelpTopic {
  QString file;
  QString heading;
};

/// The chapter F1 opens for a window of the program (its name, "Form2");
/// the manual's contents for a name it does not know. "MsgBox" is the
/// chapter of the messages.
HelpTopic TopicOfWindow(const std::string& window);
/// Every window name TopicOfWindow knows, for the test that each topic's
/// heading is in the manual.
std::vector<std::string> WindowsWithTopics();

/// The anchor a heading gets in a link ("#設計条件" for "## 設計条件"):
/// lower case, blanks become hyphens, everything but letters, digits,
/// hyphens and underscores is dropped, as common Markdown hosts do.
QString HeadingSlug(const QString& heading);

/// A heading of a Markdown file, outside code blocks.
struct MarkdownHeading {
  int level;
  QString text;
  /// The text under the heading, up to the next heading (for the search).
  QString body;
};
/// The headings of a Markdown text in order; level 0 holds the text before
/// the first heading.
std::vector<MarkdownHeading> ReadHeadings(const QString& markdown);

/// Renders Markdown documents; a link's "#anchor" scrolls to the heading
/// whose slug it is, and a picture missing where the document points is
/// looked up by its file name in the screenshots folder.
class HelpBrowser : public QTextBrowser {
  Q_OBJECT

 public:
  explicit HelpBrowser(QString screenshots, QWidget* parent = nullptr);
  QVariant loadResource(int type, const QUrl& name) override;
  /// Scrolls to the heading with this text or slug; false when there is none.
  bool ScrollToHeading(const QString& heading_or_slug);

 protected:
  void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

 private:
  QString screenshots_;
};

/// One window for both documents: contents on the left (each document's
/// chapters and their sections), the page on the right, and a search box
/// that keeps in the contents only the sections holding the words typed;
/// Enter finds the next place in the page.
class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(HelpDocuments documents, QWidget* parent = nullptr);

  /// Shows a document (a file path) at a heading, and raises the window.
  void Open(const QString& file, const QString& heading = {});

  HelpBrowser* browser() const { return browser_; }
  QTreeWidget* contents() const { return contents_; }
  QLineEdit* search() const { return search_; }

 private:
  void AddBook(const QString& index);
  void Filter(const QString& words);
  void FindNext();

  HelpDocuments documents_;
  HelpBrowser* browser_;
  QTreeWidget* contents_;
  QLineEdit* search_;
};

/// The help menu's 操作説明書 (F1) and 計算理論, and F1 anywhere in the
/// program: the manual opens at the chapter of the window in use (the
/// active dialog, message box or child window).
class HelpController : public QObject {
  Q_OBJECT

 public:
  /// Adds the commands to the main window's help menu and listens for F1.
  HelpController(MainWindow& main, HelpDocuments documents);
  ~HelpController() override;

  /// Opens the manual at the chapter of a window (the contents when empty).
  void OpenManual(const std::string& window = {});
  void OpenTheory();
  /// The window F1 is about: the active modal dialog, message box or
  /// child window of the main window; empty when none.
  std::string WindowInUse() const;
  /// The help window once opened; null before.
  HelpWindow* window() const { return window_.get(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  HelpWindow& Window();

  MainWindow& main_;
  HelpDocuments documents_;
  std::unique_ptr<HelpWindow> window_;
};

}  // namespace varnholt::desktop

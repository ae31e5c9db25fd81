#include "ui/qt/help_window.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBlock>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWindow>
#include <functional>
#include <map>

#include "ui/qt/book_window.h"
#include "ui/qt/main_window.h"
#include "ui/qt/menu_binder.h"
#include "ui/qt/section_table_dialog.h"
#include "ui/qt/section_view.h"
#include "ui/qt/sizing_dialog.h"
#include "ui/qt/window_view.h"

#ifndef VARNHOLT_DOC_DIR
#define VARNHOLT_DOC_DIR ""
#endif
#ifndef VARNHOLT_BUILD_SCREENSHOTS
#define VARNHOLT_BUILD_SCREENSHOTS ""
#endif

namespace varnholt::desktop {
namespace {

QString Q(const char* s) { return QString::fromUtf8(s); }

// The texts of the help menu and window.
constexpr const char* kHelpMenu = "Men_H";
constexpr const char* kManualItem = "操作説明書(&M)";
constexpr const char* kTheoryItem = "計算理論(&T)";
constexpr const char* kHelpTitle = "Varnholt ヘルプ";
constexpr const char* kSearchHint = "検索（Enter で次を探す）";
constexpr const char* kNoDocuments =
    "操作説明書と計算理論の文書が見つかりません。プログラムを入れ直してください。";

// Role of the tree items' data: the file, the heading and what the search
// looks in.
// The section view is a frame of its own in the main window, not a window
// of the design.
constexpr const char* kSectionViewName = "section_view";

constexpr int kFileRole = Qt::UserRole;
constexpr int kHeadingRole = Qt::UserRole + 1;
constexpr int kTextRole = Qt::UserRole + 2;

/// The chapter of each window: the file in manual/ and the heading there.
const std::map<std::string, HelpTopic>& Topics() {
  static const std::map<std::string, HelpTopic> topics = {
      {"MDIForm1", {"main_window.md", ""}},
      {"Form6", {"main_window.md", Q("バージョン情報")}},
      {"Form2", {"conditions.md", ""}},
      {"Form3", {"dimensions.md", Q("水平と一様斜面")}},
      {"Form16", {"dimensions.md", Q("嵩上げ土")}},
      {"Form17", {"dialogs.md", Q("フェンス、柵、塀等")}},
      {"Form20", {"dialogs.md", Q("地震時水平荷重の計算方法")}},
      {"Form15", {"dialogs.md", Q("突起の計算")}},
      {"Form19", {"dialogs.md", Q("突起の計算")}},
      {"Form11", {"results.md", Q("安定性の検討ウィンドウ")}},
      {"Form21", {"results.md", Q("総括表")}},
      {"Form12", {"results.md", Q("検討方法（常時）")}},
      {"Form14", {"results.md", Q("検討方法（地震時・短期荷重）")}},
      {"Form7", {"reference.md", Q("宅地造成の参考表")}},
      {"Form18", {"reference.md", Q("道路土工の参考表")}},
      {"Form10", {"printing.md", Q("印刷範囲の指定")}},
      {"Form4", {"printing.md", Q("印刷イメージ")}},
      {"Form5", {"printing.md", Q("印刷イメージ")}},
      {"Form8", {"printing.md", Q("印刷イメージ")}},
      {"Form9", {"printing.md", Q("印刷イメージ")}},
      {"MsgBox", {"messages.md", ""}},
      {"FileDialog", {"files.md", ""}},
      {"PrintDialog", {"printing.md", Q("プリンターへの印刷")}},
      {kBookWindowName, {"book.md", ""}},
      {kSizingDialogName, {"sizing.md", Q("断面の自動決定")}},
      {kSectionTableDialogName, {"sizing.md", Q("標準断面表")}},
      {kSectionViewName, {"section_view.md", ""}},
  };
  return topics;
}

// Inline Markdown as the page shows it: code marks, emphasis and link
// targets are not part of a heading's text.
QString PlainInline(QString text) {
  static const QRegularExpression link(R"(\[([^\]]*)\]\([^)]*\))");
  text.replace(link, "\\1");
  text.remove('`');
  text.remove("**");
  return text.trimmed();
}

QString ReadText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

bool Contains(const QString& text, const QStringList& words) {
  for (const QString& w : words) {
    if (!text.contains(w, Qt::CaseInsensitive)) return false;
  }
  return true;
}

}  // namespace

HelpDocuments HelpDocuments::Find() {
  const QString installed =
      QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/varnholt/doc");
  if (QFileInfo::exists(installed + "/manual/README.md")) {
    return {installed, installed + "/screenshots"};
  }
  const QString source = Q(VARNHOLT_DOC_DIR);
  if (!source.isEmpty() && QFileInfo::exists(source + "/manual/README.md")) {
    return {source, Q(VARNHOLT_BUILD_SCREENSHOTS)};
  }
  return {};
}

HelpTopic TopicOfWindow(const std::string& window) {
  const auto& topics = Topics();
  auto it = topics.find(window);
  return it == topics.end() ? HelpTopic{"README.md", {}} : it->second;
}

std::vector<std::string> WindowsWithTopics() {
  std::vector<std::string> names;
  for (const auto& [name, topic] : Topics()) names.push_back(name);
  return names;
}

QString HeadingSlug(const QString& heading) {
  QString slug;
  for (const QChar c : PlainInline(heading).toLower()) {
    if (c.isLetterOrNumber() || c == '-' || c == '_') {
      slug += c;
    } else if (c == ' ') {
      slug += '-';
    }
  }
  return slug;
}

std::vector<MarkdownHeading> ReadHeadings(const QString& markdown) {
  static const QRegularExpression heading(R"(^(#{1,6})\s+(.*?)\s*#*\s*$)");
  std::vector<MarkdownHeading> out{{0, {}, {}}};
  bool fenced = false;
  for (const QString& line : markdown.split('\n')) {
    if (line.startsWith("```")) fenced = !fenced;
    const QRegularExpressionMatch m = fenced ? QRegularExpressionMatch() : heading.match(line);
    if (m.hasMatch()) {
      out.push_back({static_cast<int>(m.capturedLength(1)), PlainInline(m.captured(2)), {}});
    } else {
      out.back().body += line + '\n';
    }
  }
  return out;
}

// ------------------------------------------------------------ browser

HelpBrowser::HelpBrowser(QString screenshots, QWidget* parent)
    : QTextBrowser(parent), screenshots_(std::move(screenshots)) {
  setOpenExternalLinks(true);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
  QVariant found = QTextBrowser::loadResource(type, name);
  if (type != QTextDocument::ImageResource || found.isValid() || screenshots_.isEmpty()) {
    return found;
  }
  // The manual points at the pictures in the build; an installed program,
  // or a build elsewhere, has them in its screenshots folder.
  const QImage image(screenshots_ + "/" + QFileInfo(name.path()).fileName());
  return image.isNull() ? found : QVariant(image);
}

void HelpBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
  QTextBrowser::doSetSource(name, type);
  if (name.hasFragment()) ScrollToHeading(name.fragment());
}

bool HelpBrowser::ScrollToHeading(const QString& heading_or_slug) {
  const QString slug = HeadingSlug(heading_or_slug);
  for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
    if (b.blockFormat().headingLevel() == 0) continue;
    if (b.text() != heading_or_slug && HeadingSlug(b.text()) != slug) continue;
    QTextCursor cursor(b);
    setTextCursor(cursor);
    const QRectF rect = document()->documentLayout()->blockBoundingRect(b);
    verticalScrollBar()->setValue(static_cast<int>(rect.top()));
    return true;
  }
  return false;
}

// ------------------------------------------------------------ window

HelpWindow::HelpWindow(HelpDocuments documents, QWidget* parent)
    : QWidget(parent, Qt::Window), documents_(std::move(documents)) {
  setObjectName("HelpWindow");
  setWindowTitle(Q(kHelpTitle));
  auto* splitter = new QSplitter(this);
  auto* left = new QWidget(splitter);
  auto* left_layout = new QVBoxLayout(left);
  left_layout->setContentsMargins(0, 0, 0, 0);
  search_ = new QLineEdit(left);
  search_->setObjectName("search");
  search_->setPlaceholderText(Q(kSearchHint));
  search_->setClearButtonEnabled(true);
  contents_ = new QTreeWidget(left);
  contents_->setObjectName("contents");
  contents_->setHeaderHidden(true);
  left_layout->addWidget(search_);
  left_layout->addWidget(contents_);
  browser_ = new HelpBrowser(documents_.screenshots, splitter);
  browser_->setObjectName("page");
  splitter->addWidget(left);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 3);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(splitter);
  resize(1000, 700);
  splitter->setSizes({260, 740});

  if (!documents_.found()) {
    browser_->setPlainText(Q(kNoDocuments));
    return;
  }
  AddBook(documents_.manual());
  AddBook(documents_.theory());
  connect(contents_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
    Open(item->data(0, kFileRole).toString(), item->data(0, kHeadingRole).toString());
    if (!search_->text().trimmed().isEmpty()) FindNext();
  });
  connect(search_, &QLineEdit::textChanged, this, &HelpWindow::Filter);
  connect(search_, &QLineEdit::returnPressed, this, &HelpWindow::FindNext);
}

void HelpWindow::Open(const QString& file, const QString& heading) {
  const QUrl url = QUrl::fromLocalFile(file);
  if (browser_->source().adjusted(QUrl::RemoveFragment) != url) {
    browser_->setSource(url, QTextDocument::MarkdownResource);
  }
  if (heading.isEmpty()) {
    browser_->verticalScrollBar()->setValue(0);
    browser_->setTextCursor(QTextCursor(browser_->document()));
  } else {
    browser_->ScrollToHeading(heading);
  }
  show();
  raise();
  activateWindow();
}

// A document's index (its README.md) and the chapters it links to, in the
// order of the links, each with its sections.
void HelpWindow::AddBook(const QString& index) {
  const QString text = ReadText(index);
  if (text.isEmpty()) return;
  const QDir dir = QFileInfo(index).dir();
  auto add = [this](QTreeWidgetItem* parent, const QString& file) {
    const std::vector<MarkdownHeading> headings = ReadHeadings(ReadText(file));
    QTreeWidgetItem* chapter = nullptr;
    for (const MarkdownHeading& h : headings) {
      if (h.level == 1 && chapter == nullptr) {
        chapter = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(contents_);
        chapter->setText(0, h.text);
        chapter->setData(0, kFileRole, file);
        chapter->setData(0, kTextRole, h.text + '\n' + h.body);
      } else if (h.level == 2 && chapter != nullptr) {
        auto* section = new QTreeWidgetItem(chapter);
        section->setText(0, h.text);
        section->setData(0, kFileRole, file);
        section->setData(0, kHeadingRole, h.text);
        section->setData(0, kTextRole, h.text + '\n' + h.body);
      } else if (chapter != nullptr && chapter->childCount() > 0) {
        // Deeper headings are searched with the section that holds them.
        QTreeWidgetItem* last = chapter->child(chapter->childCount() - 1);
        last->setData(0, kTextRole, last->data(0, kTextRole).toString() + h.text + '\n' + h.body);
      }
    }
    return chapter;
  };
  QTreeWidgetItem* book = add(nullptr, index);
  if (book == nullptr) return;
  // Sections of the index itself are not listed; its chapters are.
  while (book->childCount() > 0) delete book->takeChild(0);
  static const QRegularExpression link(R"(\]\(([^)#/:]+\.md)\))");
  QStringList seen;
  for (auto it = link.globalMatch(text); it.hasNext();) {
    const QString name = it.next().captured(1);
    if (seen.contains(name) || !QFileInfo::exists(dir.filePath(name))) continue;
    seen << name;
    add(book, dir.filePath(name));
  }
  book->setExpanded(true);
}

void HelpWindow::Filter(const QString& words) {
  const QStringList list = words.split(' ', Qt::SkipEmptyParts);
  // An item stays when it holds every word or a child of it stays.
  std::function<bool(QTreeWidgetItem*)> keep = [&](QTreeWidgetItem* item) {
    bool any_child = false;
    for (int i = 0; i < item->childCount(); ++i) any_child |= keep(item->child(i));
    const bool shown =
        list.isEmpty() || any_child || Contains(item->data(0, kTextRole).toString(), list);
    item->setHidden(!shown);
    if (!list.isEmpty()) item->setExpanded(any_child);
    return shown;
  };
  for (int i = 0; i < contents_->topLevelItemCount(); ++i) {
    QTreeWidgetItem* book = contents_->topLevelItem(i);
    keep(book);
    if (list.isEmpty()) book->setExpanded(true);
  }
}

void HelpWindow::FindNext() {
  const QString words = search_->text().trimmed();
  if (words.isEmpty()) return;
  if (browser_->find(words)) return;
  // From the top again once the end is reached.
  browser_->moveCursor(QTextCursor::Start);
  browser_->find(words);
}

// ------------------------------------------------------------ controller

HelpController::HelpController(MainWindow& main, HelpDocuments documents)
    : main_(main), documents_(std::move(documents)) {
  QMenu* help = main_.menus() != nullptr ? main_.menus()->MenuOf(kHelpMenu) : nullptr;
  if (help != nullptr) {
    QAction* before = help->actions().isEmpty() ? nullptr : help->actions().first();
    auto* manual = new QAction(Q(kManualItem), help);
    manual->setObjectName("help_manual");
    // F1 itself is caught for the whole program below; the menu shows it.
    manual->setShortcut(QKeySequence(Qt::Key_F1));
    manual->setShortcutContext(Qt::WidgetShortcut);
    connect(manual, &QAction::triggered, this, [this] { OpenManual(); });
    auto* theory = new QAction(Q(kTheoryItem), help);
    theory->setObjectName("help_theory");
    connect(theory, &QAction::triggered, this, [this] { OpenTheory(); });
    help->insertAction(before, manual);
    help->insertAction(before, theory);
    help->insertSeparator(before);
  }
  qApp->installEventFilter(this);
}

HelpController::~HelpController() { qApp->removeEventFilter(this); }

HelpWindow& HelpController::Window() {
  if (window_ == nullptr) window_ = std::make_unique<HelpWindow>(documents_);
  // Over a modal dialog the help window belongs to the dialog, so that it
  // can be used while the dialog waits; otherwise it stands on its own.
  QWidget* modal = QApplication::activeModalWidget();
  window_->winId();
  if (QWindow* handle = window_->windowHandle()) {
    handle->setTransientParent(modal != nullptr && modal != window_.get() ? modal->windowHandle()
                                                                          : nullptr);
  }
  return *window_;
}

void HelpController::OpenManual(const std::string& window) {
  HelpWindow& help = Window();
  if (!documents_.found()) {
    help.show();
    return;
  }
  const HelpTopic topic = window.empty() ? HelpTopic{"README.md", {}} : TopicOfWindow(window);
  help.Open(documents_.root + "/manual/" + topic.file, topic.heading);
}

void HelpController::OpenTheory() {
  HelpWindow& help = Window();
  if (documents_.found()) {
    help.Open(documents_.theory());
  } else {
    help.show();
  }
}

std::string HelpController::WindowInUse() const {
  QWidget* w = QApplication::activeModalWidget();
  if (w == nullptr) w = QApplication::activeWindow();
  if (w == nullptr) return {};
  if (qobject_cast<QMessageBox*>(w) != nullptr) return "MsgBox";
  if (qobject_cast<QFileDialog*>(w) != nullptr) return "FileDialog";
  if (qobject_cast<QPrintDialog*>(w) != nullptr) return "PrintDialog";
  if (w == &main_) {
    QMdiSubWindow* sub = main_.mdiArea()->activeSubWindow();
    if (sub == nullptr) return "MDIForm1";
    w = sub;
  }
  // The design book's window and its preview, and the dialogs of sizing.
  for (QWidget* b = w; b != nullptr; b = b->parentWidget()) {
    if (qobject_cast<BookWindow*>(b) != nullptr) return kBookWindowName;
    if (qobject_cast<SectionTableDialog*>(b) != nullptr) return kSectionTableDialogName;
    if (qobject_cast<SizingDialog*>(b) != nullptr) return kSizingDialogName;
  }
  if (w->findChild<SectionView*>() != nullptr) return kSectionViewName;
  // A dialog frame or a sub-window holds the view of one window.
  if (auto* view = w->findChild<WindowView*>()) return view->name();
  return {};
}

bool HelpController::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
  // F1 inside the help window is the help window's own business.
  if (window_ != nullptr && QApplication::activeWindow() == window_.get()) return false;
  OpenManual(WindowInUse());
  return true;
}

}  // namespace varnholt::desktop

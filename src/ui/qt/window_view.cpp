#include "ui/qt/window_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <set>

#include "ui/qt/menu_binder.h"
#include "ui/qt/model_line_edit.h"
#include "ui/qt/text_offsets.h"

namespace varnholt::desktop {
namespace {

using ui::ControlKind;

// Sizes (twips) of controls declared without one.
constexpr int kDefaultTextHeight = 270;
constexpr int kDefaultButtonHeight = 315;
// The margin kept right of and below the last control, inside the classic
// frame that a window's design size includes.
constexpr int kContentMargin = 90;

QColor ToColor(ui::Rgb rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

// Sets a colour for the enabled states only, so a disabled control still
// greys out.
void SetRole(QWidget* w, QPalette::ColorRole role, ui::Rgb rgb) {
  QPalette p = w->palette();
  for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
    p.setColor(g, role, ToColor(rgb));
  }
  w->setPalette(p);
}

void FillBackground(QWidget* w, QPalette::ColorRole role, ui::Rgb rgb) {
  QPalette p = w->palette();
  p.setColor(role, ToColor(rgb));  // all groups: a coloured frame stays coloured
  w->setPalette(p);
  w->setAutoFillBackground(role == QPalette::Window);
}

// Breaks a caption into lines no wider than `width` pixels, one character
// at a time (Japanese breaks between any two characters), preferring a
// break after a blank or a Japanese comma in the latter part of a line.
QString WrapCaption(const QString& text, const QFontMetrics& fm, int width) {
  QStringList lines;
  QString line;
  for (const QChar ch : text) {
    const QString candidate = line + ch;
    if (!line.isEmpty() && fm.horizontalAdvance(candidate) > width) {
      qsizetype cut = -1;
      for (qsizetype i = line.size() - 1; i > line.size() * 6 / 10; --i) {
        if (line[i] == ' ' || line[i] == QChar(0x3001) || line[i] == QChar(0x3000)) {
          cut = i + 1;
          break;
        }
      }
      if (cut > 0 && cut < line.size()) {
        lines << line.left(cut);
        line = line.mid(cut) + ch;
      } else {
        lines << line;
        line = ch;
      }
    } else {
      line = candidate;
    }
  }
  if (!line.isEmpty()) lines << line;
  return lines.join('\n');
}

// The window surface or a frame: paints the line shapes it holds.
class Surface : public QWidget {
 public:
  Surface(const WindowView& view, QWidget* parent) : QWidget(parent), view_(view) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    view_.PaintLines(p, "");
  }

 private:
  const WindowView& view_;
};

// A frame in the classic look the windows were laid out for: an etched
// border whose top edge runs through the middle of the caption, so that
// controls placed just under the caption sit inside the border.
class FrameBox : public QGroupBox {
 public:
  FrameBox(const WindowView& view, std::string name, QWidget* parent)
      : QGroupBox(parent), view_(view), name_(std::move(name)) {
    // Frames are opaque: the sketch lines of the window stop at them.
    setAutoFillBackground(true);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const QFontMetrics fm = fontMetrics();
    const int top = title().isEmpty() ? 0 : fm.height() / 2;
    const QRect box(0, top, width() - 2, height() - top - 2);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(box);
    p.setPen(palette().color(QPalette::Light));
    p.drawRect(box.translated(1, 1));
    if (!title().isEmpty()) {
      const int x = fm.averageCharWidth();
      const QRect text(x, 0, fm.horizontalAdvance(title()) + fm.averageCharWidth(), fm.height());
      p.fillRect(text, palette().color(QPalette::Window));
      p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                               QPalette::WindowText));
      p.drawText(text, Qt::AlignCenter, title());
    }
    view_.PaintLines(p, name_);
  }

 private:
  const WindowView& view_;
  std::string name_;
};

class PictureBox : public QFrame {
 public:
  PictureBox(const WindowView& view, std::string name, QWidget* parent)
      : QFrame(parent), view_(view), name_(std::move(name)) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
  }
  void SetImage(const QIcon& image) {
    image_ = image;
    setFrameShape(image.isNull() ? QFrame::Panel : QFrame::NoFrame);
    update();
  }

 protected:
  void paintEvent(QPaintEvent* e) override {
    QFrame::paintEvent(e);
    QPainter p(this);
    if (!image_.isNull()) image_.paint(&p, contentsRect());
    view_.PaintLines(p, name_);
  }

 private:
  const WindowView& view_;
  std::string name_;
  QIcon image_;
};

// A label's text is opaque, as the classic labels were: a sketch line or
// the ground drawn behind it stops at the text. The rest of the label stays
// transparent, so a label wider than its text never hides a neighbour.
class CaptionLabel : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent* e) override {
    if (!autoFillBackground() && !text().isEmpty()) {
      const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
      const QRect ink = fontMetrics().boundingRect(contentsRect(), flags, text());
      QPainter p(this);
      p.fillRect(ink.adjusted(-1, 0, 1, 0) & rect(), palette().color(QPalette::Window));
    }
    QLabel::paintEvent(e);
  }
};

// A command button also answers Enter when it has the focus, as desktop
// buttons do.
class CommandButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
      click();
      return;
    }
    QPushButton::keyPressEvent(e);
  }
};

// Passes focus changes and label clicks of the view's widgets to the
// window logic.
class ControlEvents : public QObject {
 public:
  ControlEvents(std::shared_ptr<ViewState> state, QObject* parent)
      : QObject(parent), state_(std::move(state)) {}

  void Watch(QWidget* w, const std::string& name, bool label) {
    names_[w] = name;
    if (label) labels_.insert(w);
    w->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    auto it = names_.find(o);
    if (it == names_.end()) return false;
    const std::string name = it->second;
    switch (e->type()) {
      case QEvent::FocusIn:
        if (!state_->Quiet()) {
          if (ui::Control* c = state_->Find(name)) {
            if (c->window().system().Focused() != c) c->window().system().SetFocus(*c);
          }
        }
        break;
      case QEvent::MouseButtonRelease:
        if (labels_.count(o) != 0) {
          if (ui::Control* c = state_->Find(name)) c->Click();
        }
        break;
      case QEvent::MouseButtonDblClick:
        if (labels_.count(o) != 0) {
          if (ui::Control* c = state_->Find(name)) c->DblClick();
        }
        break;
      default:
        break;
    }
    return false;
  }

 private:
  std::shared_ptr<ViewState> state_;
  std::map<QObject*, std::string> names_;
  std::set<QObject*> labels_;
};

bool IsContainer(ControlKind kind) {
  return kind == ControlKind::kFrame || kind == ControlKind::kPicture;
}

}  // namespace

WindowView::WindowView(ui::Window& window, TwipScale scale, QWidget* parent)
    : QWidget(parent), state_(std::make_shared<ViewState>()), name_(window.name()), scale_(scale) {
  state_->window = &window;
  state_->resync = [this](const std::string& name) {
    if (ui::Control* c = state_->Find(name)) SyncControl(*c);
  };
  setObjectName(QString::fromStdString(name_));
  Build();
}

WindowView::~WindowView() { Detach(); }

void WindowView::Detach() {
  state_->window = nullptr;
  state_->resync = nullptr;
}

void WindowView::Build() {
  ui::Window& window = *state_->window;
  const bool has_menus =
      std::any_of(window.controls().begin(), window.controls().end(),
                  [](const auto& c) { return c->kind() == ControlKind::kMenuItem; });
  if (has_menus) {
    menu_bar_ = new QMenuBar(this);
    menus_ = new MenuBinder(state_, menu_bar_, nullptr, this);
    menus_->Build(window);
  }
  surface_ = new Surface(*this, this);
  auto* events = new ControlEvents(state_, this);

  // Containers first, so that they lie beneath the controls they hold and
  // exist when their contents are placed; then the rest in declaration order.
  for (int pass = 0; pass < 2; ++pass) {
    for (const auto& c : window.controls()) {
      if (IsContainer(c->kind()) != (pass == 0)) continue;
      QWidget* w = CreateWidget(*c, SurfaceOf(c->container()));
      if (w == nullptr) continue;
      w->setObjectName(QString::fromStdString(c->name()));
      if (!c->tool_tip.empty()) {
        w->setToolTip(QString::fromStdString(c->tool_tip));
        w->setStatusTip(w->toolTip());
      }
      widgets_[c->name()] = w;
      if (c->kind() != ControlKind::kTextBox) {
        events->Watch(w, c->name(), c->kind() == ControlKind::kLabel);
      }
    }
  }
  // Tab goes where Enter goes.
  QWidget* previous = nullptr;
  for (const ui::Control* c : window.TabOrder()) {
    QWidget* w = WidgetOf(c->name());
    if (w == nullptr) continue;
    if (previous != nullptr) QWidget::setTabOrder(previous, w);
    previous = w;
  }
  for (const auto& c : window.controls()) SyncControl(*c);
  SyncWindow();
  UpdateClientSize();
}

QWidget* WindowView::SurfaceOf(const std::string& container) const {
  if (container.empty()) return surface_;
  auto it = widgets_.find(container);
  return it != widgets_.end() ? it->second : surface_;
}

QWidget* WindowView::CreateWidget(const ui::Control& control, QWidget* parent) {
  const std::string name = control.name();
  std::shared_ptr<ViewState> state = state_;
  // After a click the window logic may have left a button's check state
  // where Qt's own toggling put it; show the logic's state again.
  auto click = [state, name] {
    if (ui::Control* c = state->Find(name)) c->Click();
    if (state->resync) state->resync(name);
  };
  switch (control.kind()) {
    case ControlKind::kTextBox:
      return new ModelLineEdit(state_, name, /*clicks=*/true, parent);
    case ControlKind::kComboBox: {
      auto* box = new QComboBox(parent);
      box->setEditable(true);
      box->setLineEdit(new ModelLineEdit(state_, name, /*clicks=*/false, box));
      box->setInsertPolicy(QComboBox::NoInsert);
      box->setCompleter(nullptr);
      // A choice from the list sets the text, then raises the click event.
      connect(box, &QComboBox::activated, box, [state, name, box](int index) {
        if (ui::Control* c = state->Find(name)) c->SetText(FromQ(box->itemText(index)));
        if (ui::Control* c = state->Find(name)) c->Click();
        if (state->resync) state->resync(name);
      });
      return box;
    }
    case ControlKind::kOption: {
      auto* b = new QRadioButton(parent);
      b->setAutoExclusive(false);  // the window logic keeps the groups
      connect(b, &QRadioButton::clicked, b, click);
      return b;
    }
    case ControlKind::kCheckBox: {
      auto* b = new QCheckBox(parent);
      connect(b, &QCheckBox::clicked, b, click);
      return b;
    }
    case ControlKind::kButton: {
      auto* b = new CommandButton(parent);
      b->setAutoDefault(false);
      connect(b, &QPushButton::clicked, b, click);
      return b;
    }
    case ControlKind::kLabel: {
      auto* l = new CaptionLabel(parent);
      l->setTextFormat(Qt::PlainText);
      return l;
    }
    case ControlKind::kFrame:
      return new FrameBox(*this, name, parent);
    case ControlKind::kPicture:
      return new PictureBox(*this, name, parent);
    case ControlKind::kScrollBar: {
      auto* bar =
          new QScrollBar(control.width >= control.height ? Qt::Horizontal : Qt::Vertical, parent);
      connect(bar, &QScrollBar::valueChanged, bar, [state, name](int value) {
        if (state->Quiet()) return;
        if (ui::Control* c = state->Find(name)) c->SetScrollValue(value);
      });
      return bar;
    }
    case ControlKind::kLine:
    case ControlKind::kMenuItem:
    case ControlKind::kToolButton:
      break;
  }
  return nullptr;
}

void WindowView::Place(const ui::Control& c) {
  QWidget* w = WidgetOf(c.name());
  if (w == nullptr) return;
  const QRect r = Grown(c.name(), scale_.Rect(c.left, c.top, c.width, c.height));
  switch (c.kind()) {
    case ControlKind::kLabel: {
      auto* l = static_cast<QLabel*>(w);
      if (c.width > 0) {
        // A label of a given width wraps a caption that does not fit.
        l->setWordWrap(l->fontMetrics().horizontalAdvance(l->text()) > r.width());
        const int needed = l->wordWrap() ? l->heightForWidth(r.width()) : l->sizeHint().height();
        l->setGeometry(r.x(), r.y(), r.width(), std::max(c.height > 0 ? r.height() : 0, needed));
      } else {
        l->setWordWrap(false);
        const QSize hint = l->sizeHint();
        l->setGeometry(r.x(), r.y(), hint.width(), std::max(r.height(), hint.height()));
      }
      break;
    }
    case ControlKind::kOption:
    case ControlKind::kCheckBox:
    case ControlKind::kButton: {
      auto* b = static_cast<QAbstractButton*>(w);
      const QString caption = ToQ(c.Caption());
      b->setText(caption);
      const int height = c.height > 0 ? r.height() : scale_.Px(kDefaultButtonHeight);
      QSize hint = b->sizeHint();
      // What a caption needs beside its text: the indicator of an option
      // or check box, the bevel of a button.
      const int text_width = b->fontMetrics().horizontalAdvance(caption);
      const int chrome = c.kind() == ControlKind::kButton ? 2 * b->fontMetrics().averageCharWidth()
                                                          : hint.width() - text_width;
      int width = c.width > 0 ? r.width() : hint.width();
      if (text_width + chrome > width) {
        // Too long for its width: wrap onto more lines when the control is
        // tall enough or is a command button, otherwise widen it.
        const QString wrapped = WrapCaption(caption, b->fontMetrics(), width - chrome);
        const int lines = static_cast<int>(wrapped.count('\n')) + 1;
        const bool room = height >= lines * b->fontMetrics().lineSpacing();
        if (c.kind() == ControlKind::kButton || room) {
          b->setText(wrapped);
          hint = b->sizeHint();
        } else {
          width = hint.width();
        }
      }
      const int lines = static_cast<int>(b->text().count('\n')) + 1;
      const int needed = lines == 1 ? 0 : hint.height();
      b->setGeometry(r.x(), r.y(), width, std::max(height, needed));
      break;
    }
    case ControlKind::kTextBox:
      w->setGeometry(r.x(), r.y(), r.width(),
                     c.height > 0 ? r.height() : scale_.Px(kDefaultTextHeight));
      break;
    case ControlKind::kComboBox:
      w->setGeometry(r.x(), r.y(), r.width(),
                     std::max(c.height > 0 ? r.height() : 0, scale_.Px(kDefaultTextHeight + 30)));
      break;
    default:
      w->setGeometry(r);
      break;
  }
}

void WindowView::SetGrowing(std::string viewport, std::string right_bar, std::string bottom_bar) {
  growing_ = Growing{std::move(viewport), std::move(right_bar), std::move(bottom_bar)};
  UpdateClientSize();
}

QRect WindowView::Grown(const std::string& control, QRect r) const {
  if (!growing_ || surface_ == nullptr || !surface_size_.isValid()) return r;
  const QSize extra = (surface_->size() - surface_size_).expandedTo(QSize(0, 0));
  if (control == growing_->viewport) {
    r.setSize(r.size() + extra);
  } else if (control == growing_->right_bar) {
    r.translate(extra.width(), 0);
    r.setHeight(r.height() + extra.height());
  } else if (control == growing_->bottom_bar) {
    r.translate(0, extra.height());
    r.setWidth(r.width() + extra.width());
  }
  return r;
}

void WindowView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (!growing_ || state_->window == nullptr) return;
  const int menu_height = menu_bar_ != nullptr ? menu_bar_->height() : 0;
  if (menu_bar_ != nullptr) menu_bar_->setGeometry(0, 0, width(), menu_height);
  surface_->setGeometry(0, menu_height, width(), height() - menu_height);
  for (const std::string* name :
       {&growing_->viewport, &growing_->right_bar, &growing_->bottom_bar}) {
    if (state_->window->Has(*name)) Place((*state_->window)[*name]);
  }
}

void WindowView::UpdateClientSize() {
  const ui::Window* window = state_->window;
  if (window == nullptr) return;
  QRect bounds;
  for (QWidget* child : surface_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    bounds |= child->geometry();
  }
  for (const auto& c : window->controls()) {
    if (c->kind() == ControlKind::kLine && c->container().empty()) {
      bounds |= QRect(scale_.Point(c->x1, c->y1), scale_.Point(c->x2, c->y2)).normalized();
    }
  }
  for (const ui::DrawnLine& d : window->Drawing()) {
    bounds |= QRect(scale_.Point(d.x1, d.y1), scale_.Point(d.x2, d.y2)).normalized();
  }
  const int margin = scale_.Px(kContentMargin);
  QSize size(
      std::max(scale_.Px(window->width - ui::kClassicFrameWidth), bounds.right() + 1 + margin),
      std::max(scale_.Px(window->height - ui::kClassicFrameHeight), bounds.bottom() + 1 + margin));
  // Never smaller than before: a window does not shrink under the user.
  if (client_size_.isValid()) size = size.expandedTo(surface_size_);
  surface_size_ = size;
  const int menu_height = menu_bar_ != nullptr ? menu_bar_->sizeHint().height() : 0;
  client_size_ = QSize(size.width(), size.height() + menu_height);
  if (growing_) {
    setMinimumSize(client_size_);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    size = this->size().expandedTo(client_size_) - QSize(0, menu_height);
  } else {
    setFixedSize(client_size_);
  }
  if (menu_bar_ != nullptr) menu_bar_->setGeometry(0, 0, size.width(), menu_height);
  surface_->setGeometry(0, menu_height, size.width(), size.height());
}

void WindowView::SyncControl(const ui::Control& c) {
  if (menus_ != nullptr && menus_->Sync(c)) return;
  QWidget* w = WidgetOf(c.name());
  if (w == nullptr) {
    if (c.kind() == ControlKind::kLine) SurfaceOf(c.container())->update();
    return;
  }
  SyncScope scope(*state_);
  if (c.font_size > 0 || c.bold) {
    QFont f = w->font();
    if (c.font_size > 0) f.setPointSize(c.font_size);
    f.setBold(c.bold);
    w->setFont(f);
  }
  w->setEnabled(c.Enabled());
  switch (c.kind()) {
    case ControlKind::kTextBox: {
      auto* edit = static_cast<ModelLineEdit*>(w);
      edit->setFrame(c.BorderStyle() != 0);
      SetRole(edit, QPalette::Text, c.ForeColor());
      if (c.has_back_color) FillBackground(edit, QPalette::Base, c.BackColor());
      edit->ShowModel(c);
      Place(c);
      break;
    }
    case ControlKind::kComboBox: {
      auto* box = static_cast<QComboBox*>(w);
      QStringList items;
      for (const std::string& item : c.Items()) items << ToQ(item);
      QStringList shown;
      for (int i = 0; i < box->count(); ++i) shown << box->itemText(i);
      if (items != shown) {
        box->clear();
        box->addItems(items);
      }
      // The list marks the item the text names, if any, so the arrow keys
      // move on from there.
      const int current = static_cast<int>(items.indexOf(ToQ(c.Text())));
      if (box->currentIndex() != current) box->setCurrentIndex(current);
      static_cast<ModelLineEdit*>(box->lineEdit())->ShowModel(c);
      Place(c);
      break;
    }
    case ControlKind::kOption:
    case ControlKind::kCheckBox: {
      auto* b = static_cast<QAbstractButton*>(w);
      b->setChecked(c.kind() == ControlKind::kOption ? c.Value() : c.CheckValue() != 0);
      SetRole(b, QPalette::WindowText, c.ForeColor());
      Place(c);
      break;
    }
    case ControlKind::kButton:
      SetRole(w, QPalette::ButtonText, c.ForeColor());
      if (c.has_back_color) FillBackground(w, QPalette::Button, c.BackColor());
      Place(c);
      break;
    case ControlKind::kLabel: {
      auto* l = static_cast<QLabel*>(w);
      l->setText(ToQ(c.Caption()));
      l->setAlignment((c.alignment == ui::Alignment::kRight    ? Qt::AlignRight
                       : c.alignment == ui::Alignment::kCenter ? Qt::AlignHCenter
                                                               : Qt::AlignLeft) |
                      Qt::AlignTop);
      SetRole(l, QPalette::WindowText, c.ForeColor());
      if (c.has_back_color) FillBackground(l, QPalette::Window, c.BackColor());
      Place(c);
      break;
    }
    case ControlKind::kFrame: {
      auto* g = static_cast<QGroupBox*>(w);
      g->setTitle(ToQ(c.Caption()));
      SetRole(g, QPalette::WindowText, c.ForeColor());
      if (c.has_back_color) FillBackground(g, QPalette::Window, c.BackColor());
      Place(c);
      break;
    }
    case ControlKind::kPicture:
      FillBackground(w, QPalette::Window, c.has_back_color ? c.BackColor() : 0xFFFFFF);
      Place(c);
      break;
    case ControlKind::kScrollBar: {
      auto* bar = static_cast<QScrollBar*>(w);
      bar->setRange(c.scroll_min, c.scroll_max);
      bar->setValue(c.ScrollValue());
      Place(c);
      break;
    }
    default:
      break;
  }
  w->setVisible(c.Visible());
  // A caption set by a handler may need more room than the window had.
  if (client_size_.isValid()) {
    const QRect r(w->mapTo(surface_, QPoint(0, 0)), w->size());
    const int margin = scale_.Px(kContentMargin);
    if (r.right() + margin >= surface_->width() || r.bottom() + margin >= surface_->height()) {
      const QSize before = client_size_;
      UpdateClientSize();
      if (client_size_ != before) emit ClientSizeChanged();
    }
  }
}

void WindowView::SyncWindow() {
  if (state_->window == nullptr) return;
  emit CaptionChanged(ToQ(state_->window->Caption()));
  surface_->update();
}

void WindowView::FocusControl(const ui::Control& c) {
  QWidget* w = WidgetOf(c.name());
  if (w == nullptr || w->focusPolicy() == Qt::NoFocus) return;
  SyncScope scope(*state_);
  w->setFocus(Qt::OtherFocusReason);
}

void WindowView::ShowImage(const std::string& picture, const QIcon& image) {
  if (auto* box = dynamic_cast<PictureBox*>(WidgetOf(picture))) {
    box->SetImage(image);
    box->setAutoFillBackground(false);
  }
}

ui::Control* WindowView::ControlAt(QWidget* widget) const {
  for (QWidget* w = widget; w != nullptr && w != this; w = w->parentWidget()) {
    const std::string name = w->objectName().toStdString();
    if (!name.empty() && WidgetOf(name) == w) return state_->Find(name);
  }
  return nullptr;
}

QWidget* WindowView::WidgetOf(const std::string& control) const {
  auto it = widgets_.find(control);
  return it == widgets_.end() ? nullptr : it->second;
}

void WindowView::PaintLines(QPainter& painter, const std::string& container) const {
  const ui::Window* window = state_->window;
  if (window == nullptr) return;
  painter.setRenderHint(QPainter::Antialiasing, false);
  for (const auto& c : window->controls()) {
    if (c->kind() != ControlKind::kLine || c->container() != container || !c->Visible()) continue;
    painter.setPen(QPen(ToColor(c->ForeColor()), scale_.LineWidth(1)));
    painter.drawLine(scale_.Point(c->x1, c->y1), scale_.Point(c->x2, c->y2));
  }
  if (!container.empty()) return;
  for (const ui::DrawnLine& d : window->Drawing()) {
    painter.setPen(QPen(Qt::black, scale_.LineWidth(std::max(1, d.width))));
    painter.drawLine(scale_.Point(d.x1, d.y1), scale_.Point(d.x2, d.y2));
  }
}

}  // namespace varnholt::desktop

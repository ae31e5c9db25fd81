#include "ui/toolkit/toolkit.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "ui/toolkit/platform.h"

namespace varnholt::ui {

MsgResult MsgBox(PlatformServices& platform, const std::string& text, MsgButtons buttons,
                 MsgIcon icon, int default_button, const std::string& title) {
  MessageBoxRequest r;
  r.text = text;
  r.buttons = buttons;
  r.icon = icon;
  r.default_button = default_button;
  r.title = title.empty() ? std::string(kProgramTitle) : title;
  return platform.MessageBox(r);
}

// ---------------------------------------------------------------- Control

Control::Control(Window& window, std::string name, ControlKind kind, std::string container)
    : window_(window), name_(std::move(name)), kind_(kind), container_(std::move(container)) {
  if (kind_ == ControlKind::kTextBox) border_style_ = 1;
}

void Control::Changed() { window_.ControlChanged(*this); }

void Control::SetText(std::string text) {
  if (text_ == text) return;
  text_ = std::move(text);
  const int len = static_cast<int>(text_.size());
  sel_start_ = std::min(sel_start_, len);
  sel_length_ = std::min(sel_length_, len - sel_start_);
  Changed();
}

void Control::SetValue(bool selected) {
  RestoreValue(selected);
  if (!selected) return;
  WindowSystem::EventScope scope(window_.system());
  if (on_click) on_click();
}

void Control::RestoreValue(bool selected) {
  if (!selected) {
    if (value_ != 0) {
      value_ = 0;
      Changed();
    }
    return;
  }
  // Clear the rest of the group: options of the same window and container.
  for (const auto& c : window_.controls()) {
    if (c.get() != this && c->kind_ == ControlKind::kOption && c->container_ == container_ &&
        c->value_ != 0) {
      c->value_ = 0;
      c->Changed();
    }
  }
  if (value_ == 0) {
    value_ = 1;
    Changed();
  }
}

void Control::SetCheckValue(int value) {
  if (value_ == value) return;
  RestoreCheckValue(value);
  WindowSystem::EventScope scope(window_.system());
  if (on_click) on_click();
}

void Control::RestoreCheckValue(int value) {
  if (value_ == value) return;
  value_ = value;
  Changed();
}

void Control::SetScrollValue(int value) {
  value = std::clamp(value, scroll_min, scroll_max);
  if (value_ == value) return;
  value_ = value;
  Changed();
  WindowSystem::EventScope scope(window_.system());
  if (on_change) on_change();
}

void Control::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Changed();
}

void Control::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Changed();
}

void Control::SetBorderStyle(int style) {
  if (border_style_ == style) return;
  border_style_ = style;
  Changed();
}

void Control::SetForeColor(Rgb color) {
  if (fore_color_ == color) return;
  fore_color_ = color;
  Changed();
}

void Control::SetBackColor(Rgb color) {
  has_back_color = true;
  if (back_color_ == color) return;
  back_color_ = color;
  Changed();
}

void Control::SetSelStart(int start) {
  const int len = static_cast<int>(text_.size());
  sel_start_ = std::clamp(start, 0, len);
  sel_length_ = 0;
  Changed();
}

void Control::SetSelLength(int length) {
  const int len = static_cast<int>(text_.size());
  sel_length_ = std::clamp(length, 0, len - sel_start_);
  Changed();
}

void Control::SelectAll() {
  sel_start_ = 0;
  sel_length_ = static_cast<int>(text_.size());
  Changed();
}

void Control::ClearItems() {
  items_.clear();
  Changed();
}

void Control::AddItem(std::string item) {
  items_.push_back(std::move(item));
  Changed();
}

void Control::Click() {
  if (!enabled_) return;
  WindowSystem::EventScope scope(window_.system());
  switch (kind_) {
    case ControlKind::kOption:
      if (on_user_click) {
        on_user_click();
      } else {
        SetValue(true);
      }
      return;
    case ControlKind::kCheckBox:
      SetCheckValue(value_ ? 0 : 1);
      return;
    case ControlKind::kTextBox:
    case ControlKind::kComboBox:
      // A click in a box gives it the focus first, as the mouse does.
      if (window_.system().Focused() != this) window_.system().SetFocus(*this);
      break;
    default:
      break;
  }
  if (on_click) on_click();
}

void Control::DblClick() {
  if (!enabled_) return;
  WindowSystem::EventScope scope(window_.system());
  if (on_dblclick) on_dblclick();
}

void Control::TypeKey(int key) {
  if (!enabled_) return;
  WindowSystem::EventScope scope(window_.system());
  if (window_.system().Focused() != this) window_.system().SetFocus(*this);
  if (on_keypress) on_keypress(key);
  if (key == 0 || key == kKeyEnter) return;
  if (key == 8) {  // backspace
    if (sel_length_ > 0) {
      text_.erase(static_cast<size_t>(sel_start_), static_cast<size_t>(sel_length_));
    } else if (sel_start_ > 0) {
      // Remove one UTF-8 character before the caret.
      size_t p = static_cast<size_t>(sel_start_) - 1;
      while (p > 0 && (static_cast<unsigned char>(text_[p]) & 0xC0) == 0x80) --p;
      text_.erase(p, static_cast<size_t>(sel_start_) - p);
      sel_start_ = static_cast<int>(p);
    }
    sel_length_ = 0;
    Changed();
    return;
  }
  std::string ch;
  if (key < 0x80) {
    ch.push_back(static_cast<char>(key));
  } else if (key < 0x800) {
    ch.push_back(static_cast<char>(0xC0 | (key >> 6)));
    ch.push_back(static_cast<char>(0x80 | (key & 0x3F)));
  } else if (key < 0x10000) {
    ch.push_back(static_cast<char>(0xE0 | (key >> 12)));
    ch.push_back(static_cast<char>(0x80 | ((key >> 6) & 0x3F)));
    ch.push_back(static_cast<char>(0x80 | (key & 0x3F)));
  } else {
    ch.push_back(static_cast<char>(0xF0 | (key >> 18)));
    ch.push_back(static_cast<char>(0x80 | ((key >> 12) & 0x3F)));
    ch.push_back(static_cast<char>(0x80 | ((key >> 6) & 0x3F)));
    ch.push_back(static_cast<char>(0x80 | (key & 0x3F)));
  }
  text_.replace(static_cast<size_t>(sel_start_), static_cast<size_t>(sel_length_), ch);
  sel_start_ += static_cast<int>(ch.size());
  sel_length_ = 0;
  Changed();
}

void Control::Type(const std::string& text) {
  for (size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    int cp = c;
    size_t n = 1;
    if (c >= 0xF0) {
      cp = c & 0x07;
      n = 4;
    } else if (c >= 0xE0) {
      cp = c & 0x0F;
      n = 3;
    } else if (c >= 0xC0) {
      cp = c & 0x1F;
      n = 2;
    }
    for (size_t k = 1; k < n && i + k < text.size(); ++k) {
      cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    i += n;
    TypeKey(cp);
  }
}

// ---------------------------------------------------------------- Window

Window::Window(WindowSystem& system, std::string name) : system_(system), name_(std::move(name)) {}

Control& Window::Add(std::string name, ControlKind kind, std::string container) {
  auto c = std::make_unique<Control>(*this, name, kind, std::move(container));
  Control* raw = c.get();
  controls_.push_back(std::move(c));
  by_name_[std::move(name)] = raw;
  return *raw;
}

Control& Window::operator[](const std::string& name) {
  auto it = by_name_.find(name);
  if (it == by_name_.end()) {
    std::fprintf(stderr, "varnholt: window %s has no control %s\n", name_.c_str(), name.c_str());
    std::abort();
  }
  return *it->second;
}

const Control& Window::operator[](const std::string& name) const {
  return const_cast<Window&>(*this)[name];
}

bool Window::Has(const std::string& name) const { return by_name_.count(name) != 0; }

void Window::SetCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  system_.Notify([&](WindowObserver& o) { o.WindowChanged(*this); });
}

void Window::Move(int left, int top) {
  left_ = left;
  top_ = top;
  system_.Notify([&](WindowObserver& o) { o.WindowMoved(*this); });
  system_.Notify([&](WindowObserver& o) { o.WindowChanged(*this); });
}

void Window::Show() {
  if (shown_) return;
  shown_ = true;
  modal_ = false;
  system_.Notify([&](WindowObserver& o) { o.WindowShown(*this); });
}

void Window::ShowModal() {
  shown_ = true;
  modal_ = true;
  system_.Notify([&](WindowObserver& o) { o.WindowShown(*this); });
  // The dialog may unload itself; keep only the name past this call.
  const std::string name = name_;
  WindowSystem& system = system_;
  WindowSystem::EventScope scope(system);
  system.platform().RunModal(*this);
  if (system.IsLoaded(name)) {
    Window& w = system.Get(name);
    w.modal_ = false;
    if (w.shown_) w.Hide();
  }
}

void Window::Hide() {
  if (!shown_) return;
  shown_ = false;
  system_.Notify([&](WindowObserver& o) { o.WindowHidden(*this); });
}

void Window::Unload() { system_.Unload(name_); }

void Window::ClearDrawing() {
  drawing_.clear();
  system_.Notify([&](WindowObserver& o) { o.WindowChanged(*this); });
}

void Window::DrawLine(int x1, int y1, int x2, int y2) {
  drawing_.push_back({x1, y1, x2, y2, DrawWidth});
  system_.Notify([&](WindowObserver& o) { o.WindowChanged(*this); });
}

void Window::Activate() {
  WindowSystem::EventScope scope(system_);
  if (on_activate) on_activate();
}

void Window::ControlChanged(Control& control) {
  system_.Notify([&](WindowObserver& o) { o.ControlChanged(control); });
}

// ---------------------------------------------------------------- WindowSystem

WindowSystem::WindowSystem(PlatformServices& platform) : platform_(platform) {}

WindowSystem::~WindowSystem() {
  // Ending the program closes every window without further events.
  observers_.clear();
  loaded_.clear();
}

void WindowSystem::Register(const std::string& name, WindowFactory factory) {
  factories_[name] = std::move(factory);
}

Window& WindowSystem::Get(const std::string& name) {
  for (const auto& w : loaded_) {
    if (w->name() == name) return *w;
  }
  auto it = factories_.find(name);
  if (it == factories_.end()) {
    std::fprintf(stderr, "varnholt: no window named %s\n", name.c_str());
    std::abort();
  }
  auto window = std::make_unique<Window>(*this, name);
  Window* raw = window.get();
  it->second(*raw);
  loaded_.push_back(std::move(window));
  Notify([&](WindowObserver& o) { o.WindowLoaded(*raw); });
  EventScope scope(*this);
  if (raw->on_load) raw->on_load();
  return *raw;
}

bool WindowSystem::IsLoaded(const std::string& name) const {
  return std::any_of(loaded_.begin(), loaded_.end(),
                     [&](const auto& w) { return w->name() == name; });
}

bool WindowSystem::Unload(const std::string& name) {
  auto it = std::find_if(loaded_.begin(), loaded_.end(),
                         [&](const auto& w) { return w->name() == name; });
  if (it == loaded_.end()) return true;
  Window& w = **it;
  EventScope scope(*this);
  if (w.on_query_unload) {
    bool cancel = false;
    w.on_query_unload(cancel);
    if (cancel) return false;
  }
  if (w.on_unload) w.on_unload();
  // The unload handler may have touched other windows; find ours again.
  it = std::find_if(loaded_.begin(), loaded_.end(),
                    [&](const auto& p) { return p->name() == name; });
  if (it == loaded_.end()) return true;
  if (focused_ != nullptr && &focused_->window() == it->get()) focused_ = nullptr;
  Notify([&](WindowObserver& o) { o.WindowUnloading(**it); });
  // Keep the window alive until the end of this call: a handler of the
  // window itself may be running further up the stack.
  std::unique_ptr<Window> doomed = std::move(*it);
  loaded_.erase(it);
  if (event_depth_ > 0) graveyard_.push_back(std::move(doomed));
  return true;
}

std::vector<std::string> WindowSystem::RegisteredWindows() const {
  std::vector<std::string> names;
  for (const auto& [name, factory] : factories_) names.push_back(name);
  return names;
}

std::vector<std::string> WindowSystem::LoadedWindows() const {
  std::vector<std::string> names;
  for (const auto& w : loaded_) names.push_back(w->name());
  return names;
}

void WindowSystem::SetFocus(Control& control) {
  EventScope scope(*this);
  focused_ = &control;
  Notify([&](WindowObserver& o) { o.FocusChanged(control); });
  if (control.on_gotfocus) control.on_gotfocus();
}

void WindowSystem::AddObserver(WindowObserver* observer) { observers_.push_back(observer); }

void WindowSystem::RemoveObserver(WindowObserver* observer) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

}  // namespace varnholt::ui

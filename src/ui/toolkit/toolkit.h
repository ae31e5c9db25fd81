#pragma once
// In-memory window toolkit: windows and controls as data, with exactly the
// behaviour the program's windows rely on.
//
//  - A window is loaded on first use with its design defaults; unloading
//    discards it, so its next use starts from the defaults again. A hidden
//    window keeps every control's state.
//  - Option buttons placed directly on a window form one group, those in a
//    frame form another. Setting an option's Value to true clears the rest of
//    its group and runs its click handler, also when the program sets it;
//    setting it to false runs nothing. A check box runs its click handler when
//    its Value changes.
//  - One control has the focus; giving a text box the focus runs its got-focus
//    handler. Setting SelStart collapses the selection (SelLength 0).
//  - Positions and sizes are in twips, relative to the window or frame.
// A front end (Qt, or a test) watches the windows through WindowObserver.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace varnholt::ui {

class Window;
class WindowSystem;
class PlatformServices;

/// Colours as 0xRRGGBB.
using Rgb = std::uint32_t;
inline constexpr Rgb kBlack = 0x000000;
inline constexpr Rgb kLightMagenta = 0xFF00FF;

/// The kinds of control the windows use.
enum class ControlKind {
  kTextBox,
  kComboBox,
  kOption,
  kCheckBox,
  kLabel,
  kButton,
  kFrame,
  kLine,
  kScrollBar,
  kPicture,
  kMenuItem,
  kToolButton,
};

/// The classic window frame (borders and title bar) that a window's design
/// size includes, twips.
inline constexpr int kClassicFrameWidth = 120;
inline constexpr int kClassicFrameHeight = 420;

/// Key code of Enter in key-press handlers.
inline constexpr int kKeyEnter = 13;

/// A straight segment drawn on a window or picture at run time (twips).
struct DrawnLine {
  int x1, y1, x2, y2;
  int width;
};

/// Text alignment of labels.
enum class Alignment { kLeft, kRight, kCenter };

/// One control of a window: its identity, geometry, state and handlers.
/// Setters that a front end must mirror notify the window system.
class Control {
 public:
  Control(Window& window, std::string name, ControlKind kind, std::string container);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& name() const { return name_; }
  ControlKind kind() const { return kind_; }
  /// Name of the frame holding the control, empty when it sits on the window.
  const std::string& container() const { return container_; }
  Window& window() const { return window_; }

  // Text of a text box or combo box; caption of every other kind.
  const std::string& Text() const { return text_; }
  void SetText(std::string text);
  const std::string& Caption() const { return text_; }
  void SetCaption(std::string caption) { SetText(std::move(caption)); }

  /// Option button: selected or not. Setting true selects it within its group
  /// and runs its click handler; setting false clears it silently.
  bool Value() const { return value_ != 0; }
  void SetValue(bool selected);
  /// Selects the option within its group (or clears it) without running its
  /// click handler: for a state restored as data, whose consequences the
  /// caller applies itself.
  void RestoreValue(bool selected);
  /// Check box value 0 or 1; a change runs the click handler.
  int CheckValue() const { return value_; }
  void SetCheckValue(int value);
  /// The same without running the click handler.
  void RestoreCheckValue(int value);
  /// Scroll bar position; a change runs the change handler.
  int ScrollValue() const { return value_; }
  void SetScrollValue(int value);
  int scroll_min = 0;
  int scroll_max = 100;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  /// Text box border: 0 flat, 1 sunken.
  int BorderStyle() const { return border_style_; }
  void SetBorderStyle(int style);
  Rgb ForeColor() const { return fore_color_; }
  void SetForeColor(Rgb color);
  Rgb BackColor() const { return back_color_; }
  void SetBackColor(Rgb color);
  bool has_back_color = false;

  int SelStart() const { return sel_start_; }
  /// Moves the caret; the selection collapses.
  void SetSelStart(int start);
  int SelLength() const { return sel_length_; }
  void SetSelLength(int length);
  /// Selects the whole text.
  void SelectAll();

  // Combo box list items.
  const std::vector<std::string>& Items() const { return items_; }
  void ClearItems();
  void AddItem(std::string item);

  // Geometry in twips, relative to the window or frame. A size of 0 lets the
  // front end choose one for the kind of control.
  int left = 0, top = 0, width = 0, height = 0;
  // Line shapes: end points in twips.
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Alignment alignment = Alignment::kLeft;
  int font_size = 0;  // 0: the window's default
  bool bold = false;
  int tool_index = 0;  // toolbar buttons: 1..8
  /// What the box is, shown as its tooltip and in the status bar: the
  /// quantity, its symbol and unit, and a guide range where there is one.
  std::string tool_tip;

  // Event handlers; empty handlers do nothing.
  std::function<void()> on_click;
  std::function<void()> on_dblclick;
  std::function<void()> on_gotfocus;
  /// May set the key to 0 to swallow it.
  std::function<void(int& key)> on_keypress;
  std::function<void()> on_change;
  /// For an option that stands for a command (the small 常時/地震時 marks on
  /// their buttons): a user's click runs this instead of selecting the
  /// option. Setting Value from the program is not affected.
  std::function<void()> on_user_click;

  // Events delivered by a user (or by a test acting as one).
  void Click();
  void DblClick();
  /// A key typed into a text box: the key-press handler runs first and may
  /// swallow the key; a printable key that survives is inserted at the caret
  /// replacing the selection.
  void TypeKey(int key);
  /// Types each character of an ASCII or UTF-8 text through TypeKey.
  void Type(const std::string& text);

 private:
  void Changed();

  Window& window_;
  std::string name_;
  ControlKind kind_;
  std::string container_;
  std::string text_;
  int value_ = 0;
  bool enabled_ = true;
  bool visible_ = true;
  int border_style_ = 1;
  Rgb fore_color_ = kBlack;
  Rgb back_color_ = 0xFFFFFF;
  int sel_start_ = 0;
  int sel_length_ = 0;
  std::vector<std::string> items_;
};

/// What a window's definition builds beside its controls and keeps with the
/// window (the forms layer's typed handles to the controls). It lives and
/// dies with the window.
class WindowAttachment {
 public:
  virtual ~WindowAttachment() = default;
};

/// One window: its controls in declaration order, its geometry and state,
/// and the drawing its handlers made at run time.
class Window {
 public:
  Window(WindowSystem& system, std::string name);
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  const std::string& name() const { return name_; }
  WindowSystem& system() const { return system_; }

  /// Declares a control; used while a window is built from its defaults.
  Control& Add(std::string name, ControlKind kind, std::string container = {});
  /// The control with this name. A missing name is a programming error and
  /// aborts in every build, since a silent dummy would hide a wrong name.
  Control& operator[](const std::string& name);
  const Control& operator[](const std::string& name) const;
  bool Has(const std::string& name) const;
  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
  /// The order Tab moves through the window, that of Enter: these controls
  /// follow one another from where the first stands, the others keep
  /// declaration order. Empty: declaration order.
  void SetTabOrder(std::vector<Control*> order) { tab_order_ = std::move(order); }
  const std::vector<Control*>& TabOrder() const { return tab_order_; }

  /// Keeps `attachment` with the window and returns it.
  template <typename T>
  T& Attach(std::unique_ptr<T> attachment) {
    T& kept = *attachment;
    attachment_ = std::move(attachment);
    return kept;
  }
  /// What the definition attached; null when nothing was.
  WindowAttachment* attachment() const { return attachment_.get(); }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  int Left() const { return left_; }
  int Top() const { return top_; }
  void Move(int left, int top);
  int width = 0, height = 0;
  /// Child windows live in the main window's area; dialogs are shown modally.
  bool is_dialog = false;
  bool is_main = false;

  bool Shown() const { return shown_; }
  bool Modal() const { return modal_; }
  /// Shows the window modelessly.
  void Show();
  /// Shows the window as a modal dialog; returns when it is hidden or unloaded.
  void ShowModal();
  void Hide();
  /// Unloads this window (it must not be used afterwards).
  void Unload();

  // Run-time drawing on the window surface.
  const std::vector<DrawnLine>& Drawing() const { return drawing_; }
  void ClearDrawing();
  void DrawLine(int x1, int y1, int x2, int y2);
  int DrawWidth = 1;

  std::function<void()> on_load;
  std::function<void()> on_unload;
  std::function<void()> on_activate;
  /// May set cancel to true to keep the window.
  std::function<void(bool& cancel)> on_query_unload;

  /// Raises the activate event (a front end calls this when the window gets activated).
  void Activate();

 private:
  friend class Control;
  friend class WindowSystem;
  void ControlChanged(Control& control);

  WindowSystem& system_;
  std::string name_;
  std::string caption_;
  int left_ = 0, top_ = 0;
  bool shown_ = false;
  bool modal_ = false;
  std::vector<std::unique_ptr<Control>> controls_;
  std::vector<Control*> tab_order_;
  std::map<std::string, Control*> by_name_;
  std::vector<DrawnLine> drawing_;
  std::unique_ptr<WindowAttachment> attachment_;
};

/// What a front end learns about the windows. Every method has an empty default.
class WindowObserver {
 public:
  virtual ~WindowObserver() = default;
  virtual void WindowLoaded(Window&) {}
  virtual void WindowUnloading(Window&) {}
  virtual void WindowShown(Window&) {}
  virtual void WindowHidden(Window&) {}
  virtual void WindowChanged(Window&) {}  // caption, position or drawing
  virtual void WindowMoved(Window&) {}    // Move was called (also reported as a change)
  virtual void ControlChanged(Control&) {}
  virtual void FocusChanged(Control&) {}
};

/// Builds a window from its design defaults and wires its handlers.
using WindowFactory = std::function<void(Window&)>;

/// All windows of the program, loaded on first use, and the focus.
class WindowSystem {
 public:
  explicit WindowSystem(PlatformServices& platform);
  ~WindowSystem();
  WindowSystem(const WindowSystem&) = delete;
  WindowSystem& operator=(const WindowSystem&) = delete;

  /// Registers how a window is built; windows are built on first use.
  void Register(const std::string& name, WindowFactory factory);

  /// The window, loaded with its defaults (and its load handler run) when
  /// it was not loaded. Loading does not show it.
  Window& Get(const std::string& name);
  bool IsLoaded(const std::string& name) const;
  /// Unloads the window if it is loaded: its unload handler runs, its state
  /// is discarded. Returns false when the query-unload handler refused.
  bool Unload(const std::string& name);
  /// Names of every registered window, loaded or not, in name order.
  std::vector<std::string> RegisteredWindows() const;
  /// Names of the loaded windows in load order.
  std::vector<std::string> LoadedWindows() const;

  /// Gives the focus to a control and runs its got-focus handler.
  void SetFocus(Control& control);
  Control* Focused() const { return focused_; }

  PlatformServices& platform() { return platform_; }
  void AddObserver(WindowObserver* observer);
  void RemoveObserver(WindowObserver* observer);

 private:
  friend class Window;
  friend class Control;
  template <typename F>
  void Notify(F&& f) {
    for (WindowObserver* o : observers_) f(*o);
  }

  // Counts the events being handled: a window unloaded inside an event
  // (a dialog closing itself from its own button) is kept until the outermost
  // event has returned, so no handler runs on a destroyed window.
  class EventScope {
   public:
    explicit EventScope(WindowSystem& s) : s_(s) { ++s_.event_depth_; }
    ~EventScope() {
      if (--s_.event_depth_ == 0) s_.graveyard_.clear();
    }
    EventScope(const EventScope&) = delete;
    EventScope& operator=(const EventScope&) = delete;

   private:
    WindowSystem& s_;
  };

  PlatformServices& platform_;
  std::map<std::string, WindowFactory> factories_;
  std::vector<std::unique_ptr<Window>> loaded_;
  std::vector<std::unique_ptr<Window>> graveyard_;
  int event_depth_ = 0;
  Control* focused_ = nullptr;
  std::vector<WindowObserver*> observers_;
};

}  // namespace varnholt::ui

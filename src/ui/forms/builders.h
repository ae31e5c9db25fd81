#pragma once
// Short declarations of controls, used by every window's definition.
// Positions and sizes are twips relative to the window or the frame.

#include <string>

#include "ui/toolkit/toolkit.h"

namespace varnholt::forms {

using ui::Control;
using ui::ControlKind;
using ui::Window;

// Default sizes of the common controls, in twips.
inline constexpr int kTextHeight = 270;
inline constexpr int kButtonHeight = 315;
inline constexpr int kOptionHeight = 255;

inline Control& AddText(Window& w, const std::string& name, int left, int top, int width,
                        const std::string& container = {}) {
  Control& c = w.Add(name, ControlKind::kTextBox, container);
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = kTextHeight;
  return c;
}

inline Control& AddLabel(Window& w, const std::string& name, const std::string& caption, int left,
                         int top, const std::string& container = {}) {
  Control& c = w.Add(name, ControlKind::kLabel, container);
  c.SetCaption(caption);
  c.left = left;
  c.top = top;
  return c;
}

inline Control& AddOption(Window& w, const std::string& name, const std::string& caption, int left,
                          int top, const std::string& container = {}) {
  Control& c = w.Add(name, ControlKind::kOption, container);
  c.SetCaption(caption);
  c.left = left;
  c.top = top;
  c.height = kOptionHeight;
  return c;
}

inline Control& AddCheck(Window& w, const std::string& name, const std::string& caption, int left,
                         int top, const std::string& container = {}) {
  Control& c = w.Add(name, ControlKind::kCheckBox, container);
  c.SetCaption(caption);
  c.left = left;
  c.top = top;
  c.height = kOptionHeight;
  return c;
}

inline Control& AddButton(Window& w, const std::string& name, const std::string& caption, int left,
                          int top, int width, const std::string& container = {}) {
  Control& c = w.Add(name, ControlKind::kButton, container);
  c.SetCaption(caption);
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = kButtonHeight;
  return c;
}

inline Control& AddFrame(Window& w, const std::string& name, const std::string& caption, int left,
                         int top, int width, int height, const std::string& container = {}) {
  Control& c = w.Add(name, ControlKind::kFrame, container);
  c.SetCaption(caption);
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
  return c;
}

inline Control& AddCombo(Window& w, const std::string& name, int left, int top, int width,
                         const std::string& container = {}) {
  Control& c = w.Add(name, ControlKind::kComboBox, container);
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = kTextHeight + 30;
  return c;
}

inline Control& AddLine(Window& w, const std::string& name, int x1, int y1, int x2, int y2,
                        const std::string& container = {}) {
  Control& c = w.Add(name, ControlKind::kLine, container);
  c.x1 = x1;
  c.y1 = y1;
  c.x2 = x2;
  c.y2 = y2;
  return c;
}

}  // namespace varnholt::forms

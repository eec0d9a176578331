#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <utility>

#include "app/model/colours.h"
#include "app/model/picture.h"

namespace fm {

class Window;

enum class WidgetKind { Label, Image, CommandButton, OptionButton, Line, TextBox, Timer };

std::string_view kindName(WidgetKind kind);

// Position and size of a widget in twips.
struct Geometry {
  float left = 0;
  float top = 0;
  float width = 0;
  float height = 0;
};

// The properties a layout row gives a widget when its window is loaded. Fields that do not
// apply to a widget's kind are ignored. `caption` is the Caption of a label, button or option
// button and the Text of a text box.
struct Props {
  std::string_view caption{};
  bool visible = true;
  bool enabled = true;
  int tabIndex = 0;
  int alignment = 0;  // 0 left, 1 right, 2 centred
  int backStyle = 1;  // 1 opaque, 0 transparent
  std::int32_t backColor = kButtonFace;
  std::int32_t foreColor = kButtonText;
  float fontSize = 9;  // points
  const PictureAsset* picture = nullptr;
  bool value = false;
  int interval = 0;  // milliseconds
  float x1 = 0;
  float y1 = 0;
  float x2 = 0;
  float y2 = 0;
  std::int32_t borderColor = kBlack;
};

// What the scheduler keeps about a timer widget.
struct TimerState {
  std::int64_t due = 0;          // virtual or real milliseconds of the next tick
  std::uint64_t order = 0;       // when it was enabled, to order ticks due at the same moment
  std::uint64_t generation = 0;  // bumped by every start, so a tick can tell it was restarted
  bool scheduled = false;
  bool running = false;  // its handler is running (possibly waiting on a message box)
  // The program's change count after its last tick, if that tick changed nothing: while the
  // count still reads the same, its next tick would change nothing either.
  std::uint64_t idleAt = kNeverIdle;
  static constexpr std::uint64_t kNeverIdle = std::numeric_limits<std::uint64_t>::max();
};

// One widget of a window: created once from its layout row, reset to that row whenever its
// window is loaded. Every setter records the change so that the screen is redrawn before the
// next event is handled.
class Widget {
 public:
  // `row` is the widget's position in its window's layout table, front to back.
  Widget(Window& window, std::size_t row, std::string_view name, int index, WidgetKind kind,
         Geometry geometry, const Props& initial);
  Widget(const Widget&) = delete;
  Widget& operator=(const Widget&) = delete;
  Widget(Widget&&) = delete;
  Widget& operator=(Widget&&) = delete;
  ~Widget() = default;

  [[nodiscard]] Window& window() const { return window_; }
  [[nodiscard]] std::size_t row() const { return row_; }
  [[nodiscard]] const std::string& name() const { return name_; }
  [[nodiscard]] int index() const { return index_; }  // -1 outside a widget array
  [[nodiscard]] WidgetKind kind() const { return kind_; }
  [[nodiscard]] std::string displayName() const;  // "kotoba(3)" or "seimes"

  [[nodiscard]] float left() const { return geometry_.left; }
  [[nodiscard]] float top() const { return geometry_.top; }
  [[nodiscard]] float width() const { return geometry_.width; }
  [[nodiscard]] float height() const { return geometry_.height; }
  void setLeft(float left);
  void setTop(float top);
  void setWidth(float width);
  void setHeight(float height);

  [[nodiscard]] bool visible() const { return visible_; }
  [[nodiscard]] bool enabled() const { return enabled_; }
  [[nodiscard]] int tabIndex() const { return tabIndex_; }
  void setVisible(bool visible);
  void setEnabled(bool enabled);  // on a timer: start or stop it

  [[nodiscard]] const std::string& caption() const { return text_; }
  [[nodiscard]] const std::string& text() const { return text_; }
  void setCaption(std::string caption);
  void setText(std::string text) { setCaption(std::move(text)); }
  [[nodiscard]] int alignment() const { return alignment_; }
  [[nodiscard]] int backStyle() const { return backStyle_; }
  [[nodiscard]] std::int32_t backColor() const { return backColor_; }
  [[nodiscard]] std::int32_t foreColor() const { return foreColor_; }
  [[nodiscard]] float fontSize() const { return fontSize_; }
  void setBackColor(std::int32_t colour);
  void setForeColor(std::int32_t colour);

  // Assigning a picture to an Image resizes it to the picture (15 twips per pixel); an empty
  // picture blanks it and keeps its size.
  [[nodiscard]] Picture picture() const { return picture_; }
  void setPicture(Picture picture);

  // Option buttons of one window form one group: setting one true clears the others.
  [[nodiscard]] bool value() const { return value_; }
  void setValue(bool value);

  [[nodiscard]] float x1() const { return x1_; }
  [[nodiscard]] float y1() const { return y1_; }
  [[nodiscard]] float x2() const { return x2_; }
  [[nodiscard]] float y2() const { return y2_; }
  [[nodiscard]] std::int32_t borderColor() const { return borderColor_; }

  [[nodiscard]] int interval() const { return interval_; }
  void setInterval(int milliseconds);

  // Buttons, option buttons and text boxes take the keyboard focus while visible and enabled.
  [[nodiscard]] bool isFocusableKind() const;
  [[nodiscard]] bool canHoldFocus() const { return isFocusableKind() && visible_ && enabled_; }
  // Buttons, option buttons and images can be clicked while visible and enabled.
  [[nodiscard]] bool isClickableKind() const;

  [[nodiscard]] TimerState& timerState() { return timerState_; }
  [[nodiscard]] const TimerState& timerState() const { return timerState_; }

  // Back to the layout row's values (timers are left stopped; the window starts them).
  void reset();
  // Change tracking for the screen: true the first time after the last clear.
  bool markChanged() { return !std::exchange(changed_, true); }
  void clearChanged() { changed_ = false; }
  [[nodiscard]] bool initiallyEnabled() const { return initial_.enabled; }

 private:
  // Stores the value; a change when it differs from the one held.
  template <class Value>
  bool assign(Value& field, Value value);
  void changed();
  void focusabilityChanged();

  Window& window_;
  std::size_t row_;
  std::string name_;
  int index_;
  WidgetKind kind_;
  Geometry initialGeometry_;
  Props initial_;

  Geometry geometry_;
  bool visible_ = true;
  bool enabled_ = true;
  int tabIndex_ = 0;
  std::string text_;
  int alignment_ = 0;
  int backStyle_ = 1;
  std::int32_t backColor_ = kButtonFace;
  std::int32_t foreColor_ = kButtonText;
  float fontSize_ = 9;
  Picture picture_;
  bool value_ = false;
  float x1_ = 0;
  float y1_ = 0;
  float x2_ = 0;
  float y2_ = 0;
  std::int32_t borderColor_ = kBlack;
  int interval_ = 0;
  TimerState timerState_;
  bool changed_ = false;
};

}  // namespace fm

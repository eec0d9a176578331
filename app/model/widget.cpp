#include "app/model/widget.h"

#include <utility>

#include "app/model/window.h"

namespace fm {

std::string_view kindName(WidgetKind kind) {
  switch (kind) {
    case WidgetKind::Label:
      return "Label";
    case WidgetKind::Image:
      return "Image";
    case WidgetKind::CommandButton:
      return "CommandButton";
    case WidgetKind::OptionButton:
      return "OptionButton";
    case WidgetKind::Line:
      return "Line";
    case WidgetKind::TextBox:
      return "TextBox";
    case WidgetKind::Timer:
      return "Timer";
  }
  return "Widget";
}

Widget::Widget(Window& window, std::size_t row, std::string_view name, int index, WidgetKind kind,
               Geometry geometry, const Props& initial)
    : window_(window),
      row_(row),
      name_(name),
      index_(index),
      kind_(kind),
      initialGeometry_(geometry),
      initial_(initial) {
  reset();
}

std::string Widget::displayName() const {
  if (index_ < 0) return name_;
  return name_ + "(" + std::to_string(index_) + ")";
}

void Widget::reset() {
  geometry_ = initialGeometry_;
  visible_ = initial_.visible;
  enabled_ = kind_ == WidgetKind::Timer ? false : initial_.enabled;
  tabIndex_ = initial_.tabIndex;
  text_ = std::string(initial_.caption);
  alignment_ = initial_.alignment;
  backStyle_ = initial_.backStyle;
  backColor_ = initial_.backColor;
  foreColor_ = initial_.foreColor;
  fontSize_ = initial_.fontSize;
  picture_ = Picture(initial_.picture);
  if (kind_ == WidgetKind::Image && !picture_.empty()) {
    geometry_.width = static_cast<float>(picture_.asset()->widthPx * kTwipsPerPixel);
    geometry_.height = static_cast<float>(picture_.asset()->heightPx * kTwipsPerPixel);
  }
  value_ = initial_.value;
  x1_ = initial_.x1;
  y1_ = initial_.y1;
  x2_ = initial_.x2;
  y2_ = initial_.y2;
  borderColor_ = initial_.borderColor;
  interval_ = initial_.interval;
  // A tick handler may still be running while its window is unloaded and loaded again: keep
  // what the scheduler needs to finish that tick.
  timerState_.scheduled = false;
}

bool Widget::isFocusableKind() const {
  return kind_ == WidgetKind::CommandButton || kind_ == WidgetKind::OptionButton ||
         kind_ == WidgetKind::TextBox;
}

bool Widget::isClickableKind() const {
  return kind_ == WidgetKind::CommandButton || kind_ == WidgetKind::OptionButton ||
         kind_ == WidgetKind::Image;
}

template <class Value>
bool Widget::assign(Value& field, Value value) {
  if (field == value) return false;
  field = std::move(value);
  changed();
  return true;
}

void Widget::changed() {
  window_.noteChange();
  window_.widgetChanged(*this);
}

void Widget::focusabilityChanged() {
  window_.focusabilityChanged(*this);
}

void Widget::setLeft(float left) {
  assign(geometry_.left, left);
}

void Widget::setTop(float top) {
  assign(geometry_.top, top);
}

void Widget::setWidth(float width) {
  assign(geometry_.width, width);
}

void Widget::setHeight(float height) {
  assign(geometry_.height, height);
}

void Widget::setVisible(bool visible) {
  if (assign(visible_, visible)) focusabilityChanged();
}

void Widget::setEnabled(bool enabled) {
  if (kind_ == WidgetKind::Timer) {
    if (enabled_ == enabled) return;  // enabling a running timer lets its period run on
    enabled_ = enabled;
    window_.noteChange();
    window_.timerChanged(*this);
    return;
  }
  if (assign(enabled_, enabled)) focusabilityChanged();
}

void Widget::setCaption(std::string caption) {
  assign(text_, std::move(caption));
}

void Widget::setBackColor(std::int32_t colour) {
  assign(backColor_, colour);
}

void Widget::setForeColor(std::int32_t colour) {
  assign(foreColor_, colour);
}

void Widget::setPicture(Picture picture) {
  if (kind_ == WidgetKind::Image && !picture.empty()) {
    assign(geometry_.width, static_cast<float>(picture.asset()->widthPx * kTwipsPerPixel));
    assign(geometry_.height, static_cast<float>(picture.asset()->heightPx * kTwipsPerPixel));
  }
  assign(picture_, picture);
}

void Widget::setValue(bool value) {
  if (value_ == value) return;
  value_ = value;
  if (value && kind_ == WidgetKind::OptionButton) window_.optionSelected(*this);
  changed();
}

void Widget::setInterval(int milliseconds) {
  if (interval_ == milliseconds) return;
  interval_ = milliseconds;
  window_.noteChange();
  // A running timer starts a new period with the new interval.
  if (kind_ == WidgetKind::Timer && enabled_) window_.timerChanged(*this);
}

}  // namespace fm

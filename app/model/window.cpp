#include "app/model/window.h"

#include <algorithm>
#include <stdexcept>

#include "app/model/conversions.h"
#include "app/model/program.h"

namespace fm {

Window::Window(Program& program, const WindowFrame& frame, std::span<const LayoutRow> layout)
    : program_(program), frame_(frame), caption_(frame.caption), backColor_(frame.backColor) {
  widgets_.reserve(layout.size());
  handlers_.reserve(layout.size());
  for (const LayoutRow& row : layout) {
    widgets_.push_back(std::make_unique<Widget>(*this, widgets_.size(), row.name, row.index,
                                                row.kind, row.geometry, row.props));
    handlers_.push_back(row.handler);
  }
}

Widget* Window::find(std::string_view name, int index) const {
  for (const auto& widget : widgets_) {
    if (widget->name() == name && widget->index() == index) return widget.get();
  }
  return nullptr;
}

Widget& Window::widget(std::string_view name, int index) const {
  Widget* found = find(name, index);
  if (found == nullptr) {
    throw std::logic_error("window " + std::string(frame_.name) + " has no widget " +
                           std::string(name) + "(" + std::to_string(index) + ")");
  }
  return *found;
}

bool Window::handlesClick(const Widget& widget) const {
  const EventHandler& handler = handlers_.at(widget.row());
  return handler.plain != nullptr || handler.indexed != nullptr;
}

Widget* Window::imageAt(double x, double y) const {
  for (const auto& widget : widgets_) {
    if (widget->kind() != WidgetKind::Image || !widget->visible()) continue;
    const double left = widget->left();
    const double top = widget->top();
    if (x >= left && x <= left + widget->width() && y >= top && y <= top + widget->height()) {
      return widget.get();
    }
  }
  return nullptr;
}

void Window::Load() {
  if (loaded_) return;
  loaded_ = true;
  noteChange();
  caption_ = std::string(frame_.caption);
  backColor_ = frame_.backColor;
  picture_ = {};
  setActiveControl(nullptr);
  for (const auto& widget : widgets_) widget->reset();
  variables_.resetAll();
  markFrameChanged();
  for (const auto& widget : widgets_) widgetChanged(*widget);
  // Timers enabled in the layout start now, in table order.
  for (const auto& widget : widgets_) {
    if (widget->kind() == WidgetKind::Timer && widget->initiallyEnabled()) {
      widget->setEnabled(true);
    }
  }
  Form_Load();
}

void Window::Unload() {
  if (!loaded_) return;
  for (const auto& widget : widgets_) {
    if (widget->kind() == WidgetKind::Timer) widget->setEnabled(false);
  }
  loaded_ = false;
  visible_ = false;
  noteChange();
  setActiveControl(nullptr);
  markFrameChanged();
  // A box the window raised goes with it; its handler runs on to its end.
  program_.closeBoxesOf(*this);
}

void Window::setVisible(bool visible) {
  if (visible) {
    Load();
    // Form_Load may have unloaded the window again; a closed window stays closed.
    if (!loaded_) return;
    if (visible_) {
      raiseRequested_ = true;
    } else {
      visible_ = true;
      noteChange();
      focusFirst();
    }
  } else {
    if (!visible_) return;
    visible_ = false;
    noteChange();
  }
  markFrameChanged();
}

template <class Value>
void Window::assign(Value& field, Value value) {
  if (field == value) return;
  field = std::move(value);
  noteChange();
  markFrameChanged();
}

void Window::setCaption(std::string caption) {
  assign(caption_, std::move(caption));
}

void Window::setBackColor(std::int32_t colour) {
  assign(backColor_, colour);
}

void Window::setPicture(Picture picture) {
  assign(picture_, picture);
}

void Window::focus(Widget& widget) {
  if (&widget.window() == this && widget.canHoldFocus()) setActiveControl(&widget);
}

std::vector<Widget*> Window::tabOrder() const {
  std::vector<Widget*> order;
  for (const auto& widget : widgets_) {
    if (widget->isFocusableKind()) order.push_back(widget.get());
  }
  std::stable_sort(order.begin(), order.end(),
                   [](const Widget* a, const Widget* b) { return a->tabIndex() < b->tabIndex(); });
  return order;
}

void Window::focusFirst() {
  const std::vector<Widget*> order = tabOrder();
  const auto first = std::find_if(order.begin(), order.end(),
                                  [](const Widget* widget) { return widget->canHoldFocus(); });
  setActiveControl(first != order.end() ? *first : nullptr);
}

void Window::setActiveControl(Widget* widget) {
  if (activeControl_ == widget) return;
  activeControl_ = widget;
  noteChange();
  focusChanged_ = true;
}

void Window::focusabilityChanged(Widget& widget) {
  if (&widget != activeControl_ || widget.canHoldFocus()) return;
  // The focus moves on in tab order, wrapping round, or to the window when none is left.
  Widget* next = nullptr;
  Widget* first = nullptr;
  const int from = widget.tabIndex();
  for (const auto& candidate : widgets_) {
    if (!candidate->canHoldFocus()) continue;
    if (first == nullptr || candidate->tabIndex() < first->tabIndex()) first = candidate.get();
    if (candidate->tabIndex() > from &&
        (next == nullptr || candidate->tabIndex() < next->tabIndex())) {
      next = candidate.get();
    }
  }
  setActiveControl(next != nullptr ? next : first);
}

void Window::deliverClick(Widget& widget) {
  if (!loaded_ || !visible_ || &widget.window() != this) return;
  if (!widget.isClickableKind() || !widget.visible() || !widget.enabled()) return;
  if (widget.canHoldFocus()) setActiveControl(&widget);
  if (widget.kind() == WidgetKind::OptionButton) widget.setValue(true);
  raise(widget);
}

void Window::deliverKeyDown(std::int16_t keyCode, std::int16_t shift) {
  if (!loaded_ || !visible_) return;
  constexpr std::int16_t kEnter = 13;
  constexpr std::int16_t kSpace = 32;
  if (activeControl_ != nullptr) {
    // A focused button takes Space and Enter as a press; other keys stay with the widget.
    if (keyCode == kSpace ||
        (keyCode == kEnter && activeControl_->kind() == WidgetKind::CommandButton)) {
      if (activeControl_->kind() != WidgetKind::TextBox) deliverClick(*activeControl_);
    }
    return;
  }
  Form_KeyDown(keyCode, shift);
}

void Window::deliverTick(Widget& timer) {
  if (!loaded_ || !timer.enabled()) return;
  raise(timer);
}

void Window::raise(Widget& widget) {
  const EventHandler handler = handlers_[widget.row()];
  if (handler.plain != nullptr) {
    (this->*handler.plain)();
  } else if (handler.indexed != nullptr) {
    (this->*handler.indexed)(static_cast<std::int16_t>(widget.index()));
  }
}

void Window::MsgBox(const std::string& text) {
  program_.MsgBox(*this, text);
}

float Window::Rnd() {
  return program_.Rnd();
}

std::int16_t Window::RndInt(std::int16_t n) {
  // In double precision the product of a draw below 1 stays below n.
  return toInteger(Int(static_cast<double>(Rnd()) * n));
}

void Window::Randomize() {
  program_.Randomize();
}

Window& Window::form(std::string_view name) const {
  return program_.window(name);
}

void Window::Form_KeyDown(std::int16_t /*keyCode*/, std::int16_t /*shift*/) {}

void Window::clearChanges() {
  frameChanged_ = false;
  focusChanged_ = false;
  raiseRequested_ = false;
  for (Widget* widget : changedWidgets_) widget->clearChanged();
  changedWidgets_.clear();
}

void Window::noteChange() {
  program_.changes().note();
}

void Window::widgetChanged(Widget& widget) {
  if (widget.markChanged()) changedWidgets_.push_back(&widget);
}

void Window::timerChanged(Widget& timer) {
  if (timer.enabled() && loaded_) {
    program_.scheduler().start(timer);
  } else {
    program_.scheduler().stop(timer);
  }
}

void Window::optionSelected(Widget& option) {
  for (const auto& widget : widgets_) {
    if (widget.get() != &option && widget->kind() == WidgetKind::OptionButton) {
      widget->setValue(false);
    }
  }
}

void Window::markFrameChanged() {
  frameChanged_ = true;
}

WidgetArray::WidgetArray(const Window& window, std::string_view name) {
  for (const auto& widget : window.widgets()) {
    if (widget->name() != name || widget->index() < 0) continue;
    const auto index = static_cast<std::size_t>(widget->index());
    if (members_.size() <= index) members_.resize(index + 1, nullptr);
    members_[index] = widget.get();
  }
  if (members_.empty() || std::find(members_.begin(), members_.end(), nullptr) != members_.end()) {
    throw std::logic_error("incomplete widget array " + std::string(name));
  }
}

Widget& WidgetArray::operator()(int index) const {
  return *members_.at(static_cast<std::size_t>(index));
}

}  // namespace fm

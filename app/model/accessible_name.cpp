#include "app/model/accessible_name.h"

#include "app/model/pixels.h"
#include "app/model/window.h"

namespace fm {
namespace {

// The label whose top is nearest above the text box's, overlapping it across and ending no
// further above it than the box is tall: the label a player reads as the box's name.
const Widget* labelAbove(const Widget& box) {
  const Widget* nearest = nullptr;
  for (const auto& candidate : box.window().widgets()) {
    const Widget& label = *candidate;
    if (label.kind() != WidgetKind::Label || !label.visible() || label.caption().empty()) continue;
    const bool across =
        label.left() < box.left() + box.width() && box.left() < label.left() + label.width();
    const bool above =
        label.top() < box.top() && label.top() + label.height() >= box.top() - box.height();
    if (across && above && (nearest == nullptr || label.top() > nearest->top())) nearest = &label;
  }
  return nearest;
}

}  // namespace

std::string accessibleName(const Widget& widget) {
  switch (widget.kind()) {
    case WidgetKind::Image:
      return std::string(widget.picture().description());
    case WidgetKind::TextBox: {
      const Widget* label = labelAbove(widget);
      return label != nullptr ? label->caption() : std::string();
    }
    case WidgetKind::Line:
    case WidgetKind::Timer:
      return {};
    default:
      return widget.caption();
  }
}

bool announced(const Widget& widget) {
  if (!widget.visible()) return false;
  switch (widget.kind()) {
    case WidgetKind::Label:
    case WidgetKind::Image:
      return liesOnWindow(widget) && !accessibleName(widget).empty();
    case WidgetKind::Line:
    case WidgetKind::Timer:
      return false;
    default:
      return true;
  }
}

bool actsAsButton(const Widget& widget) {
  return widget.kind() == WidgetKind::Image && widget.window().handlesClick(widget);
}

}  // namespace fm

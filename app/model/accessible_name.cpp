#include "app/model/accessible_name.h"

#include "app/model/window.h"

namespace fm {

std::string accessibleName(const Widget& widget) {
  switch (widget.kind()) {
    case WidgetKind::Image:
      return std::string(widget.picture().description());
    case WidgetKind::Line:
    case WidgetKind::Timer:
      return {};
    default:
      return widget.caption();
  }
}

bool actsAsButton(const Widget& widget) {
  return widget.kind() == WidgetKind::Image && widget.window().handlesClick(widget);
}

}  // namespace fm

#include "app/web/dom_view.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/model/accessible_name.h"
#include "app/model/colours.h"
#include "app/model/picture_svg.h"
#include "app/model/pixels.h"
#include "app/web/browser.h"

namespace fm::web {
namespace {

std::string css(std::int32_t colour) {
  const Rgb rgb = toRgb(colour);
  return "rgb(" + std::to_string(rgb.red) + "," + std::to_string(rgb.green) + "," +
         std::to_string(rgb.blue) + ")";
}

const char* kindOnPage(WidgetKind kind) {
  switch (kind) {
    case WidgetKind::Label:
      return "label";
    case WidgetKind::Image:
      return "image";
    case WidgetKind::CommandButton:
      return "button";
    case WidgetKind::OptionButton:
      return "option";
    case WidgetKind::TextBox:
      return "text";
    default:
      return "line";
  }
}

bool isNative(const Widget& widget) {
  return widget.isFocusableKind();
}

}  // namespace

DomView::DomView(Program& program) {
  for (const auto& window : program.windows()) forms_.push_back(window.get());
  created_.assign(forms_.size(), false);
}

Window* DomView::form(int id) const {
  return id >= 0 && static_cast<std::size_t>(id) < forms_.size() ? forms_[id] : nullptr;
}

Widget* DomView::widget(int id) const {
  return id >= 0 && static_cast<std::size_t>(id) < widgets_.size() ? widgets_[id] : nullptr;
}

int DomView::formId(const Window& window) const {
  const auto found = std::find(forms_.begin(), forms_.end(), &window);
  return static_cast<int>(found - forms_.begin());
}

void DomView::createForm(int id) {
  Window& window = *forms_[id];
  created_[id] = true;
  mg_form_create(id, std::string(window.name()).c_str(), window.caption().c_str(),
                 toPixels(window.clientWidth()), toPixels(window.clientHeight()));
  const auto rows = static_cast<int>(window.widgets().size());
  const auto create = [&](Widget& widget) {
    const int widgetId = static_cast<int>(widgets_.size());
    widgets_.push_back(&widget);
    widgetIds_.emplace(&widget, widgetId);
    // The first row in front; buttons, option buttons and text boxes above every painted one.
    const int row = static_cast<int>(widget.row());
    const int order = (isNative(widget) ? 2 * rows : rows) - row;
    mg_widget_create(widgetId, id, kindOnPage(widget.kind()), widget.name().c_str(), widget.index(),
                     order, widget.tabIndex(), actsAsButton(widget) ? 1 : 0);
    applyWidget(widget);
  };
  for (const auto& widget : window.widgets()) {
    if (widget->kind() != WidgetKind::Timer && !isNative(*widget)) create(*widget);
  }
  // The controls come on the page in the order Tab visits them.
  for (Widget* control : window.tabOrder()) create(*control);
  applyFrame(window);
}

void DomView::applyChanges() {
  for (std::size_t id = 0; id < forms_.size(); ++id) {
    Window& window = *forms_[id];
    if (!window.hasChanges()) continue;
    if (!created_[id]) {
      // A window never shown yet is made when it is, as it is then.
      if (window.visible()) {
        createForm(static_cast<int>(id));
        mg_focus(static_cast<int>(id),
                 window.activeControl() != nullptr ? widgetIds_.at(window.activeControl()) : -1);
      }
      continue;
    }
    for (const Widget* widget : window.changedWidgets()) {
      if (widget->kind() != WidgetKind::Timer) applyWidget(*widget);
    }
    if (window.frameChanged() || window.raiseRequested()) applyFrame(window);
    if (window.focusChanged() || window.frameChanged()) {
      const Widget* active = window.activeControl();
      mg_focus(formId(window), active != nullptr ? widgetIds_.at(active) : -1);
    }
  }
}

void DomView::applyFrame(Window& window) {
  const int picture = pictureId(window.picture());
  mg_form_frame(formId(window), window.caption().c_str(), css(window.backColor()).c_str(), picture,
                std::string(window.picture().description()).c_str(), window.visible() ? 1 : 0,
                window.raiseRequested() ? 1 : 0);
}

void DomView::applyWidget(const Widget& widget) {
  const int id = widgetIds_.at(&widget);
  // Labels, images and lines outside the client area are banks of data the player never sees:
  // left out of the page, also for screen readers.
  const bool shown = widget.visible() && (isNative(widget) || liesOnWindow(widget));
  if (isNative(widget)) {
    const PixelRect box = nativePixels(widget);
    mg_widget_place(id, box.left, box.top, box.width, box.height, shown ? 1 : 0,
                    widget.enabled() ? 1 : 0);
  } else {
    mg_widget_place(id, toPixels(widget.left()), toPixels(widget.top()), toPixels(widget.width()),
                    toPixels(widget.height()), shown ? 1 : 0, widget.enabled() ? 1 : 0);
  }
  switch (widget.kind()) {
    case WidgetKind::Label:
      mg_widget_label(id, widget.alignment(),
                      widget.backStyle() != 0 ? css(widget.backColor()).c_str() : "",
                      css(widget.foreColor()).c_str(), widget.fontSize());
      mg_widget_text(id, widget.caption().c_str());
      break;
    case WidgetKind::Image:
      // A picture is read when it first comes on the screen.
      if (shown) mg_widget_picture(id, pictureId(widget.picture()));
      mg_widget_name(id, announced(widget) ? accessibleName(widget).c_str() : "");
      break;
    case WidgetKind::OptionButton:
      mg_widget_option(id, widget.value() ? 1 : 0, css(widget.backColor()).c_str(),
                       css(widget.foreColor()).c_str());
      mg_widget_text(id, widget.caption().c_str());
      break;
    case WidgetKind::Line:
      mg_widget_line(id, toPixels(widget.x1()), toPixels(widget.y1()), toPixels(widget.x2()),
                     toPixels(widget.y2()), css(widget.borderColor()).c_str());
      break;
    case WidgetKind::TextBox:
      mg_widget_text(id, widget.caption().c_str());
      mg_widget_name(id, accessibleName(widget).c_str());
      break;
    default:
      mg_widget_text(id, widget.caption().c_str());
  }
}

int DomView::pictureId(const Picture& picture) {
  const PictureAsset* asset = picture.asset();
  if (asset == nullptr) return -1;
  const auto found = pictureIds_.find(asset);
  if (found != pictureIds_.end()) return found->second;
  const int id = static_cast<int>(pictureIds_.size());
  pictureIds_.emplace(asset, id);
  const std::unique_ptr<char, decltype(&std::free)> drawing(
      mg_drawing_text(std::string(asset->drawingName()).c_str()), &std::free);
  const std::string svg = pictureSvg(drawing.get(), *asset);
  mg_picture_define(id, svg.c_str());
  return id;
}

}  // namespace fm::web

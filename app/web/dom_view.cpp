#include "app/web/dom_view.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/model/accessible_name.h"
#include "app/model/colours.h"
#include "app/model/picture_svg.h"
#include "app/model/pixels.h"

// The page's calls for the windows, each forwarding to the page's view (Module.page, handed over
// by the page as it makes the program). Sizes and positions are CSS pixels, colours CSS colours;
// windows, widgets and pictures are known by the numbers this view gives them.
// clang-format off
EM_JS(void, mg_form_create, (int form, const char* name, const char* caption, double width, double height), {
  Module.page.createForm(form, UTF8ToString(name), UTF8ToString(caption), width, height);
});
// The frame: caption, background colour and picture (-1 for none), what the picture shows,
// whether it is shown, and whether to bring it to the front.
EM_JS(void, mg_form_frame, (int form, const char* caption, const char* colour, int picture, const char* description, int visible, int raise), {
  Module.page.frame(form, UTF8ToString(caption), UTF8ToString(colour), picture, UTF8ToString(description), visible !== 0, raise !== 0);
});
// `kind` is "label", "image", "button", "option", "text" or "line"; `order` the stacking order
// (higher in front); `pressable` for an image the player can click.
EM_JS(void, mg_widget_create, (int widget, int form, const char* kind, const char* name, int index, int order, int tabIndex, int pressable), {
  Module.page.createWidget(widget, form, UTF8ToString(kind), UTF8ToString(name), index, order, tabIndex, pressable !== 0);
});
EM_JS(void, mg_widget_place, (int widget, double left, double top, double width, double height, int shown, int enabled), {
  Module.page.place(widget, left, top, width, height, shown !== 0, enabled !== 0);
});
// A caption, or a text box's text.
EM_JS(void, mg_widget_text, (int widget, const char* text), {
  Module.page.text(widget, UTF8ToString(text));
});
// What a screen reader says for an image or a text box; empty for an image with nothing to say.
EM_JS(void, mg_widget_name, (int widget, const char* name), {
  Module.page.name(widget, UTF8ToString(name));
});
// `back` is empty for a transparent label.
EM_JS(void, mg_widget_label, (int widget, int alignment, const char* back, const char* fore, double points), {
  Module.page.labelStyle(widget, alignment, UTF8ToString(back), UTF8ToString(fore), points);
});
EM_JS(void, mg_widget_option, (int widget, int value, const char* back, const char* fore), {
  Module.page.option(widget, value !== 0, UTF8ToString(back), UTF8ToString(fore));
});
EM_JS(void, mg_widget_line, (int widget, double x1, double y1, double x2, double y2, const char* colour), {
  Module.page.line(widget, x1, y1, x2, y2, UTF8ToString(colour));
});
EM_JS(void, mg_widget_picture, (int widget, int picture), {
  Module.page.picture(widget, picture);
});
// The text of a drawing of assets/ ("swim/pool"), for the program to free; empty for none.
EM_JS(char*, mg_drawing_text, (const char* name), {
  const text = Module.page.drawing(UTF8ToString(name));
  const size = lengthBytesUTF8(text) + 1;
  const copy = _malloc(size);
  stringToUTF8(text, copy, size);
  return copy;
});
EM_JS(void, mg_picture_define, (int picture, const char* svg), {
  Module.page.definePicture(picture, UTF8ToString(svg));
});
// The control that has the window's focus, or -1 for the window itself.
EM_JS(void, mg_focus, (int form, int widget), {
  Module.page.focus(form, widget);
});
// clang-format on

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

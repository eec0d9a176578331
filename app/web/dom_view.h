#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "app/model/program.h"

namespace fm::web {

// The program's windows on the page: a panel for each window with an element for each widget,
// created when the window is first shown, and then kept as the model says. Every window and
// widget is known to the page by a number; the page shows the same drawings as the desktop,
// each defined when first shown.
class DomView {
 public:
  explicit DomView(Program& program);

  // Puts the changes the model recorded since the last call on the page.
  void applyChanges();

  [[nodiscard]] Window* form(int id) const;
  [[nodiscard]] Widget* widget(int id) const;
  [[nodiscard]] int formId(const Window& window) const;

 private:
  // The window's panel and its widgets' elements, as they are now.
  void createForm(int id);
  void applyFrame(Window& window);
  void applyWidget(const Widget& widget);
  int pictureId(const Picture& picture);

  std::vector<Window*> forms_;
  std::vector<bool> created_;  // by window
  std::vector<Widget*> widgets_;
  std::unordered_map<const Widget*, int> widgetIds_;
  std::unordered_map<const PictureAsset*, int> pictureIds_;
};

}  // namespace fm::web

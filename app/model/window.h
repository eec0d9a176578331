#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/model/layout.h"
#include "app/model/picture.h"
#include "app/model/variables.h"
#include "app/model/widget.h"

namespace fm {

class Program;

// One screen of the program. The object lives as long as the program: loading resets its
// widgets from the layout table and its variables to zero, unloading stops its timers and
// hides it. Nothing is freed, so a handler may safely run on after its window was unloaded.
class Window {
 public:
  Window(Program& program, const WindowFrame& frame, std::span<const LayoutRow> layout);
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  Window(Window&&) = delete;
  Window& operator=(Window&&) = delete;
  virtual ~Window() = default;

  [[nodiscard]] std::string_view name() const { return frame_.name; }
  [[nodiscard]] Program& program() const { return program_; }

  // --- lifecycle ---
  // Creates the state from the layout table and raises Form_Load; nothing if already loaded.
  void Load();
  // Stops every timer, hides the window and discards its state; nothing if not loaded.
  void Unload();
  [[nodiscard]] bool loaded() const { return loaded_; }
  // Making a window visible loads it first if needed; a window that opens gives the focus to
  // its first focusable widget.
  void setVisible(bool visible);
  void Show() { setVisible(true); }
  [[nodiscard]] bool visible() const { return visible_; }

  // --- window properties ---
  [[nodiscard]] const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);
  [[nodiscard]] int clientWidth() const { return frame_.clientWidth; }
  [[nodiscard]] int clientHeight() const { return frame_.clientHeight; }
  // The keys the window is played with (Form_KeyDown), none for most.
  [[nodiscard]] std::span<const PlayKey> keys() const { return frame_.keys; }
  // The controls a touch screen offers again beside the keys, none for most.
  [[nodiscard]] std::span<const WidgetAddress> touchTwins() const { return frame_.touchTwins; }
  [[nodiscard]] std::int32_t backColor() const { return backColor_; }
  void setBackColor(std::int32_t colour);
  // The background picture, drawn at the client area's top-left corner behind every widget.
  [[nodiscard]] Picture picture() const { return picture_; }
  void setPicture(Picture picture);

  // --- widgets, front to back ---
  [[nodiscard]] const std::vector<std::unique_ptr<Widget>>& widgets() const { return widgets_; }
  [[nodiscard]] Widget* find(std::string_view name, int index = -1) const;
  // A widget that the layout table is known to hold; a missing one is a programming error.
  [[nodiscard]] Widget& widget(std::string_view name, int index = -1) const;
  [[nodiscard]] Variables& variables() { return variables_; }
  [[nodiscard]] const Variables& variables() const { return variables_; }

  // --- keyboard focus ---
  // The buttons, option buttons and text boxes in the order Tab visits them: by TabIndex, and
  // in layout order where two are alike.
  [[nodiscard]] std::vector<Widget*> tabOrder() const;
  [[nodiscard]] Widget* activeControl() const { return activeControl_; }
  // The host reports focus moved by the player (mouse or Tab); ignored if it cannot hold it.
  void focus(Widget& widget);
  // The host reports the focus moved to the window itself, or to something of the host's own
  // there (a picture the player can click), so that no control holds it.
  void focusSelf() { setActiveControl(nullptr); }

  // Whether the layout row of a widget names a click handler: an Image that has one is what a
  // player can click.
  [[nodiscard]] bool handlesClick(const Widget& widget) const;
  // The frontmost visible Image at a point of the client area (twips), edges included; nullptr
  // for none. A click on the surface goes to it, whatever label lies in front.
  [[nodiscard]] Widget* imageAt(double x, double y) const;

  // --- player input, delivered through Program so that every event is one unit ---
  void deliverClick(Widget& widget);
  void deliverKeyDown(std::int16_t keyCode, std::int16_t shift);
  void deliverTick(Widget& timer);

  // --- change tracking for the screen ---
  [[nodiscard]] bool frameChanged() const { return frameChanged_; }
  // Made visible again while already shown: the window should come to the front.
  [[nodiscard]] bool raiseRequested() const { return raiseRequested_; }
  [[nodiscard]] bool focusChanged() const { return focusChanged_; }
  // Anything at all for the screen to take since the last clear.
  [[nodiscard]] bool hasChanges() const {
    return frameChanged_ || raiseRequested_ || focusChanged_ || !changedWidgets_.empty();
  }
  [[nodiscard]] const std::vector<Widget*>& changedWidgets() const { return changedWidgets_; }
  void clearChanges();

  // --- called by widgets ---
  void noteChange();
  void widgetChanged(Widget& widget);
  void focusabilityChanged(Widget& widget);
  void timerChanged(Widget& timer);
  void optionSelected(Widget& option);

 protected:
  // Services for the window's handlers.
  void MsgBox(const std::string& text);
  [[nodiscard]] float Rnd();
  // Int(Rnd × n): a whole number from 0 to n − 1, each equally likely.
  [[nodiscard]] std::int16_t RndInt(std::int16_t n);
  void Randomize();
  [[nodiscard]] Window& form(std::string_view name) const;

  virtual void Form_Load() {}
  virtual void Form_KeyDown(std::int16_t keyCode, std::int16_t shift);

 private:
  void raise(Widget& widget);
  void focusFirst();
  void setActiveControl(Widget* widget);
  void markFrameChanged();
  // Stores one of the window's own properties; a change to its frame when it differs from the
  // one held.
  template <class Value>
  void assign(Value& field, Value value);

  Program& program_;
  WindowFrame frame_;
  std::vector<std::unique_ptr<Widget>> widgets_;
  std::vector<EventHandler> handlers_;  // parallel to widgets_
  Variables variables_;

  bool loaded_ = false;
  bool visible_ = false;
  std::string caption_;
  std::int32_t backColor_;
  Picture picture_;
  Widget* activeControl_ = nullptr;

  bool frameChanged_ = false;
  bool raiseRequested_ = false;
  bool focusChanged_ = false;
  std::vector<Widget*> changedWidgets_;
};

// Named access to the members of a widget array: kotoba(3).
class WidgetArray {
 public:
  WidgetArray(const Window& window, std::string_view name);
  [[nodiscard]] Widget& operator()(int index) const;
  [[nodiscard]] std::size_t size() const { return members_.size(); }

 private:
  std::vector<Widget*> members_;  // by Index
};

}  // namespace fm

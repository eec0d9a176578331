#pragma once

#include <cstdint>
#include <string>

namespace fm {

class Window;

// What the form model needs from the environment it runs in: the headless host (virtual
// clock, for tests and the scenario runner), the Qt host (the real program) or the web page.
class Host {
 public:
  Host() = default;
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;
  Host(Host&&) = delete;
  Host& operator=(Host&&) = delete;
  virtual ~Host() = default;

  // The program's time in milliseconds on a monotonic clock: the due time of the tick being
  // delivered, otherwise the time the host has caught up to.
  [[nodiscard]] virtual std::int64_t now() const = 0;
  // A click, key or close is about to be handed to a window, or a handler goes on after its
  // message box: first every tick due by that moment, so that the handler sees what a perfect
  // timer would have left.
  virtual void beforeInput() = 0;
  // Shows a modal box with the text and one OK button; returns once it is closed. Ticks of
  // other timers may be delivered meanwhile.
  virtual void messageBox(Window& owner, const std::string& text) = 0;
  // The window has been unloaded: the boxes it has open close, and the handlers waiting on them
  // go on.
  virtual void closeBoxesOf(Window& owner) = 0;
  // Puts the windows' recorded changes on the screen.
  virtual void refresh() = 0;
  // The earliest due tick may have changed.
  virtual void timersChanged() = 0;
  // No window is left open: the program is over.
  virtual void programEnded() = 0;
  // A seed taken from the clock for Randomize.
  [[nodiscard]] virtual std::uint32_t clockSeed() const = 0;
};

}  // namespace fm

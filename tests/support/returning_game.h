#pragma once

#include <span>
#include <string_view>

#include "app/model/program.h"
#include "app/model/window.h"

namespace fm::testing {

// A game window of the tests' own that ends like the real games do: its owaritimer, started
// by its Start button, brings the menu back and unloads the window, in one of the two orders.
class ReturningGame final : public Window {
 public:
  enum class Order { MenuFirst, UnloadFirst };

  ReturningGame(Program& program, std::string_view name, Order order)
      : Window(program, {name, name, 3000, 2000}, layout()), order_(order) {}

  Widget& owaritimer = widget("owaritimer");
  bool handlerFinished = false;

 private:
  static std::span<const LayoutRow> layout() {
    static const LayoutRow rows[] = {
        {"Start",
         WidgetKind::CommandButton,
         -1,
         {0, 0, 900, 400},
         {.caption = "Start"},
         on(&ReturningGame::Start_Click)},
        {"owaritimer",
         WidgetKind::Timer,
         -1,
         {},
         {.enabled = false, .interval = 5000},
         on(&ReturningGame::owaritimer_Timer)},
    };
    return rows;
  }

  void Start_Click() { owaritimer.setEnabled(true); }

  void owaritimer_Timer() {
    if (order_ == Order::MenuFirst) {
      form("Form4").setVisible(true);
      Unload();
    } else {
      Unload();
      form("Form4").setVisible(true);
    }
    handlerFinished = true;
  }

  Order order_;
};

}  // namespace fm::testing

#include "app/web/web_host.h"

#include <emscripten.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "app/model/program_title.h"
#include "app/web/input_kinds.h"

// The page's calls for the host, each forwarding to the page (Module.page, handed over by the
// page as it makes the program).
// clang-format off
// Milliseconds on the page's clock, which a test may hold still.
EM_JS(double, mg_now, (), { return Module.page.now(); });
EM_JS(double, mg_date_now, (), { return Date.now(); });
// Sleeps until the page wakes the program: at the frame or the moment asked for (-1: only for
// the player), or at once when the player does something.
EM_ASYNC_JS(void, mg_wait, (double wakeAt), { await Module.page.wait(wakeAt); });
// The oldest input the page holds for the program: its kind (InputKind; 0 for none), window,
// widget, key code, Shift state and message box into `fields`, a press's point into `point`;
// returns its text for the program to free, or null.
EM_JS(char*, mg_next_input, (std::int32_t* fields, double* point), {
  const input = Module.page.nextInput();
  HEAP32.set(input ? [input.kind, input.form, input.widget, input.code, input.shift, input.box] : [0], fields >> 2);
  if (!input) return 0;
  HEAPF64.set([input.x, input.y], point >> 3);
  if (input.text === null) return 0;
  const size = lengthBytesUTF8(input.text) + 1;
  const copy = _malloc(size);
  stringToUTF8(input.text, copy, size);
  return copy;
});
EM_JS(void, mg_box_open, (int box, int form, const char* title, const char* text), {
  Module.page.openBox(box, form, UTF8ToString(title), UTF8ToString(text));
});
EM_JS(void, mg_box_close, (int box), { Module.page.closeBox(box); });
EM_JS(void, mg_program_ended, (), { Module.page.ended(); });
// clang-format on

namespace fm::web {
namespace {

// The title of every message box, as on the desktop (a string literal: it ends in a NUL).
const char* const kTitle = kProgramTitle.data();

}  // namespace

WebHost::WebHost(Program& program)
    : program_(program), pacer_(program), view_(program), start_(std::floor(mg_now())) {
  // The page's animation frames pace the ticks: a tick is taken at the first frame after it
  // falls due.
  pacer_.setFrameInterval(0);
  program_.setHost(*this);
}

std::int64_t WebHost::clockNow() const {
  return static_cast<std::int64_t>(std::floor(mg_now() - start_));
}

std::uint32_t WebHost::clockSeed() const {
  return static_cast<std::uint32_t>(std::fmod(mg_date_now(), 4294967296.0));
}

void WebHost::beforeInput() {
  pacer_.advanceTo(clockNow());
}

void WebHost::run() {
  while (!program_.ended()) turn();
}

void WebHost::turn() {
  const auto wake = pacer_.nextFrame();
  mg_wait(wake ? static_cast<double>(*wake) + start_ : -1.0);
  takeInputs();
  if (wake && !program_.ended() && clockNow() >= *wake) pacer_.frame(clockNow());
}

void WebHost::takeInputs() {
  std::array<std::int32_t, 6> fields{};
  std::array<double, 2> point{};
  while (!program_.ended()) {
    const std::unique_ptr<char, decltype(&std::free)> text(
        mg_next_input(fields.data(), point.data()), &std::free);
    const auto [kindNumber, formId, widgetId, code, shift, box] = fields;
    const auto kind = static_cast<InputKind>(kindNumber);
    if (kind == InputKind::kNone) return;
    Window* window = view_.form(formId);
    Widget* widget = view_.widget(widgetId);
    switch (kind) {
      case InputKind::kClick:
        if (widget != nullptr) program_.click(*widget);
        break;
      case InputKind::kPress:
        if (window == nullptr) break;
        if (Widget* image = window->imageAt(point[0] * kTwipsPerPixel, point[1] * kTwipsPerPixel)) {
          program_.click(*image);
        }
        break;
      case InputKind::kKey:
        if (window != nullptr) {
          program_.keyDown(*window, static_cast<std::int16_t>(code),
                           static_cast<std::int16_t>(shift));
        }
        break;
      case InputKind::kClose:
        if (window != nullptr) program_.close(*window);
        break;
      case InputKind::kFocus:
        if (window != nullptr) program_.moveFocus(*window, widget);
        break;
      case InputKind::kText:
        if (widget != nullptr && text != nullptr) program_.typeText(*widget, text.get());
        break;
      case InputKind::kBoxClosed:
        std::erase_if(openBoxes_, [box = box](const OpenBox& open) { return open.id == box; });
        break;
      default:
        break;
    }
  }
}

void WebHost::messageBox(Window& owner, const std::string& text) {
  const int box = ++boxesRaised_;
  openBoxes_.push_back({box, &owner});
  mg_box_open(box, view_.formId(owner), kTitle, text.c_str());
  const auto stillOpen = [this, box] {
    return std::any_of(openBoxes_.begin(), openBoxes_.end(),
                       [box](const OpenBox& open) { return open.id == box; });
  };
  // The page tells when the player closes it; a window that unloads meanwhile closes it too.
  while (stillOpen() && !program_.ended()) turn();
  std::erase_if(openBoxes_, [box](const OpenBox& open) { return open.id == box; });
}

void WebHost::closeBoxesOf(Window& owner) {
  for (const OpenBox& open : openBoxes_) {
    if (open.owner == &owner) mg_box_close(open.id);
  }
  std::erase_if(openBoxes_, [&owner](const OpenBox& open) { return open.owner == &owner; });
}

void WebHost::programEnded() {
  mg_program_ended();
}

}  // namespace fm::web

#include "app/web/web_host.h"

#include <emscripten.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "app/model/program_title.h"
#include "app/web/browser.h"
#include "app/web/input_kinds.h"

namespace fm::web {
namespace {

// The title of every message box, as on the desktop (a string literal: it ends in a NUL).
const char* const kTitle = kProgramTitle.data();

}  // namespace

// Sleeps until the page wakes the program: see MG.wait in page.js.
EM_ASYNC_JS(void, mg_wait, (double wakeAt), { await MG.wait(wakeAt); });

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
  std::array<std::int32_t, 5> fields{};
  std::array<double, 2> point{};
  while (!program_.ended() && mg_next_input(fields.data(), point.data()) != 0) {
    const auto [kindNumber, formId, widgetId, code, shift] = fields;
    const auto kind = static_cast<InputKind>(kindNumber);
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
        if (window == nullptr) break;
        if (widget != nullptr) {
          window->focus(*widget);
        } else {
          window->focusSelf();
        }
        break;
      case InputKind::kText:
        if (widget != nullptr) {
          const std::unique_ptr<char, decltype(&std::free)> text(mg_input_text(), &std::free);
          widget->setText(text.get());
        }
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
  while (stillOpen() && mg_box_is_open(box) != 0 && !program_.ended()) turn();
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

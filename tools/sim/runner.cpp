#include "tools/sim/runner.h"

#include <istream>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "tools/sim/address.h"
#include "tools/sim/command_error.h"
#include "tools/sim/dump.h"
#include "tools/sim/numbers.h"
#include "tools/sim/read_value.h"

namespace fm::sim {

struct Runner::Command {
  std::string_view name;
  std::string_view usage;
  std::size_t minArguments = 0;
  std::size_t maxArguments = 0;
  void (Runner::*action)(const CommandLine&) = nullptr;
};

std::span<const Runner::Command> Runner::commands() {
  constexpr std::size_t kAny = std::numeric_limits<std::size_t>::max();
  static const Command table[] = {
      {"click", "click ADDRESS", 1, 1, &Runner::click},
      {"key", "key FORM CODE [SHIFT]", 2, 3, &Runner::key},
      {"close", "close FORM", 1, 1, &Runner::close},
      {"wait", "wait MS", 1, 1, &Runner::wait},
      {"rnd", "rnd V ...", 1, kAny, &Runner::queueDraws},
      {"msgbox-delay", "msgbox-delay MS", 1, 1, &Runner::setMessageBoxDelay},
      {"get", "get ADDRESS", 1, 1, &Runner::get},
      {"dump", "dump FORM", 1, 1, &Runner::dump},
      {"echo", "echo TEXT", 0, kAny, &Runner::echo},
      {"monkey", "monkey SEED EVENTS", 2, 2, &Runner::monkey},
  };
  return table;
}

Runner::Runner(Program& program, HeadlessHost& host, std::ostream& out)
    : program_(program), host_(host), out_(out) {
  listenToBoxes();
  host_.onEnded([this] { out_ << "ended\n"; });
}

void Runner::listenToBoxes() {
  host_.onMessageBox([this](Window&, const std::string& text) {
    out_ << "msgbox " << text << '\n';
    out_.flush();
  });
}

Runner::~Runner() {
  host_.onMessageBox(nullptr);
  host_.onEnded(nullptr);
}

int Runner::run(std::istream& in) {
  std::string line;
  while (std::getline(in, line)) execute(line);
  out_.flush();
  return anyFailed_ ? 1 : 0;
}

bool Runner::execute(std::string_view text) {
  const auto line = splitCommandLine(text);
  if (!line) return true;
  bool succeeded = false;
  try {
    dispatch(*line);
    succeeded = true;
  } catch (const CommandError& error) {
    fail(error.what());
  } catch (const std::exception& error) {
    // A fault inside a window's handler: report it instead of taking the runner down.
    fail(std::string("internal failure: ") + error.what());
  }
  // A driver may be waiting for this line's output before it sends the next.
  out_.flush();
  return succeeded;
}

void Runner::dispatch(const CommandLine& line) {
  if (program_.ended()) throw CommandError("the program has ended");
  for (const Command& command : commands()) {
    if (command.name != line.command) continue;
    const std::size_t count = line.arguments.size();
    if (count < command.minArguments || count > command.maxArguments) {
      throw CommandError("wrong number of arguments (usage: " + std::string(command.usage) + ")");
    }
    (this->*command.action)(line);
    return;
  }
  throw CommandError("unknown command " + std::string(line.command));
}

void Runner::click(const CommandLine& line) {
  const Target target = resolve(program_, line.arguments[0]);
  if (target.kind != Target::Kind::Widget) {
    throw CommandError("cannot click " + target.address + ": not a widget");
  }
  if (!target.widget->isClickableKind()) {
    throw CommandError("cannot click " + target.address + ": " +
                       std::string(kindName(target.widget->kind())) + " widgets take no clicks");
  }
  // A hidden or disabled widget, or one in a window that is not open, ignores the click.
  program_.click(*target.widget);
}

void Runner::key(const CommandLine& line) {
  Window& window = resolveWindow(program_, line.arguments[0]);
  constexpr std::int64_t kLowest = std::numeric_limits<std::int16_t>::min();
  constexpr std::int64_t kHighest = std::numeric_limits<std::int16_t>::max();
  const auto code = static_cast<std::int16_t>(wholeInRange(line.arguments[1], kLowest, kHighest));
  const auto shift =
      line.arguments.size() > 2
          ? static_cast<std::int16_t>(wholeInRange(line.arguments[2], kLowest, kHighest))
          : std::int16_t{0};
  if (!window.loaded()) throw CommandError("window not loaded: " + std::string(window.name()));
  program_.keyDown(window, code, shift);
}

void Runner::close(const CommandLine& line) {
  Window& window = resolveWindow(program_, line.arguments[0]);
  if (!window.loaded()) throw CommandError("window not loaded: " + std::string(window.name()));
  // The close box is on screen only while the window is shown.
  if (!window.visible()) throw CommandError("window not visible: " + std::string(window.name()));
  program_.close(window);
}

void Runner::wait(const CommandLine& line) {
  const std::int64_t milliseconds = wholeInRange(line.arguments[0], 0, kMaxMilliseconds);
  if (host_.now() > kClockLimit - milliseconds) {
    throw CommandError("bad number \"" + std::string(line.arguments[0]) +
                       "\" (the virtual clock would run out)");
  }
  host_.wait(milliseconds);
}

void Runner::queueDraws(const CommandLine& line) {
  // All or nothing: a bad value leaves the queue as it was.
  std::vector<float> draws;
  draws.reserve(line.arguments.size());
  for (const std::string_view text : line.arguments) draws.push_back(randomDraw(text));
  for (const float draw : draws) program_.random().queue(draw);
}

void Runner::setMessageBoxDelay(const CommandLine& line) {
  host_.setMessageBoxDelay(wholeInRange(line.arguments[0], 0, kMaxMilliseconds));
}

void Runner::get(const CommandLine& line) {
  const std::string value = readValue(resolve(program_, line.arguments[0]));
  out_ << value << '\n';
}

void Runner::dump(const CommandLine& line) {
  out_ << dumpWindow(resolveWindow(program_, line.arguments[0])) << '\n';
}

void Runner::echo(const CommandLine& line) {
  out_ << line.rest << '\n';
}

void Runner::fail(std::string_view message) {
  anyFailed_ = true;
  out_ << "error: " << message << '\n';
}

}  // namespace fm::sim

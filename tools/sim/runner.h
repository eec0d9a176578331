#pragma once

#include <cstdint>
#include <iosfwd>
#include <span>
#include <string_view>

#include "app/headless/headless_host.h"
#include "app/model/program.h"
#include "tools/sim/command_line.h"

namespace fm::sim {

// Carries out scenario commands on a program running in a headless host and writes one line
// per result, in the order things happen: values, dumps and echoes, "msgbox TEXT" as each box
// is raised, "ended" when the last window closes, and "error: ..." for a command that fails.
//
// The runner listens to the host from construction on, so that boxes raised while the program
// starts are reported: construct it before starting the program.
class Runner {
 public:
  Runner(Program& program, HeadlessHost& host, std::ostream& out);
  Runner(const Runner&) = delete;
  Runner& operator=(const Runner&) = delete;
  Runner(Runner&&) = delete;
  Runner& operator=(Runner&&) = delete;
  ~Runner();

  // Carries out one line of input. False only for a command that failed; blank lines and
  // comments succeed.
  bool execute(std::string_view line);

  // Every line of `in`, then the exit status: 0, or 1 if any command failed.
  int run(std::istream& in);

  [[nodiscard]] bool anyFailed() const { return anyFailed_; }

  // The longest `wait` or `msgbox-delay`: one hour of virtual time. A game may tick every
  // millisecond, so each virtual millisecond can cost a handler call; an hour of it still
  // answers within seconds in every build, and a longer idle is several waits.
  static constexpr std::int64_t kMaxMilliseconds = 3'600'000;
  // The most events one `monkey` command plays.
  static constexpr std::int64_t kMaxMonkeyEvents = 100'000'000;
  // Far below the end of the 64-bit clock, so that message boxes that let time pass while
  // they are open cannot push it over.
  static constexpr std::int64_t kClockLimit = std::int64_t{1} << 62;

 private:
  struct Command;
  static std::span<const Command> commands();

  void dispatch(const CommandLine& line);
  void click(const CommandLine& line);
  void key(const CommandLine& line);
  void close(const CommandLine& line);
  void wait(const CommandLine& line);
  void queueDraws(const CommandLine& line);
  void setMessageBoxDelay(const CommandLine& line);
  void get(const CommandLine& line);
  void dump(const CommandLine& line);
  void echo(const CommandLine& line);
  void monkey(const CommandLine& line);

  void listenToBoxes();

  void fail(std::string_view message);

  Program& program_;
  HeadlessHost& host_;
  std::ostream& out_;
  bool anyFailed_ = false;
};

}  // namespace fm::sim

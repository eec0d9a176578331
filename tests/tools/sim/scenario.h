#pragma once

#include <functional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/collection.h"
#include "app/headless/headless_host.h"
#include "app/model/program.h"
#include "tools/sim/runner.h"

namespace fm::testing {

// A runner on a program started as the real program starts, fed with scripts as a driver
// would feed standard input.
class Scenario {
 public:
  // The whole collection: the menu loaded and shown at time 0.
  Scenario() : Scenario(addCollection, "Form4") {}
  // The windows `addWindows` adds, `first` shown at start.
  Scenario(const std::function<void(Program&)>& addWindows, std::string_view first) {
    addWindows(program);
    program.start(program.window(first));
  }

  // Runs every line of `script`; returns the lines printed meanwhile.
  std::vector<std::string> run(std::string_view script) {
    std::istringstream in{std::string(script)};
    const auto start = out.str().size();
    status = runner.run(in);
    std::vector<std::string> lines;
    std::istringstream printed(out.str().substr(start));
    for (std::string line; std::getline(printed, line);) lines.push_back(line);
    return lines;
  }

  Program program;
  HeadlessHost host{program};
  std::ostringstream out;
  sim::Runner runner{program, host, out};
  int status = -1;  // exit status after the last run: 1 once any command has failed
};

}  // namespace fm::testing

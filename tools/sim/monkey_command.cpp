// The runner's `monkey SEED EVENTS`: the seeded monkey on the runner's own program, so that a
// seed reported by the tests can be replayed and the state it leaves inspected with `dump`.

#include <limits>
#include <ostream>
#include <string>

#include "tools/sim/command_error.h"
#include "tools/sim/monkey.h"
#include "tools/sim/numbers.h"
#include "tools/sim/runner.h"

namespace fm::sim {

void Runner::monkey(const CommandLine& line) {
  constexpr std::int64_t kHighestSeed = std::numeric_limits<std::int64_t>::max();
  const auto seed = static_cast<std::uint64_t>(wholeInRange(line.arguments[0], 0, kHighestSeed));
  const auto events =
      static_cast<std::uint64_t>(wholeInRange(line.arguments[1], 0, kMaxMonkeyEvents));
  MonkeyResult result;
  {
    // Its boxes are its own business: they are not printed.
    Monkey monkey(program_, host_, seed);
    result = monkey.play(events);
  }
  listenToBoxes();
  if (result.fault) {
    throw CommandError("monkey seed " + std::to_string(seed) + " " + *result.fault);
  }
  out_ << "monkey " << result.events << " events\n";
}

}  // namespace fm::sim

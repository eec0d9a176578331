// minigames-bench: the program's performance figures, each measured in the same run beside a
// baseline (the machine is shared and noisy: a ratio holds where an absolute time does not),
// each the median of several repetitions, printed as one JSON line on standard output.

#include <QByteArray>
#include <QCoreApplication>
#include <algorithm>
#include <functional>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "bench/common.h"
#include "bench/figures.h"

namespace {

constexpr const char* kUsage =
    "usage: minigames-bench [--quick] [--only NAME]...\n"
    "  --quick      shorter spans, for trying the bench out (the figures are rougher)\n"
    "  --only NAME  only this figure: punctuality, cpu, startup, key, headless\n"
    "Runs on Qt's offscreen platform; minigames-probed and minigames-bench-minimal must lie\n"
    "beside this program. Progress goes to standard error, the JSON lines to standard output.\n";

}  // namespace

int main(int argc, char* argv[]) {
  bench::Options options;
  std::vector<std::string> only;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--quick") {
      options.quick = true;
    } else if (arg == "--only" && i + 1 < argc) {
      only.emplace_back(argv[++i]);
    } else {
      std::cerr << kUsage;
      return arg == "--help" ? 0 : 2;
    }
  }
  // The figures are defined on the offscreen platform, for this process and its children.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  bench::BenchApplication application(argc, argv);
  const std::string binDir = QCoreApplication::applicationDirPath().toStdString();

  const std::vector<std::pair<std::string, std::function<void()>>> figures = {
      {"punctuality", [&] { bench::tickPunctuality(options); }},
      {"cpu", [&] { bench::cpuLoad(options); }},
      {"startup", [&] { bench::startupAndMemory(options, binDir); }},
      {"key", [&] { bench::keyToScreen(options); }},
      {"headless", [&] { bench::headlessSpeed(options); }},
  };
  for (const auto& [name, run] : figures) {
    if (only.empty() || std::find(only.begin(), only.end(), name) != only.end()) run();
  }
  return 0;
}

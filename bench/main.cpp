// minigames-bench: the program's performance figures, each measured in the same run beside a
// baseline (the machine is shared and noisy: a ratio holds where an absolute time does not),
// each the median of several repetitions, printed as one JSON line on standard output.

#include <QByteArray>
#include <QCoreApplication>
#include <algorithm>
#include <exception>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/qt/platform_setup.h"
#include "bench/common.h"
#include "bench/figures.h"
#include "bench/virtual_display.h"

namespace {

constexpr const char* kUsage =
    "usage: minigames-bench [--quick] [--platform NAME] [--only NAME]...\n"
    "  --quick          shorter spans, for trying the bench out (the figures are rougher)\n"
    "  --platform NAME  Qt's platform: offscreen (the default) or xcb, a real X server; with\n"
    "                   xcb and no DISPLAY set, the bench starts an Xvfb of its own\n"
    "  --only NAME      only this figure: punctuality, cpu, startup, key, headless\n"
    "minigames-probed and minigames-bench-minimal must lie beside this program. Progress goes\n"
    "to standard error, the JSON lines to standard output.\n";

}  // namespace

int main(int argc, char* argv[]) {
  bench::Options options;
  std::vector<std::string> only;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--quick") {
      options.quick = true;
    } else if (arg == "--platform" && i + 1 < argc) {
      options.platform = argv[++i];
    } else if (arg == "--only" && i + 1 < argc) {
      only.emplace_back(argv[++i]);
    } else {
      std::cerr << kUsage;
      return arg == "--help" ? 0 : 2;
    }
  }
  // One platform for the whole run, this process and its children alike.
  std::optional<bench::VirtualDisplay> display;
  if (options.platform == "xcb" && qEnvironmentVariableIsEmpty("DISPLAY")) {
    try {
      display.emplace();
    } catch (const std::exception& error) {
      std::cerr << error.what() << "\n";
      return 1;
    }
    bench::note("on Xvfb, display " + display->name());
  }
  qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(options.platform));
  // The program's own platform settings, as its main makes them.
  fm::qt::preparePlatform();
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

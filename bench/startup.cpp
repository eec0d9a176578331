// Start-up and memory: the real program (its own main, with the probe of probe.cpp) and a
// minimal Qt Widgets program, each spawned as a child process. Start-up is the time from the
// spawn to the end of the first paint of the first window; memory is the child's peak
// resident set (as it reports it) once the program has all five windows open and painted (the
// minimal program its one). The minimal program also starts a second time with one line of
// Japanese text, to tell the font system's own cost before a first paint from the program's.

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/figures.h"

namespace bench {
namespace {

struct Child {
  double startupMs = 0;
  double peakRssMb = 0;
  int windows = 0;
};

// Runs `program` (with one argument, if `argument` is not empty) under the probe to its end
// and reads what it reported.
Child runChild(const std::string& program, const std::string& platform, std::string argument = {}) {
  std::vector<std::string> environment = {"QT_QPA_PLATFORM=" + platform, "BENCH_PROBE=1"};
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string variable = *entry;
    if (variable.rfind("QT_QPA_PLATFORM=", 0) != 0 && variable.rfind("BENCH_PROBE=", 0) != 0) {
      environment.push_back(variable);
    }
  }
  std::vector<char*> envp;
  envp.reserve(environment.size() + 1);
  for (std::string& variable : environment) envp.push_back(variable.data());
  envp.push_back(nullptr);
  std::string path = program;
  char* argv[] = {path.data(), argument.empty() ? nullptr : argument.data(), nullptr};

  int out[2];
  if (pipe(out) != 0) throw std::runtime_error("pipe failed");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  const std::int64_t spawned = nowNs();
  pid_t pid = 0;
  const int failed = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, envp.data());
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (failed != 0) {
    close(out[0]);
    throw std::runtime_error("cannot start " + program);
  }
  std::string output;
  char buffer[256];
  for (ssize_t got = 0; (got = read(out[0], buffer, sizeof buffer)) > 0;) {
    output.append(buffer, static_cast<std::size_t>(got));
  }
  close(out[0]);
  int status = 0;
  waitpid(pid, &status, 0);

  Child child;
  long long paintedNs = 0;
  double peakKb = 0;
  std::istringstream lines(output);
  for (std::string word; lines >> word;) {
    if (word == "painted") lines >> paintedNs;
    if (word == "windows") lines >> child.windows;
    if (word == "peak_kb") lines >> peakKb;
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || paintedNs == 0 || peakKb == 0) {
    throw std::runtime_error(program + " did not report its first paint: " + output);
  }
  child.startupMs = static_cast<double>(paintedNs - spawned) / 1e6;
  child.peakRssMb = peakKb * 1024.0 / 1e6;
  return child;
}

}  // namespace

void startupAndMemory(const Options& options, const std::string& binDir) {
  const std::string program = binDir + "/minigames-probed";
  const std::string minimal = binDir + "/minigames-bench-minimal";
  // One start of each first, so that every measured start finds the libraries in the cache.
  static_cast<void>(runChild(program, options.platform));
  static_cast<void>(runChild(minimal, options.platform));
  std::vector<Child> programs;
  std::vector<Child> minimals;
  std::vector<Child> withText;
  const int repetitions = options.quick ? options.repetitions : 2 * options.repetitions + 1;
  for (int rep = 0; rep < repetitions; ++rep) {
    note("start-up and memory: repetition " + std::to_string(rep + 1));
    programs.push_back(runChild(program, options.platform));
    minimals.push_back(runChild(minimal, options.platform));
    withText.push_back(runChild(minimal, options.platform, "--text"));
  }
  const auto startup = [](const Child& c) { return c.startupMs; };
  const auto rss = [](const Child& c) { return c.peakRssMb; };
  const double startupRatio = medianOf(programs, startup) / medianOf(minimals, startup);
  print(Json()
            .add("name", "startup_to_first_paint")
            .add("unit", "ms")
            .add("value", medianOf(programs, startup))
            .add("baseline", medianOf(minimals, startup))
            .add("ratio", startupRatio)
            .add("baseline_with_text", medianOf(withText, startup))
            .add("ratio_to_baseline_with_text",
                 medianOf(programs, startup) / medianOf(withText, startup))
            .add("target", "<= 1.5 x baseline")
            .add("met", startupRatio <= 1.5));
  const double rssDifference = medianOf(programs, rss) - medianOf(minimals, rss);
  print(Json()
            .add("name", "peak_rss_all_windows_open")
            .add("unit", "MB")
            .add("value", medianOf(programs, rss))
            .add("windows", programs.back().windows)
            .add("baseline", medianOf(minimals, rss))
            .add("baseline_windows", minimals.back().windows)
            .add("difference", rssDifference)
            .add("target", "<= baseline + 15 MB")
            .add("met", rssDifference <= 15));
}

}  // namespace bench

#include "bench/virtual_display.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace bench {

VirtualDisplay::VirtualDisplay() {
  int ready[2];
  if (pipe(ready) != 0) throw std::runtime_error("pipe failed");
  // Xvfb picks a free display itself and writes its number to -displayfd once it accepts
  // clients; the pipe's write end is the child's only copy left open.
  std::string fd = std::to_string(ready[1]);
  std::string program = "Xvfb";
  std::string screenOption = "-screen";
  std::string screen = "0";
  std::string geometry = "1280x1024x24";
  std::string noTcp = "-nolisten";
  std::string tcp = "tcp";
  std::string displayFd = "-displayfd";
  char* argv[] = {program.data(), screenOption.data(), screen.data(), geometry.data(), noTcp.data(),
                  tcp.data(),     displayFd.data(),    fd.data(),     nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addclose(&actions, ready[0]);
  // The server's own chatter stays out of the bench's output.
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  const int failed = posix_spawnp(&pid_, program.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(ready[1]);
  if (failed != 0) {
    close(ready[0]);
    throw std::runtime_error("cannot start Xvfb (Debian's package xvfb)");
  }
  std::string number;
  char c = 0;
  while (read(ready[0], &c, 1) == 1 && c != '\n') number += c;
  close(ready[0]);
  if (number.empty()) {
    waitpid(pid_, nullptr, 0);
    throw std::runtime_error("Xvfb did not start");
  }
  name_ = ":" + number;
  setenv("DISPLAY", name_.c_str(), 1);
}

VirtualDisplay::~VirtualDisplay() {
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
}

}  // namespace bench

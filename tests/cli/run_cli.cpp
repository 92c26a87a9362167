#include "run_cli.h"

#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <stdexcept>

extern char** environ;

namespace tamblor::cli::test {
namespace {

struct Pipe {
  std::array<int, 2> fds{-1, -1};  // read end, write end
  Pipe() {
    if (::pipe(fds.data()) != 0) throw std::runtime_error("pipe failed");
  }
  ~Pipe() {
    for (int fd : fds) Close(fd);
  }
  static void Close(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
  }
};

// Writes the input and reads both outputs together, so that neither side blocks the other.
void Exchange(Pipe& in, Pipe& out, Pipe& err, std::string_view input, CliRun& run) {
  std::size_t written = 0;
  if (input.empty()) Pipe::Close(in.fds[1]);
  std::array<char, 4096> chunk;
  while (out.fds[0] >= 0 || err.fds[0] >= 0) {
    std::array<pollfd, 3> polled{pollfd{out.fds[0], POLLIN, 0}, pollfd{err.fds[0], POLLIN, 0},
                                 pollfd{in.fds[1], POLLOUT, 0}};
    if (::poll(polled.data(), polled.size(), -1) < 0) {
      if (errno == EINTR) continue;
      throw std::runtime_error("poll failed");
    }
    if (polled[2].revents != 0) {
      const ssize_t count = ::write(in.fds[1], input.data() + written, input.size() - written);
      if (count > 0) written += static_cast<std::size_t>(count);
      if (count <= 0 || written == input.size()) Pipe::Close(in.fds[1]);
    }
    for (auto [index, text] : {std::pair{0, &run.out}, std::pair{1, &run.err}}) {
      if (polled[index].revents == 0) continue;
      int& fd = index == 0 ? out.fds[0] : err.fds[0];
      const ssize_t count = ::read(fd, chunk.data(), chunk.size());
      if (count > 0) {
        text->append(chunk.data(), static_cast<std::size_t>(count));
      } else {
        Pipe::Close(fd);
      }
    }
  }
}

}  // namespace

CliRun RunCli(const std::vector<std::string>& arguments, std::string_view input) {
  // A program that stops reading early must not end the test with SIGPIPE.
  std::signal(SIGPIPE, SIG_IGN);
  Pipe in, out, err;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in.fds[0], STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, out.fds[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, err.fds[1], STDERR_FILENO);
  for (const Pipe* pipe : {&in, &out, &err}) {
    for (int fd : pipe->fds) posix_spawn_file_actions_addclose(&actions, fd);
  }
  std::vector<std::string> argvTexts{TAMBLOR_CLI_PATH};
  argvTexts.insert(argvTexts.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& text : argvTexts) argv.push_back(text.data());
  argv.push_back(nullptr);
  pid_t child = 0;
  const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) throw std::runtime_error("cannot start " + argvTexts[0]);
  Pipe::Close(in.fds[0]);
  Pipe::Close(out.fds[1]);
  Pipe::Close(err.fds[1]);

  CliRun run;
  Exchange(in, out, err, input, run);
  int waitStatus = 0;
  while (::waitpid(child, &waitStatus, 0) < 0 && errno == EINTR) {
  }
  run.status = WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : -1;
  return run;
}

}  // namespace tamblor::cli::test

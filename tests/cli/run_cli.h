#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace tamblor::cli::test {

using Json = nlohmann::ordered_json;

struct CliRun {
  std::string out;
  std::string err;
  int status = -1;  // exit status, or -1 when the program did not exit normally
  long peakKilobytes = 0;
};

inline std::string ReadFromStart(std::FILE* file) {
  std::fseek(file, 0, SEEK_END);
  std::string text(static_cast<std::size_t>(std::ftell(file)), '\0');
  std::rewind(file);
  text.resize(std::fread(text.data(), 1, text.size(), file));
  return text;
}

// Runs the built tamblor-cli with `arguments`, feeding it `input` on standard input, or the file
// `inputPath` opened for reading. The standard streams are unnamed temporary files, so neither side
// can block the other.
inline CliRun RunCli(std::vector<std::string> arguments, std::string_view input = "",
                     const char* inputPath = nullptr) {
  const std::array<std::FILE*, 3> streams{std::tmpfile(), std::tmpfile(), std::tmpfile()};
  std::fwrite(input.data(), 1, input.size(), streams[0]);
  std::rewind(streams[0]);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  for (int fd = 0; fd < 3; ++fd)
    posix_spawn_file_actions_adddup2(&actions, fileno(streams[fd]), fd);
  if (inputPath != nullptr) posix_spawn_file_actions_addopen(&actions, 0, inputPath, O_RDONLY, 0);
  // TAMBLOR_CLI runs another build in its place, such as the Windows one under wine.
  const char* program = std::getenv("TAMBLOR_CLI");
  arguments.insert(arguments.begin(), program != nullptr ? program : TAMBLOR_CLI_PATH);
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  pid_t child = 0;
  int waitStatus = 0;
  rusage usage{};
  const bool exited = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0 &&
                      wait4(child, &waitStatus, 0, &usage) == child && WIFEXITED(waitStatus);
  posix_spawn_file_actions_destroy(&actions);
  CliRun run{ReadFromStart(streams[1]), ReadFromStart(streams[2]),
             exited ? WEXITSTATUS(waitStatus) : -1, usage.ru_maxrss};
  for (std::FILE* stream : streams) std::fclose(stream);
  return run;
}

// Each line of a --json run, parsed; a line that is not JSON throws.
inline std::vector<Json> JsonLines(const std::string& out) {
  std::vector<Json> lines;
  std::istringstream stream(out);
  for (std::string line; std::getline(stream, line);) lines.push_back(Json::parse(line));
  return lines;
}

inline std::vector<std::string> KeysOf(const Json& object) {
  std::vector<std::string> keys;
  for (const auto& item : object.items()) keys.push_back(item.key());
  return keys;
}

// A file of the test's own, removed at the end; the tests run in parallel, several in a process.
class TempFile {
 public:
  explicit TempFile(const std::string& text) { std::ofstream(path) << text; }
  ~TempFile() { std::remove(path.c_str()); }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  const std::string path = testing::TempDir() + "tamblor_cli_" + std::to_string(getpid()) + "_" +
                           std::to_string(made_++) + ".txt";

 private:
  static inline int made_ = 0;
};

// Runs the subcommand with `options` and a value: a usage error (exit 2, nothing on standard
// output) whose first line names the problem, followed by the subcommand's usage.
inline void ExpectUsageError(const std::string& subcommand, const Json& options,
                             const std::string& problem, const std::string& value) {
  std::vector<std::string> arguments{subcommand};
  for (const Json& option : options) arguments.push_back(option);
  arguments.push_back(value);
  const CliRun run = RunCli(arguments);
  SCOPED_TRACE(options.dump());
  EXPECT_EQ(std::tuple(run.status, run.out, run.err.rfind("tamblor-cli: ", 0)),
            std::tuple(2, "", 0u))
      << run.err;
  EXPECT_LT(run.err.find(problem), run.err.find('\n')) << run.err;
  EXPECT_NE(run.err.find("\nUsage: tamblor-cli " + subcommand + " [OPTIONS]"), std::string::npos);
}

}  // namespace tamblor::cli::test

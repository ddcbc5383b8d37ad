// Child processes of the setup program. The external installers are named by Windows command
// lines; a command line is split into the program and its arguments by the Windows rules, the
// program is started in a process group of its own, and the caller waits for it in slices.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/machine_root.h"

namespace harbo::platform {

// The tokens of a Windows command line, by the rules of the C runtime's startup code:
// - the first token is the program name: it ends at a space or tab outside double quotes, the
//   quotes are dropped and backslashes are plain characters;
// - after it, spaces and tabs separate arguments; double quotes group and are dropped; "" inside
//   a quoted part is one literal quote; 2n backslashes before a quote give n backslashes and the
//   quote groups, 2n+1 give n backslashes and a literal quote; other backslashes are literal;
// - an unclosed quote runs to the end of the line.
std::vector<std::string> SplitCommandLine(std::string_view command_line);

// `text` made safe to stand between the double quotes of one command-line argument: a quote
// becomes \" and backslashes before a quote or at the end are doubled, so SplitCommandLine gives
// `text` back unchanged and whole. Text without quotes or backslashes comes back as it is.
std::string EscapeInsideQuotes(std::string_view text);

// The host file of a command line's program name: a drive path goes through the machine root,
// a relative path is taken below `working_folder`.
std::filesystem::path ResolveProgram(std::string_view program, const MachineRoot& machine,
                                     const std::filesystem::path& working_folder);

// A started child process. It runs in a new process group with this process's environment,
// working folder and open inheritable descriptors. The handle used for waiting is released when
// the process has ended and been reaped, or when this object goes; the process is never killed.
class ChildProcess {
 public:
  // Starts `program` with `arguments` (not counting argv[0], which is the program's path).
  // Nothing, with the reason in `error`, when it cannot be started (missing file, not
  // executable, not a program).
  static std::optional<ChildProcess> Start(const std::filesystem::path& program,
                                           const std::vector<std::string>& arguments,
                                           std::string* error = nullptr);

  ChildProcess(ChildProcess&& other) noexcept;
  ChildProcess& operator=(ChildProcess&&) = delete;
  ChildProcess(const ChildProcess&) = delete;
  ~ChildProcess();

  // Waits at most `slice` for the process to end. True once it has ended; it is then reaped.
  bool WaitFor(std::chrono::milliseconds slice);
  bool HasEnded() const { return ended_; }

 private:
  ChildProcess(pid_t pid, int wait_fd) : pid_(pid), wait_fd_(wait_fd) {}
  void Reap();

  pid_t pid_;
  int wait_fd_;  // a pidfd, or -1 where the kernel has none (then waitpid is polled)
  bool ended_ = false;
};

}  // namespace harbo::platform

#include "platform/process.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

extern char** environ;

namespace harbo::platform {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Where no pidfd is to be had, the wait polls waitpid in steps of this length.
constexpr std::chrono::milliseconds kPollStep{10};

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view line) {
  std::vector<std::string> tokens;
  std::size_t i = 0;
  const std::size_t n = line.size();
  while (i < n && IsBlank(line[i])) ++i;
  if (i == n) return tokens;

  std::string program;
  bool in_quotes = false;
  for (; i < n && (in_quotes || !IsBlank(line[i])); ++i) {
    if (line[i] == '"') {
      in_quotes = !in_quotes;
    } else {
      program += line[i];
    }
  }
  tokens.push_back(std::move(program));

  while (true) {
    while (i < n && IsBlank(line[i])) ++i;
    if (i == n) break;
    std::string argument;
    in_quotes = false;
    while (i < n && (in_quotes || !IsBlank(line[i]))) {
      if (line[i] == '\\') {
        std::size_t end = i;
        while (end < n && line[end] == '\\') ++end;
        const std::size_t count = end - i;
        if (end < n && line[end] == '"') {
          argument.append(count / 2, '\\');
          if (count % 2 == 1) {
            argument += '"';
            ++end;
          }
        } else {
          argument.append(count, '\\');
        }
        i = end;
      } else if (line[i] == '"') {
        if (in_quotes && i + 1 < n && line[i + 1] == '"') {
          argument += '"';
          i += 2;
        } else {
          in_quotes = !in_quotes;
          ++i;
        }
      } else {
        argument += line[i++];
      }
    }
    tokens.push_back(std::move(argument));
  }
  return tokens;
}

std::string EscapeInsideQuotes(std::string_view text) {
  std::string out;
  std::size_t backslashes = 0;
  for (char c : text) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    if (c == '"') {
      out.append(2 * backslashes + 1, '\\');
    } else {
      out.append(backslashes, '\\');
    }
    out += c;
    backslashes = 0;
  }
  out.append(2 * backslashes, '\\');
  return out;
}

std::filesystem::path ResolveProgram(std::string_view program, const MachineRoot& machine,
                                     const std::filesystem::path& working_folder) {
  std::filesystem::path path = machine.HostPath(program);
  return path.is_relative() ? working_folder / path : path;
}

std::optional<ChildProcess> ChildProcess::Start(const std::filesystem::path& program,
                                                const std::vector<std::string>& arguments,
                                                std::string* error) {
  std::vector<std::string> storage;
  storage.push_back(program.string());
  storage.insert(storage.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& s : storage) argv.push_back(s.data());
  argv.push_back(nullptr);

  // A group of its own, as a new process group on Windows: a Ctrl+C at the terminal reaches the
  // setup program, not the installer. Signals blocked here are not passed on.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t no_signals;
  sigemptyset(&no_signals);
  posix_spawnattr_setsigmask(&attributes, &no_signals);
  posix_spawnattr_setpgroup(&attributes, 0);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK);
  pid_t pid = 0;
  const int result =
      posix_spawn(&pid, storage[0].c_str(), nullptr, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  if (result != 0) {
    if (error != nullptr) *error = std::strerror(result);
    return std::nullopt;
  }
  // ESRCH cannot happen (the child is not reaped before we wait); ENOSYS means an old kernel.
  const int wait_fd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
  return ChildProcess(pid, wait_fd);
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept
    : pid_(other.pid_), wait_fd_(other.wait_fd_), ended_(other.ended_) {
  other.wait_fd_ = -1;
  other.ended_ = true;
}

ChildProcess::~ChildProcess() {
  if (wait_fd_ >= 0) close(wait_fd_);
}

void ChildProcess::Reap() {
  int status = 0;
  while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
  }
  ended_ = true;
  if (wait_fd_ >= 0) {
    close(wait_fd_);
    wait_fd_ = -1;
  }
}

bool ChildProcess::WaitFor(std::chrono::milliseconds slice) {
  if (ended_) return true;
  if (wait_fd_ >= 0) {
    pollfd waiting{wait_fd_, POLLIN, 0};
    const int ready = poll(&waiting, 1, static_cast<int>(slice.count()));
    if (ready == 0 || (ready < 0 && errno == EINTR)) return false;
    Reap();  // ended, or poll failed: then the blocking wait is all that is left
    return true;
  }
  for (auto waited = std::chrono::milliseconds::zero(); waited < slice; waited += kPollStep) {
    int status = 0;
    const pid_t done = waitpid(pid_, &status, WNOHANG);
    if (done == pid_ || (done < 0 && errno != EINTR)) {
      ended_ = true;
      return true;
    }
    std::this_thread::sleep_for(kPollStep);
  }
  return false;
}

}  // namespace harbo::platform

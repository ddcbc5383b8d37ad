// harbo-upgrade: runs the version chain on a database without a window.
//   harbo-upgrade [--setup-dir DIR] [--log FILE] [--info] DATABASE
// Exit status: 0 when the chain ran to its end, 1 when it stopped, 2 for bad usage.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "engine/database.h"
#include "engine/version_chain.h"
#include "platform/clock.h"
#include "platform/machine_root.h"
#include "platform/registry_hive.h"
#include "steps/step_table.h"

namespace {

using harbo::engine::ChainView;
using harbo::engine::StepEntry;

constexpr const char* kUsage =
    "usage: harbo-upgrade [--setup-dir DIR] [--log FILE] [--info] DATABASE\n"
    "  DATABASE       the main database: a host path, or a drive path such as\n"
    "                 C:\\HarboServer\\harbo.fdb below the machine root ($HARBO_ROOT)\n"
    "  --setup-dir    the setup package folder holding upddata/ (default: this program's folder)\n"
    "  --log FILE     append every statement and its outcome to FILE\n"
    "  --info         print the stored database version and the steps that would run; change "
    "nothing\n";

struct Options {
  std::string database;
  std::string setup_dir;
  std::string log_file;
  bool info = false;
};

std::optional<Options> ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--info") {
      options.info = true;
    } else if ((arg == "--setup-dir" || arg == "--log") && i + 1 < argc) {
      (arg == "--log" ? options.log_file : options.setup_dir) = argv[++i];
    } else if (arg.rfind("--", 0) == 0 || !options.database.empty()) {
      return std::nullopt;
    } else {
      options.database = arg;
    }
  }
  if (options.database.empty()) return std::nullopt;
  return options;
}

std::string ProgramFolder() {
  std::error_code error;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string(".") : self.parent_path().string();
}

// Messages use "\r" for a line break.
std::string ForTerminal(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c == '\r') c = '\n';
  }
  return out;
}

class TerminalView final : public ChainView {
 public:
  void SetMessageText(std::string_view text) override { std::cout << ForTerminal(text) << '\n'; }
  void ProcessPendingEvents() override { std::cout.flush(); }
  void ShowErrorBox(std::string_view text) override { std::cerr << ForTerminal(text) << '\n'; }
  void StepStarting(const StepEntry& step, int number, int count) override {
    std::printf("step %d (%d/%d) ... ", step.version, number, count);
    std::fflush(stdout);
  }
  void StepFinished(const StepEntry& step, StepOutcome outcome) override {
    switch (outcome) {
      case StepOutcome::kDone:
        std::printf("done, version %d\n", step.successor);
        break;
      case StepOutcome::kFailed:
        std::printf("FAILED\n");
        break;
      case StepOutcome::kNotBuilt:
        std::printf("not available in this program\n");
        break;
    }
    std::fflush(stdout);
  }
};

int PrintInfo(harbo::engine::Database& db) {
  auto& state = db.State();
  if (!db.OpenMainDatabase()) {
    std::cerr << "Error in connecting to Harbo database in " << state.main_database_path << '\n';
    return 1;
  }
  state.database_version = harbo::engine::ReadDatabaseVersion(db);
  db.CloseDatabases();
  if (state.database_version == 0) {
    std::cerr << "Error in connecting to Harbo database in " << state.main_database_path << '\n';
    return 1;
  }
  std::cout << "database version: " << state.database_version << '\n';
  if (state.database_version < harbo::engine::kOldestVersion) {
    std::cout << "too old to update (the oldest version updated is "
              << harbo::engine::kOldestVersion << ")\n";
    return 0;
  }
  const auto planned =
      harbo::engine::PlannedSteps(harbo::steps::StepTable(), state.database_version);
  std::cout << "steps to run: " << planned.size() << '\n';
  for (const StepEntry& step : planned) {
    std::cout << "  step " << step.version << " -> " << step.successor
              << (step.routine == nullptr ? "  (not available in this program)" : "") << '\n';
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const auto options = ParseOptions(argc, argv);
  if (!options) {
    std::cerr << kUsage;
    return 2;
  }
  harbo::engine::RunState state;
  state.main_database_path = options->database;
  state.setup_folder = options->setup_dir.empty() ? ProgramFolder() : options->setup_dir;
  if (state.setup_folder.back() != '/') state.setup_folder += '/';

  const auto machine = harbo::platform::MachineRoot::FromEnvironment();
  harbo::platform::SystemClock clock;
  const auto log = harbo::engine::OpenUpgradeLog(options->log_file);
  if (!log) {
    std::cerr << "harbo-upgrade: cannot write the log file " << options->log_file << '\n';
    return 2;
  }
  harbo::engine::Database db(state, machine, clock, *log);
  if (options->info) return PrintInfo(db);

  // Without the old server's registry its settings would be taken as defaults: say so.
  if (!std::filesystem::exists(machine.CurrentUserHive())) {
    std::cout << "No registry file " << machine.CurrentUserHive().string()
              << ": the current user's registry is taken as empty (HARBO_ROOT names the machine "
                 "root that holds user.reg).\n";
  }
  // A hive that cannot be read stops the run before the database is touched.
  std::optional<harbo::platform::RegistryHive> current_user;
  try {
    current_user.emplace(harbo::platform::RegistryHive::CurrentUser(machine));
  } catch (const harbo::platform::RegistryError& e) {
    std::cerr << "harbo-upgrade: " << e.what() << '\n';
    return 1;
  }
  TerminalView view;
  const bool done =
      harbo::engine::RunVersionChain(db, *current_user, harbo::steps::StepTable(), view);
  if (done) {
    std::cout << "The database is at version " << state.database_version << ".\n";
  } else if (state.database_version >= harbo::engine::kOldestVersion) {
    std::cout << "The upgrade stopped; the database stays at version " << state.database_version
              << ". Running the upgrade again resumes there.\n";
  }
  return done ? 0 : 1;
}

// The run of the job the wizard prepared, started by the run timer: the client installer, or
// the update (carrying an old-layout installation over to C:\HarboServer, then the version
// chain). It ends with the outcome in the message area and Cancel turned into Finish or Close.
#pragma once

#include <chrono>
#include <filesystem>
#include <span>

#include "engine/upgrade_log.h"
#include "engine/version_chain.h"
#include "platform/clock.h"
#include "platform/machine_root.h"
#include "steps/step_table.h"
#include "wizard/external_programs.h"
#include "wizard/setup_run_state.h"
#include "wizard/wizard_view.h"

namespace harbo::wizard {

// What the wizard is given to work with; nothing of it is global.
struct SetupEnvironment {
  const platform::MachineRoot& machine;
  platform::Clock& clock;
  ExternalPrograms& programs;
  engine::UpgradeLog& log;
  // The setup program's own file; its folder is the setup folder.
  std::filesystem::path program_file;
  std::span<const engine::StepEntry> steps = steps::StepTable();
};

// How long the runner tries to open the copied database before it gives up, and the pause
// between attempts.
inline constexpr std::chrono::milliseconds kCopiedDatabaseWait{30000};
inline constexpr std::chrono::milliseconds kCopiedDatabaseRetry{100};

class InstallationRunner {
 public:
  InstallationRunner(SetupRunState& state, const SetupEnvironment& environment, WizardView& view);

  void Timer1Timer();
  // The update: true when it completed. On false the message text says what failed.
  bool RunUpdate();

 private:
  bool CarryOverOldLayout();
  bool WaitUntilOpenable(std::string_view windows_path);

  SetupRunState& state_;
  const SetupEnvironment& environment_;
  WizardView& view_;
};

}  // namespace harbo::wizard

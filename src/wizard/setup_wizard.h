// The setup wizard: the state machine behind the window's Next and Cancel buttons, and the run
// the last Next starts. It owns the run state and talks to the window only through WizardView.
//
// Without a database argument it installs the client: choice -> address -> run. With one it
// updates the server: state 0 checks what is installed; with Firebird 3.0 present the next Next
// runs the update, with only Firebird 2.1 present Next leads through the backup and removal
// instructions, installs Firebird 3.0 and shows the restore instruction before the update runs.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/upgrade_log.h"
#include "engine/version_chain.h"
#include "platform/clock.h"
#include "platform/machine_root.h"
#include "steps/step_table.h"
#include "wizard/external_programs.h"
#include "wizard/installation_runner.h"
#include "wizard/setup_run_state.h"
#include "wizard/wizard_view.h"

namespace harbo::wizard {

// The application title while the program starts, and the title and caption of the window.
inline constexpr std::string_view kStartTitle = "Pelmar Harbo setup";
inline constexpr std::string_view kWindowTitle = "Harbo installation; version 7.4.3";

class SetupWizard {
 public:
  SetupWizard(WizardView& view, const SetupEnvironment& environment);
  SetupWizard(const SetupWizard&) = delete;
  SetupWizard& operator=(const SetupWizard&) = delete;

  // Window creation: the setup and program files folders, the title.
  void FormCreate();
  // First showing: the main database path; with a database argument, the command-line start and
  // the evaluation of state 0 as if Next had been pressed. Focuses Next.
  void FormShow(const std::optional<std::string>& database_argument);
  // Next. A press that arrives while the previous one is still running (an installer is being
  // waited for and the window handles events) is ignored.
  void BitBtn3Click();
  // Cancel, Close or Finish.
  void BitBtn2Click();
  // The run timer: performs the job (InstallationRunner).
  void Timer1Timer();

  const SetupRunState& State() const { return state_; }

 private:
  void EvaluateStart();
  void InstallFirebird();
  void StartRun();

  WizardView& view_;
  SetupEnvironment environment_;
  SetupRunState state_;
  InstallationRunner runner_;
  bool next_running_ = false;
};

}  // namespace harbo::wizard

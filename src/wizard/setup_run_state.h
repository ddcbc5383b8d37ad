// The state of one run of the setup program, owned by the wizard for as long as the program
// runs: where the wizard stands, which job it does, and the engine's run state that the version
// chain and the steps work on.
#pragma once

#include <string>

#include "engine/run_state.h"
#include "wizard/detection.h"

namespace harbo::wizard {

enum class RunMode { kClientSetup, kUpdate };

// Wizard states, the position in the sequence of Next presses.
inline constexpr int kStateChoice = 0;
inline constexpr int kStateConfirmed = 1;
inline constexpr int kStateBackupShown = 2;
inline constexpr int kStateRemovalShown = 3;
inline constexpr int kStateReady = 4;

struct SetupRunState {
  int wizard_state = kStateChoice;
  RunMode run_mode = RunMode::kUpdate;
  // Started with a database path; the Back button is hidden then.
  bool command_line_start = false;
  std::string program_files_folder{kDefaultProgramFilesFolder};
  // Main database path, setup folder (with a trailing separator), reference path, version, flags.
  engine::RunState engine;
};

}  // namespace harbo::wizard

#include "wizard/setup_wizard.h"

#include <exception>

#include "wizard/detection.h"

namespace harbo::wizard {

SetupWizard::SetupWizard(WizardView& view, const SetupEnvironment& environment)
    : view_(view), environment_(environment), runner_(state_, environment_, view_) {}

void SetupWizard::FormCreate() {
  state_.engine.setup_folder = SetupFolderOf(environment_.program_file);
  state_.program_files_folder = ProgramFilesFolder(environment_.machine);
  view_.SetTitle(kWindowTitle);
}

void SetupWizard::FormShow(const std::optional<std::string>& database_argument) {
  state_.engine.main_database_path = std::string(kInstalledDatabase);
  if (database_argument) {
    try {
      state_.engine.main_database_path = *database_argument;
      state_.command_line_start = true;
      BitBtn3Click();
    } catch (...) {
      // The wizard then waits in whatever state it reached.
    }
  }
  view_.SetFocus(FocusTarget::kNext);
}

void SetupWizard::BitBtn3Click() {
  if (next_running_) return;
  next_running_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{next_running_};

  switch (state_.wizard_state) {
    case kStateChoice:
      EvaluateStart();
      break;
    case kStateConfirmed:
      if (state_.run_mode == RunMode::kClientSetup) {
        StartRun();
      } else {
        view_.SetMessageText(
            "Step 1: Please make a backup of the Harbo database using the Database cleanup tool "
            "(Zulvo) found in Pelmar Harbo Start menu.\r\rOnce you have made the backup, close the "
            "tool and click Next to continue.\r\rNote: This step is mandatory!");
        view_.SetMessageColour(MessageColour::kNormal);
        state_.wizard_state = kStateBackupShown;
      }
      break;
    case kStateBackupShown:
      view_.SetMessageText(
          "Step 2: Shut down the Firebird Server service.\r\rStep 3: Uninstall Firebird 2.1 from "
          "Windows Control Panel.\r\rOnce you have performed these steps, click Next to continue "
          "and Firebird 3.0 will be installed.");
      view_.SetMessageColour(MessageColour::kNormal);
      state_.wizard_state = kStateRemovalShown;
      break;
    case kStateRemovalShown:
      InstallFirebird();
      break;
    default:
      StartRun();
      break;
  }
}

void SetupWizard::BitBtn2Click() { view_.CloseWindow(); }

void SetupWizard::Timer1Timer() { runner_.Timer1Timer(); }

void SetupWizard::EvaluateStart() {
  view_.SetVisible(Element::kOptionPage, false);
  view_.SetVisible(Element::kMessageArea, true);
  if (state_.command_line_start) view_.SetButtonVisible(Button::kBack, false);
  if (!state_.command_line_start) state_.run_mode = RunMode::kClientSetup;
  view_.SetMessageText("");

  if (state_.run_mode == RunMode::kClientSetup) {
    view_.SetVisible(Element::kOptionPage, true);
    view_.SetVisible(Element::kMessageArea, false);
    view_.SetVisible(Element::kServerAddress, true);
    view_.SetMessageColour(MessageColour::kNormal);
    view_.SetMessageText("Pelmar Harbo remote Client software will be installed.");
    view_.SetFocus(FocusTarget::kServerAddress);
    state_.wizard_state = kStateConfirmed;
    return;
  }

  const platform::MachineRoot& machine = environment_.machine;
  const std::string& program_files = state_.program_files_folder;
  if (!IsOldLayoutPresent(machine, program_files) && !IsHarboInstalled(machine)) {
    view_.SetMessageColour(MessageColour::kRed);
    view_.SetMessageText(
        "An older Harbo version was NOT detected on this computer.\rYou cannot update. Please "
        "reinstall Harbo.");
    view_.SetButtonEnabled(Button::kNext, false);
    return;
  }
  const bool firebird30 = IsFirebird30Present(machine, program_files);
  if (firebird30 || IsFirebird21Present(machine, program_files)) {
    view_.SetMessageColour(MessageColour::kNormal);
    view_.SetMessageText(
        "An older Harbo version was detected on this computer.\rIt will now be updated to "
        "version 7.4.3.");
    state_.wizard_state = firebird30 ? kStateReady : kStateConfirmed;
    return;
  }
  view_.SetMessageColour(MessageColour::kRed);
  view_.SetMessageText(
      "Firebird Server version 2.1 was not detected on this system.\rYou need to install "
      "Firebird 2.1 before updating Pelmar Harbo.");
  view_.SetButtonEnabled(Button::kNext, false);
}

void SetupWizard::InstallFirebird() {
  view_.SetMessageText("Installing FireBird database server...");
  if (environment_.programs.RunAndWait(kFirebirdInstallerCommandLine, view_)) {
    view_.SetMessageText(
        "Step 3: Use the Harbo Database cleanup tool (Zulvo) found in the Zulvo folder of this "
        "setup package to restore the database backup file you made in Step 1.\r\rNote: Make sure "
        "you use the tool from this setup package, do not use the one installed in your Pelmar "
        "Harbo start menu!\r\rOnce you have restored the backup file, click Next to continue.");
    view_.SetMessageColour(MessageColour::kNormal);
    state_.wizard_state = kStateReady;
  } else {
    view_.SetMessageText(
        "Error in installing Firebird 3.0!\r\rPlease contact the program supplier.");
    view_.SetMessageColour(MessageColour::kRed);
    view_.SetButtonEnabled(Button::kNext, false);
    view_.SetButtonCaption(Button::kCancel, "Close");
  }
}

void SetupWizard::StartRun() {
  view_.SetMessageText(state_.run_mode == RunMode::kClientSetup
                           ? "Installing .."
                           : "Updating Pelmar Harbo. Please wait...");
  view_.SetMessageColour(MessageColour::kNormal);
  view_.SetButtonEnabled(Button::kNext, false);
  view_.SetButtonEnabled(Button::kBack, false);
  view_.StartRunTimer();
}

}  // namespace harbo::wizard

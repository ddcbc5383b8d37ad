#include "wizard/installation_runner.h"

#include <exception>
#include <optional>
#include <string>

#include "engine/database.h"
#include "platform/file_copy.h"
#include "platform/registry_hive.h"
#include "wizard/detection.h"

namespace harbo::wizard {
namespace {

constexpr std::string_view kCopiedDatabase = "C:\\HarboServer\\harbo.gdb";

}  // namespace

InstallationRunner::InstallationRunner(SetupRunState& state, const SetupEnvironment& environment,
                                       WizardView& view)
    : state_(state), environment_(environment), view_(view) {}

void InstallationRunner::Timer1Timer() {
  view_.StopRunTimer();
  state_.engine.default_reference_path = "upddata\\common.fdb";

  if (state_.run_mode == RunMode::kClientSetup) {
    view_.SetVisible(Element::kMessageArea, true);
    view_.SetVisible(Element::kOptionPage, false);
    const bool ok = environment_.programs.RunAndWait(
        ClientInstallerCommandLine(view_.GetServerAddress()), view_);
    if (ok) {
      view_.AppendMessageLine("\r\rDone. \r\rClick Finish to close this program.");
      view_.SetButtonCaption(Button::kCancel, "Finish");
    } else {
      view_.AppendMessageLine("\r\rError installing client.");
      view_.SetMessageColour(MessageColour::kRed);
      view_.SetButtonCaption(Button::kCancel, "Close");
    }
  } else {
    bool ok = false;
    try {
      ok = RunUpdate();
    } catch (const std::exception& e) {
      // Nothing below is meant to throw; if it does, the technician still gets the red text.
      view_.SetMessageText(e.what());
    }
    if (ok) {
      view_.SetMessageColour(MessageColour::kNormal);
      view_.SetMessageText("Update complete. Click Finish to close the update program.");
      view_.SetButtonCaption(Button::kCancel, "Finish");
    } else {
      view_.SetMessageColour(MessageColour::kRed);
      view_.SetMessageText("Error in update!\r\r" + view_.GetMessageText() + "\r\r" +
                           "Please contact the program supplier.");
      view_.SetButtonCaption(Button::kCancel, "Close");
    }
  }
  view_.SetButtonEnabled(Button::kCancel, true);
  view_.SetFocus(FocusTarget::kCancel);
}

bool InstallationRunner::RunUpdate() {
  // The hive is read first: a malformed one stops the update before any file is copied.
  std::optional<platform::RegistryHive> current_user;
  try {
    current_user.emplace(platform::RegistryHive::CurrentUser(environment_.machine));
  } catch (const platform::RegistryError& e) {
    view_.SetMessageText(
        std::string("The registry file of the current user could not be read; nothing was "
                    "changed.\r") +
        e.what());
    return false;
  }

  if (!IsHarboInstalled(environment_.machine) && !CarryOverOldLayout()) return false;

  engine::Database db(state_.engine, environment_.machine, environment_.clock, environment_.log);
  if (!engine::RunVersionChain(db, *current_user, environment_.steps, view_)) return false;

  view_.SetMessageText("Installing Pelmar Harbo service files...");
  view_.ProcessPendingEvents();
  return true;
}

// An installation older than 6.0 kept its database and data files under the program files
// folder; they move to the server folder, the database as harbo.fdb.
bool InstallationRunner::CarryOverOldLayout() {
  const std::string old_folder = state_.program_files_folder + std::string(kOldLayoutFolder);
  environment_.log.Note("carrying the installation in " + old_folder + " over to " +
                        std::string(kServerFolder));

  view_.SetMessageText("Copying previous TMS and VCE files..");
  view_.ProcessPendingEvents();
  // Either may find nothing to copy; the database is what matters.
  environment_.programs.CopyFiles(old_folder + "\\*.tms", kServerFolder, view_);
  environment_.programs.CopyFiles(old_folder + "\\vce\\fin\\*.*", "C:\\HarboServer\\vce\\fin\\",
                                  view_);

  view_.SetMessageText("Copying database file..");
  view_.ProcessPendingEvents();
  if (!environment_.programs.CopyFiles(old_folder + "\\harbo.gdb", kServerFolder, view_)) {
    view_.SetMessageText(
        "Error copying database file harbo.gdb from C:\\Program Files\\QXR\\Harbo to "
        "C:\\HarboServer.\rMake sure harbo.fdb does not already exist in C:\\HarboServer");
    return false;
  }
  if (!WaitUntilOpenable(kCopiedDatabase)) return false;

  // An existing harbo.fdb is never replaced; the chain then works on that one.
  if (!platform::RenameWithoutReplacing(environment_.machine.HostPath(kCopiedDatabase),
                                        environment_.machine.HostPath(kInstalledDatabase))) {
    environment_.log.Note("harbo.gdb could not be renamed to harbo.fdb in C:\\HarboServer");
  }
  return true;
}

// The copy may still hold the file for a moment; the wait is bounded so that a file that stays
// locked or unwritable ends the run with a message instead of hanging it.
bool InstallationRunner::WaitUntilOpenable(std::string_view windows_path) {
  const auto file = environment_.machine.HostPath(windows_path);
  std::string reason;
  for (auto waited = std::chrono::milliseconds::zero();
       !platform::CanOpenForReadWrite(file, &reason); waited += kCopiedDatabaseRetry) {
    if (waited >= kCopiedDatabaseWait) {
      view_.SetMessageText("The copied database file " + std::string(windows_path) +
                           " could not be opened for reading and writing within " +
                           std::to_string(kCopiedDatabaseWait.count() / 1000) +
                           " seconds: " + reason + ".");
      return false;
    }
    environment_.clock.Sleep(kCopiedDatabaseRetry);
    view_.ProcessPendingEvents();
  }
  return true;
}

}  // namespace harbo::wizard

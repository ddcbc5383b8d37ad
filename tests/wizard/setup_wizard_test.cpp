// The wizard's state machine through every path of its life, driven as the window would drive
// it, with a recording view and programs that only record their command lines.
#include "wizard/setup_wizard.h"

#include <gtest/gtest.h>

#include "platform/clock.h"
#include "wizard_test_support.h"

namespace harbo::wizard {
namespace {

using testing::FakePrograms;
using testing::PlaceFile;
using testing::RecordingView;

constexpr char kDetected[] =
    "An older Harbo version was detected on this computer.\rIt will now be updated to version "
    "7.4.3.";
constexpr char kNotDetected[] =
    "An older Harbo version was NOT detected on this computer.\rYou cannot update. Please "
    "reinstall Harbo.";
constexpr char kNoFirebird[] =
    "Firebird Server version 2.1 was not detected on this system.\rYou need to install Firebird "
    "2.1 before updating Pelmar Harbo.";
constexpr char kBackup[] =
    "Step 1: Please make a backup of the Harbo database using the Database cleanup tool (Zulvo) "
    "found in Pelmar Harbo Start menu.\r\rOnce you have made the backup, close the tool and click "
    "Next to continue.\r\rNote: This step is mandatory!";
constexpr char kRemoval[] =
    "Step 2: Shut down the Firebird Server service.\r\rStep 3: Uninstall Firebird 2.1 from Windows "
    "Control Panel.\r\rOnce you have performed these steps, click Next to continue and Firebird "
    "3.0 will be installed.";
constexpr char kRestore[] =
    "Step 3: Use the Harbo Database cleanup tool (Zulvo) found in the Zulvo folder of this setup "
    "package to restore the database backup file you made in Step 1.\r\rNote: Make sure you use "
    "the tool from this setup package, do not use the one installed in your Pelmar Harbo start "
    "menu!\r\rOnce you have restored the backup file, click Next to continue.";
constexpr char kFirebirdInstaller[] =
    "Firebird_3_0\\Firebird-3.0.3.32900_0_Win32.exe /SYSDBANAME=\"SYSDBA\" "
    "/SYSDBAPASSWORD=\"82Tq5n-7!LDx41R\" /silent -SMS";

constexpr char kFirebird30[] = "C:\\Progra~1\\Firebird\\Firebird_3_0\\firebird.exe";
constexpr char kFirebird21[] = "C:\\Progra~1\\Firebird\\Firebird_2_1\\bin\\fbserver.exe";
constexpr char kInstalled[] = "C:\\HarboServer\\harbo.fdb";
constexpr char kOldLayout[] = "C:\\Progra~1\\QXR\\Harbo\\harbo.gdb";

// One wizard with its window, on a machine root of its own.
struct Bench {
  explicit Bench(const std::string& name) : root(testing::ScratchFolder(name)), machine(root) {}

  void Start(const std::optional<std::string>& argument) {
    view.SetTitle(kStartTitle);
    wizard.FormCreate();
    wizard.FormShow(argument);
  }
  bool NextEnabled() const { return view.buttons.at(Button::kNext).enabled; }
  const std::string& CancelCaption() const { return view.buttons.at(Button::kCancel).caption; }

  std::filesystem::path root;
  platform::MachineRoot machine;
  platform::SystemClock clock;
  engine::NullUpgradeLog log;
  FakePrograms programs;
  RecordingView view;
  SetupWizard wizard{
      view, SetupEnvironment{machine, clock, programs, log, "/opt/harbo/package/harbo-setup"}};
};

std::string TestName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

// Client path: choice -> address -> run -> finished, with the installer starting or not.
TEST(SetupWizardTest, ClientSetup) {
  const struct {
    std::string address;
    bool installer_starts;
    std::string command_line, message;
    MessageColour colour;
    std::string cancel;
  } cases[] = {
      {"10.0.0.5", true, "clientsetup\\clientsetup.exe /V\"FOOBAR=10.0.0.5\" -SMS",
       "Installing ..\r\r\rDone. \r\rClick Finish to close this program.", MessageColour::kNormal,
       "Finish"},
      {"", true, "clientsetup\\clientsetup.exe /V\"FOOBAR=\" -SMS",
       "Installing ..\r\r\rDone. \r\rClick Finish to close this program.", MessageColour::kNormal,
       "Finish"},
      {"harbo-server", false, "clientsetup\\clientsetup.exe /V\"FOOBAR=harbo-server\" -SMS",
       "Installing ..\r\r\rError installing client.", MessageColour::kRed, "Close"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.address);
    Bench bench(TestName());
    RecordingView& view = bench.view;
    bench.programs.run_result = c.installer_starts;
    bench.Start(std::nullopt);
    EXPECT_EQ(view.title, "Harbo installation; version 7.4.3");
    EXPECT_EQ(bench.wizard.State().engine.setup_folder, "/opt/harbo/package/");
    EXPECT_EQ(bench.wizard.State().engine.main_database_path, "C:\\HarboServer\\harbo.fdb");
    EXPECT_EQ(view.focus, FocusTarget::kNext);
    EXPECT_TRUE(view.visible[Element::kOptionPage]);

    bench.wizard.BitBtn3Click();
    EXPECT_EQ(bench.wizard.State().wizard_state, 1);
    EXPECT_EQ(bench.wizard.State().run_mode, RunMode::kClientSetup);
    EXPECT_TRUE(view.visible[Element::kOptionPage]);
    EXPECT_TRUE(view.visible[Element::kServerAddress]);
    EXPECT_FALSE(view.visible[Element::kMessageArea]);
    EXPECT_EQ(view.message, "Pelmar Harbo remote Client software will be installed.");
    EXPECT_EQ(view.focus, FocusTarget::kServerAddress);
    EXPECT_TRUE(view.buttons[Button::kBack].visible);
    EXPECT_FALSE(view.buttons[Button::kBack].enabled);

    view.address = c.address;
    bench.wizard.BitBtn3Click();
    EXPECT_EQ(view.message, "Installing ..");
    EXPECT_TRUE(view.timer_running);
    EXPECT_FALSE(bench.NextEnabled());
    EXPECT_TRUE(bench.programs.command_lines.empty()) << "the installer runs from the timer";

    bench.wizard.Timer1Timer();
    EXPECT_FALSE(view.timer_running);
    EXPECT_EQ(bench.programs.command_lines, std::vector<std::string>{c.command_line});
    EXPECT_EQ(view.message, c.message);
    EXPECT_EQ(view.colour, c.colour);
    EXPECT_TRUE(view.visible[Element::kMessageArea]);
    EXPECT_FALSE(view.visible[Element::kOptionPage]);
    EXPECT_EQ(bench.CancelCaption(), c.cancel);
    EXPECT_TRUE(view.buttons[Button::kCancel].enabled);
    EXPECT_EQ(view.focus, FocusTarget::kCancel);
    EXPECT_FALSE(bench.NextEnabled());
    EXPECT_EQ(bench.wizard.State().engine.default_reference_path, "upddata\\common.fdb");

    EXPECT_FALSE(view.closed);
    bench.wizard.BitBtn2Click();
    EXPECT_TRUE(view.closed);
  }
}

// State 0 of a command-line start decides the path from what is installed, looking only at the
// fixed places below the program files folder that the registry names.
TEST(SetupWizardTest, UpdateStartDetection) {
  const std::string kNamesDApps =
      "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion]\n"
      "\"ProgramFilesDir\"=\"D:\\\\Apps\"\n";
  const struct {
    std::string name;
    std::vector<std::string> files, folders;
    std::string system_reg;
    std::string message;
    int state;
  } cases[] = {
      {"installed database, Firebird 3.0",
       {kInstalled, kFirebird30, kFirebird21},
       {},
       {},
       kDetected,
       4},
      {"old layout, Firebird 2.1", {kOldLayout, kFirebird21}, {}, {}, kDetected, 1},
      {"database without Firebird", {kInstalled}, {}, {}, kNoFirebird, 0},
      {"Firebird without database", {kFirebird30}, {}, {}, kNotDetected, 0},
      {"folders named like the files",
       {},
       {kInstalled, kOldLayout, kFirebird30},
       {},
       kNotDetected,
       0},
      {"program files folder from the registry",
       {"D:\\Apps\\QXR\\Harbo\\harbo.gdb", "D:\\Apps\\Firebird\\Firebird_3_0\\firebird.exe"},
       {},
       kNamesDApps,
       kDetected,
       4},
      {"registry names another folder than the installation's",
       {kOldLayout, kFirebird30},
       {},
       kNamesDApps,
       kNotDetected,
       0},
      {"unreadable registry: C:\\Progra~1",
       {kOldLayout, kFirebird30},
       {},
       "REGEDIT4\n\njunk\n",
       kDetected,
       4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Bench bench(TestName());
    for (const auto& file : c.files) PlaceFile(bench.machine, file);
    for (const auto& folder : c.folders) {
      std::filesystem::create_directories(bench.machine.HostPath(folder));
    }
    if (!c.system_reg.empty()) testing::WriteFile(bench.machine.LocalMachineHive(), c.system_reg);

    bench.Start("C:\\HarboServer\\harbo.fdb");
    const RecordingView& view = bench.view;
    EXPECT_EQ(view.message, c.message);
    const bool accepted = c.message == kDetected;
    EXPECT_EQ(view.colour, accepted ? MessageColour::kNormal : MessageColour::kRed);
    EXPECT_EQ(bench.wizard.State().wizard_state, c.state);
    EXPECT_EQ(bench.NextEnabled(), accepted);
    EXPECT_EQ(bench.CancelCaption(), "Cancel");
    EXPECT_EQ(bench.wizard.State().run_mode, RunMode::kUpdate);
    EXPECT_TRUE(view.visible.at(Element::kMessageArea));
    EXPECT_FALSE(view.visible.at(Element::kOptionPage));
    EXPECT_FALSE(view.buttons.at(Button::kBack).visible);
    EXPECT_EQ(view.focus, FocusTarget::kNext);
    EXPECT_FALSE(view.timer_running);
    EXPECT_TRUE(bench.programs.command_lines.empty());
  }
}

// Firebird 3.0 present: the first Next after the automatic evaluation starts the update, on the
// database named on the command line even when it is not the installed one.
TEST(SetupWizardTest, UpdateWithFirebird30StartsAtOnce) {
  Bench bench(TestName());
  PlaceFile(bench.machine, kInstalled);
  PlaceFile(bench.machine, kFirebird30);
  bench.Start("/srv/elsewhere/harbo.fdb");
  EXPECT_EQ(bench.view.message, kDetected);
  EXPECT_TRUE(bench.wizard.State().command_line_start);
  EXPECT_EQ(bench.wizard.State().engine.main_database_path, "/srv/elsewhere/harbo.fdb");

  bench.wizard.BitBtn3Click();
  EXPECT_EQ(bench.view.message, "Updating Pelmar Harbo. Please wait...");
  EXPECT_EQ(bench.view.colour, MessageColour::kNormal);
  EXPECT_TRUE(bench.view.timer_running);
  EXPECT_FALSE(bench.NextEnabled());
  EXPECT_FALSE(bench.view.buttons[Button::kBack].enabled);
  EXPECT_TRUE(bench.view.buttons[Button::kCancel].enabled);
  EXPECT_TRUE(bench.programs.command_lines.empty());
}

// Only Firebird 2.1: four presses of Next pass the backup, removal and restore instructions; the
// Firebird installer runs at the third.
TEST(SetupWizardTest, UpdateWithFirebird21InstallsFirebird30) {
  Bench bench(TestName());
  PlaceFile(bench.machine, kInstalled);
  PlaceFile(bench.machine, kFirebird21);
  bench.Start("C:\\HarboServer\\harbo.fdb");
  const struct {
    std::string message;
    int state;
    std::size_t installer_runs;
  } presses[] = {
      {kBackup, 2, 0},
      {kRemoval, 3, 0},
      {kRestore, 4, 1},
      {"Updating Pelmar Harbo. Please wait...", 4, 1},
  };
  EXPECT_EQ(bench.wizard.State().wizard_state, 1);
  for (std::size_t i = 0; i < std::size(presses); ++i) {
    SCOPED_TRACE("Next press " + std::to_string(i + 1));
    bench.wizard.BitBtn3Click();
    EXPECT_EQ(bench.view.message, presses[i].message);
    EXPECT_EQ(bench.view.colour, MessageColour::kNormal);
    EXPECT_EQ(bench.wizard.State().wizard_state, presses[i].state);
    EXPECT_EQ(bench.programs.command_lines.size(), presses[i].installer_runs);
    EXPECT_EQ(bench.NextEnabled(), i < 3);
    EXPECT_EQ(bench.view.timer_running, i == 3);
  }
  EXPECT_EQ(bench.programs.command_lines.front(), kFirebirdInstaller);
  EXPECT_EQ(bench.view.texts[bench.view.texts.size() - 3],
            "Installing FireBird database server...");
}

TEST(SetupWizardTest, FirebirdInstallerThatCannotStart) {
  Bench bench(TestName());
  PlaceFile(bench.machine, kOldLayout);
  PlaceFile(bench.machine, kFirebird21);
  bench.programs.run_result = false;
  bench.Start("C:\\HarboServer\\harbo.fdb");
  for (int i = 0; i < 3; ++i) bench.wizard.BitBtn3Click();
  EXPECT_EQ(bench.view.message,
            "Error in installing Firebird 3.0!\r\rPlease contact the program supplier.");
  EXPECT_EQ(bench.view.colour, MessageColour::kRed);
  EXPECT_EQ(bench.wizard.State().wizard_state, 3);
  EXPECT_FALSE(bench.NextEnabled());
  EXPECT_EQ(bench.CancelCaption(), "Close");
  EXPECT_FALSE(bench.view.timer_running);
}

// The window handles its events while the installer runs, Next included: a second press then
// must not start the installer again or skip ahead.
TEST(SetupWizardTest, NextPressedWhileTheInstallerRunsIsIgnored) {
  Bench bench(TestName());
  PlaceFile(bench.machine, kInstalled);
  PlaceFile(bench.machine, kFirebird21);
  bench.Start("C:\\HarboServer\\harbo.fdb");
  bench.wizard.BitBtn3Click();
  bench.wizard.BitBtn3Click();
  bench.view.queued_events.push_back([&] { bench.wizard.BitBtn3Click(); });
  bench.wizard.BitBtn3Click();
  EXPECT_TRUE(bench.view.queued_events.empty());
  EXPECT_EQ(bench.programs.command_lines.size(), 1u);
  EXPECT_EQ(bench.wizard.State().wizard_state, 4);
  EXPECT_EQ(bench.view.message, kRestore);
  EXPECT_FALSE(bench.view.timer_running);
}

}  // namespace
}  // namespace harbo::wizard

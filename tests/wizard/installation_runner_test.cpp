// The run of an update: carrying an old-layout installation over to C:\HarboServer and running
// the version chain on a real database, and the ways the run stops with its red text.
#include "wizard/installation_runner.h"

#include <gtest/gtest.h>

#include <numeric>

#include "test_database.h"
#include "wizard/setup_wizard.h"
#include "wizard_test_support.h"

namespace harbo::wizard {
namespace {

namespace fs = std::filesystem;
using harbo::testing::TestDatabase;
using testing::FakePrograms;
using testing::PlaceFile;
using testing::ReadFile;
using testing::RecordingView;

constexpr char kFirebird30[] = "C:\\Progra~1\\Firebird\\Firebird_3_0\\firebird.exe";
constexpr char kOldFolder[] = "C:\\Progra~1\\QXR\\Harbo";
constexpr char kOldDatabase[] = "C:\\Progra~1\\QXR\\Harbo\\harbo.gdb";
constexpr char kInstalled[] = "C:\\HarboServer\\harbo.fdb";
constexpr char kCopyFailed[] =
    "Error in update!\r\rError copying database file harbo.gdb from C:\\Program Files\\QXR\\Harbo "
    "to C:\\HarboServer.\rMake sure harbo.fdb does not already exist in C:\\HarboServer\r\rPlease "
    "contact the program supplier.";
constexpr char kComplete[] = "Update complete. Click Finish to close the update program.";

std::string TestName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

// A server machine with Firebird 3.0 below a folder the database server can use, and the setup
// package beside it.
struct Bench {
  explicit Bench(const std::string& name)
      : name(name),
        folder(testing::FreshFolder(harbo::testing::TestDatabaseFolder() / "wizard" / name)),
        machine(folder / "machine") {
    PlaceFile(machine, kFirebird30);
  }

  // upddata\common.fdb of the package; the chain only opens it when there is nothing to copy.
  void MakeReferenceDatabase() {
    TestDatabase("wizard/" + name + "/package/upddata/common",
                 "CREATE TABLE PARAM (NAME VARCHAR(60), VAL VARCHAR(250));");
  }

  // A database of the base schema stamped as current, so the chain has no step to run, moved to
  // `windows_path`. Readable and writable by the server whoever copies it.
  void PlaceCurrentDatabase(std::string_view windows_path) {
    TestDatabase db("wizard/" + name + "/current", {"schema_3101.sql"},
                    "UPDATE PARAM SET VAL = '7430' WHERE NAME = 'DBVERSION';");
    const fs::path target = machine.HostPath(windows_path);
    fs::create_directories(target.parent_path());
    fs::rename(db.Path(), target);
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                fs::perms::group_write | fs::perms::others_read |
                                fs::perms::others_write);
  }

  // A command-line start on the installed database's path, Next, and the timer.
  void Run() {
    wizard.emplace(
        view, SetupEnvironment{machine, clock, *programs, log, folder / "package" / "harbo-setup"});
    wizard->FormCreate();
    wizard->FormShow(std::string(kInstalled));
    ASSERT_EQ(wizard->State().wizard_state, 4) << view.message;
    wizard->BitBtn3Click();
    ASSERT_TRUE(view.timer_running);
    wizard->Timer1Timer();
  }

  const std::string& CancelCaption() const { return view.buttons.at(Button::kCancel).caption; }
  bool Exists(std::string_view windows_path) const {
    return fs::exists(machine.HostPath(windows_path));
  }
  bool Said(std::string_view text) const {
    return std::find(view.texts.begin(), view.texts.end(), text) != view.texts.end();
  }

  std::string name;
  fs::path folder;
  platform::MachineRoot machine;
  harbo::testing::FakeClock clock;
  engine::RecordingUpgradeLog log;
  SystemPrograms system_programs{machine, folder / "package"};
  FakePrograms fake_programs;
  ExternalPrograms* programs = &system_programs;
  RecordingView view;
  std::optional<SetupWizard> wizard;
};

// An installation of the old layout moves to C:\HarboServer and the chain runs on the copy; an
// installation that already has harbo.fdb copies nothing; a missing *.tms does not stop the
// carry-over.
TEST(InstallationRunnerTest, UpdateCarriesTheOldLayoutOverAndRunsTheChain) {
  const struct {
    std::string name;
    bool old_layout, tms_files;
  } cases[] = {
      {"old layout", true, true},
      {"old layout without tms files", true, false},
      {"installed", false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Bench bench(TestName());
    bench.MakeReferenceDatabase();
    bench.PlaceCurrentDatabase(c.old_layout ? kOldDatabase : kInstalled);
    if (c.tms_files) {
      PlaceFile(bench.machine, std::string(kOldFolder) + "\\alarms.tms", "tms");
      PlaceFile(bench.machine, std::string(kOldFolder) + "\\Routes.TMS", "TMS");
    }
    PlaceFile(bench.machine, std::string(kOldFolder) + "\\vce\\fin\\1.wav", "wav");

    bench.Run();
    EXPECT_EQ(bench.view.message, kComplete);
    EXPECT_EQ(bench.view.colour, MessageColour::kNormal);
    EXPECT_EQ(bench.CancelCaption(), "Finish");
    EXPECT_TRUE(bench.view.buttons[Button::kCancel].enabled);
    EXPECT_EQ(bench.view.focus, FocusTarget::kCancel);
    EXPECT_FALSE(bench.view.buttons[Button::kNext].enabled);
    EXPECT_TRUE(bench.view.errors.empty()) << bench.view.errors.front();
    EXPECT_TRUE(bench.log.Contains("database version 7430"));
    EXPECT_TRUE(bench.Said("Updating database file..."));
    EXPECT_TRUE(bench.Said("Installing Pelmar Harbo service files..."));
    EXPECT_EQ(bench.Said("Copying previous TMS and VCE files.."), c.old_layout);
    EXPECT_EQ(bench.Said("Copying database file.."), c.old_layout);

    EXPECT_TRUE(bench.Exists(kInstalled));
    EXPECT_FALSE(bench.Exists("C:\\HarboServer\\harbo.gdb"));
    EXPECT_EQ(bench.Exists(kOldDatabase), c.old_layout) << "the old database stays where it was";
    EXPECT_EQ(bench.Exists("C:\\HarboServer\\vce\\fin\\1.wav"), c.old_layout);
    EXPECT_EQ(bench.Exists("C:\\HarboServer\\alarms.tms"), c.old_layout && c.tms_files);
    EXPECT_EQ(bench.Exists("C:\\HarboServer\\Routes.TMS"), c.old_layout && c.tms_files);
    EXPECT_TRUE(bench.view.replace_questions.empty());
  }
}

// The database copy fails: the run stops with the copy's text and never reaches the chain. A
// stale harbo.gdb from an earlier attempt is not replaced without a yes, and not upgraded.
TEST(InstallationRunnerTest, FailedDatabaseCopyStopsTheRun) {
  const struct {
    std::string name;
    bool stale_copy;
  } cases[] = {{"stale harbo.gdb kept", true}, {"C:\\HarboServer is a file", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Bench bench(TestName());
    PlaceFile(bench.machine, kOldDatabase, "old database");
    if (c.stale_copy) {
      PlaceFile(bench.machine, "C:\\HarboServer\\harbo.gdb", "stale");
    } else {
      PlaceFile(bench.machine, "C:\\HarboServer", "not a folder");
    }
    bench.Run();
    EXPECT_EQ(bench.view.message, kCopyFailed);
    EXPECT_EQ(bench.view.colour, MessageColour::kRed);
    EXPECT_EQ(bench.CancelCaption(), "Close");
    EXPECT_TRUE(bench.view.buttons[Button::kCancel].enabled);
    EXPECT_FALSE(bench.Said("Updating database file..."));
    EXPECT_FALSE(bench.Exists(kInstalled));
    if (c.stale_copy) {
      EXPECT_EQ(bench.view.replace_questions,
                std::vector<fs::path>{bench.machine.HostPath("C:\\HarboServer\\harbo.gdb")});
      EXPECT_EQ(ReadFile(bench.machine.HostPath("C:\\HarboServer\\harbo.gdb")), "stale");
    }
  }
}

// A copied database that cannot be opened for reading and writing is tried for 30 s of the
// clock, then the run stops naming the file (a copy that reported success but left no file).
TEST(InstallationRunnerTest, CopiedDatabaseThatCannotBeOpenedStopsAfter30Seconds) {
  Bench bench(TestName());
  PlaceFile(bench.machine, kOldDatabase);
  bench.programs = &bench.fake_programs;
  bench.Run();
  EXPECT_EQ(bench.view.message,
            "Error in update!\r\rThe copied database file C:\\HarboServer\\harbo.gdb could not be "
            "opened for reading and writing within 30 seconds: No such file or directory.\r\r"
            "Please contact the program supplier.");
  EXPECT_EQ(bench.view.colour, MessageColour::kRed);
  EXPECT_EQ(bench.CancelCaption(), "Close");
  const auto waited = std::accumulate(bench.clock.pauses.begin(), bench.clock.pauses.end(),
                                      std::chrono::milliseconds::zero());
  EXPECT_EQ(waited, std::chrono::seconds(30));
  EXPECT_EQ(bench.fake_programs.copies.back(),
            (std::pair<std::string, std::string>{kOldDatabase, "C:\\HarboServer\\"}));
  EXPECT_FALSE(bench.Said("Updating database file..."));
}

// A current user's hive that cannot be read stops the run before anything is copied.
TEST(InstallationRunnerTest, MalformedHiveChangesNothing) {
  Bench bench(TestName());
  PlaceFile(bench.machine, kOldDatabase, "old database");
  const std::string hive = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software]\njunk\n";
  testing::WriteFile(bench.machine.CurrentUserHive(), hive);
  bench.Run();
  const std::string prefix =
      "Error in update!\r\rThe registry file of the current user could not be read; nothing was "
      "changed.\r";
  EXPECT_EQ(bench.view.message.substr(0, prefix.size()), prefix);
  EXPECT_NE(bench.view.message.find("user.reg"), std::string::npos) << bench.view.message;
  EXPECT_EQ(bench.view.colour, MessageColour::kRed);
  EXPECT_EQ(bench.CancelCaption(), "Close");
  EXPECT_FALSE(bench.Exists("C:\\HarboServer"));
  EXPECT_EQ(ReadFile(bench.machine.CurrentUserHive()), hive);
}

// The chain cannot connect: its error box comes first, then the red text around what it left.
TEST(InstallationRunnerTest, ChainThatCannotConnect) {
  Bench bench(TestName());
  PlaceFile(bench.machine, kInstalled, "not a database");
  bench.Run();
  EXPECT_EQ(bench.view.errors,
            std::vector<std::string>{"Error in connecting to Harbo database in " +
                                     std::string(kInstalled)});
  EXPECT_EQ(bench.view.message,
            "Error in update!\r\rUpdating database file...\r\rPlease contact the program "
            "supplier.");
  EXPECT_EQ(bench.view.colour, MessageColour::kRed);
  EXPECT_EQ(bench.CancelCaption(), "Close");
}

}  // namespace
}  // namespace harbo::wizard

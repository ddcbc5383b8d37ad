// harbo-setup in a terminal and unattended, run as a technician runs it: from the folder of a
// setup package, on a machine root with a real database.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <fstream>

#include "platform/text_encoding.h"
#include "steps/step_table.h"
#include "test_database.h"
#include "wizard_test_support.h"

namespace harbo::wizard {
namespace {

namespace fs = std::filesystem;
using harbo::testing::TestDatabase;
using testing::PlaceFile;
using testing::ReadFile;
using testing::WriteFile;

struct Outcome {
  int status = -1;
  std::string output;
};

bool Has(const std::string& text, const std::string& fragment) {
  return text.find(fragment) != std::string::npos;
}

// A setup package holding a copy of harbo-setup and a reference database, and a machine root
// with Firebird 3.0.
class HarboSetupTest : public ::testing::Test {
 protected:
  HarboSetupTest()
      : name_(::testing::UnitTest::GetInstance()->current_test_info()->name()),
        folder_(testing::FreshFolder(harbo::testing::TestDatabaseFolder() / "wizard_cli" / name_)),
        package_(folder_ / "package"),
        machine_(folder_ / "machine") {
    fs::create_directories(package_);
    fs::copy_file(HARBO_SETUP, package_ / "harbo-setup");
    PlaceFile(machine_, "C:\\Progra~1\\Firebird\\Firebird_3_0\\firebird.exe");
  }

  void MakeReferenceDatabase() {
    TestDatabase("wizard_cli/" + name_ + "/package/upddata/common",
                 "CREATE TABLE PARAM (NAME VARCHAR(60), VAL VARCHAR(250));");
  }

  void InstallCurrentDatabase() {
    TestDatabase db("wizard_cli/" + name_ + "/current", {"schema_3101.sql"},
                    "UPDATE PARAM SET VAL = '7430' WHERE NAME = 'DBVERSION';");
    const fs::path target = machine_.HostPath("C:\\HarboServer\\harbo.fdb");
    fs::create_directories(target.parent_path());
    fs::rename(db.Path(), target);
  }

  // A stand-in client installer of the package that writes its arguments, one a line, to the
  // file it returns.
  fs::path PlaceRecordingClientInstaller() {
    const fs::path record = folder_ / "arguments.txt";
    testing::WriteScript(
        package_ / "clientsetup/clientsetup.exe",
        "for a in \"$@\"; do printf '%s\\n' \"$a\" >> '" + record.string() + "'; done");
    return record;
  }

  // Runs harbo-setup from the package folder with `input` on its standard input.
  Outcome Run(const std::string& arguments, const std::string& input = {}) {
    WriteFile(folder_ / "input.txt", input);
    const std::string command = "cd '" + package_.string() + "' && HARBO_ROOT='" +
                                machine_.Root().string() + "' ./harbo-setup " + arguments + " < '" +
                                (folder_ / "input.txt").string() + "' 2>&1";
    Outcome outcome;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return outcome;
    std::array<char, 4096> buffer;
    while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr)
      outcome.output += buffer.data();
    const int status = pclose(pipe);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
  }

  std::string name_;
  fs::path folder_, package_;
  platform::MachineRoot machine_;
};

TEST_F(HarboSetupTest, UnattendedUpdateEndsWithFinish) {
  MakeReferenceDatabase();
  InstallCurrentDatabase();
  const Outcome out = Run("--unattended C:\\\\HarboServer\\\\harbo.fdb");
  EXPECT_EQ(out.status, 0) << out.output;
  EXPECT_TRUE(Has(out.output,
                  "An older Harbo version was detected on this computer.\nIt will now be updated "
                  "to version 7.4.3.\n> Next >\n"))
      << out.output;
  EXPECT_TRUE(Has(out.output,
                  "Update complete. Click Finish to close the update program.\n"
                  "> Finish\n"))
      << out.output;
}

// Stopping on a red message, or after an error box, ends with status 1.
TEST_F(HarboSetupTest, UnattendedRunThatStopsEndsWith1) {
  const Outcome nothing = Run("--unattended C:\\\\HarboServer\\\\harbo.fdb");
  EXPECT_EQ(nothing.status, 1) << nothing.output;
  EXPECT_TRUE(Has(nothing.output,
                  "An older Harbo version was NOT detected on this computer.\n"
                  "You cannot update. Please reinstall Harbo.\n> Cancel\n"))
      << nothing.output;

  PlaceFile(machine_, "C:\\HarboServer\\harbo.fdb", "not a database");
  const Outcome broken = Run("--unattended C:\\\\HarboServer\\\\harbo.fdb");
  EXPECT_EQ(broken.status, 1) << broken.output;
  EXPECT_TRUE(Has(broken.output,
                  "Error: Error in connecting to Harbo database in C:\\HarboServer\\harbo.fdb\n"))
      << broken.output;
  EXPECT_TRUE(Has(broken.output,
                  "Error in update!\n\nUpdating database file...\n\nPlease contact "
                  "the program supplier.\n> Close\n"))
      << broken.output;
}

// The demonstration installation of the old layout (database and files under the program files
// folder, settings in the registry) updated with one command: carried over to C:\HarboServer
// and upgraded through every step this program has.
TEST_F(HarboSetupTest, UnattendedUpdateOfTheDemonstrationInstallation) {
  TestDatabase("wizard_cli/" + name_ + "/package/upddata/common",
               std::vector<std::string>{"reference/alarm_catalogue.sql", "reference/common.sql"});
  TestDatabase old("wizard_cli/" + name_ + "/old",
                   std::vector<std::string>{"schema_3101.sql", "demo_3101.sql"});
  const fs::path old_database = machine_.HostPath("C:\\Progra~1\\QXR\\Harbo\\harbo.gdb");
  fs::create_directories(old_database.parent_path());
  fs::copy_file(old.Path(), old_database);
  fs::permissions(old_database, fs::perms::owner_read | fs::perms::owner_write |
                                    fs::perms::group_read | fs::perms::group_write |
                                    fs::perms::others_read | fs::perms::others_write);
  PlaceFile(machine_, "C:\\Progra~1\\QXR\\Harbo\\alarms.tms", "tms");
  std::ifstream legacy(harbo::testing::FixtureFolder() / "demo_legacy_settings.reg");
  const std::string legacy_text{std::istreambuf_iterator<char>(legacy), {}};
  WriteFile(machine_.CurrentUserHive(), platform::Cp1252(legacy_text));

  const Outcome out = Run("--unattended C:\\\\HarboServer\\\\harbo.fdb");
  int built = 0;
  while (steps::StepTable()[built].routine != nullptr) ++built;
  const bool complete = built == static_cast<int>(steps::StepTable().size());
  EXPECT_EQ(out.status, complete ? 0 : 1) << out.output;
  EXPECT_TRUE(fs::exists(machine_.HostPath("C:\\HarboServer\\alarms.tms")));
  const TestDatabase upgraded = TestDatabase::At(machine_.HostPath("C:\\HarboServer\\harbo.fdb"));
  EXPECT_EQ(upgraded.Text("SELECT VAL FROM PARAM WHERE NAME = 'DBVERSION'"),
            complete ? "7430" : std::to_string(steps::StepTable()[built].version))
      << out.output;
  EXPECT_TRUE(Has(out.output, complete ? "Update complete." : "Error in update!")) << out.output;
}

// The client setup from the keyboard: Enter presses Next, the address is typed, n runs the
// installer of the package, c closes.
TEST_F(HarboSetupTest, TextClientSetupFromTheKeyboard) {
  const fs::path record = PlaceRecordingClientInstaller();
  const Outcome out = Run("--text", "\n10.0.0.5\nn\nc\n");
  EXPECT_EQ(out.status, 0) << out.output;
  EXPECT_EQ(ReadFile(record), "/VFOOBAR=10.0.0.5\n-SMS\n");
  EXPECT_TRUE(Has(out.output, "IP address or network name of Harbo server: ")) << out.output;
  EXPECT_TRUE(Has(out.output, "Click Finish to close this program.\n[c] Finish\n")) << out.output;
}

// An address given with --address is kept when the question is answered with Enter.
TEST_F(HarboSetupTest, TextClientSetupKeepsTheGivenAddress) {
  const fs::path record = PlaceRecordingClientInstaller();
  const Outcome out = Run("--text --address 10.0.0.5", "\n\nn\nc\n");
  EXPECT_EQ(out.status, 0) << out.output;
  EXPECT_EQ(ReadFile(record), "/VFOOBAR=10.0.0.5\n-SMS\n");
  EXPECT_TRUE(Has(out.output, "IP address or network name of Harbo server: [10.0.0.5] "))
      << out.output;
}

// Replacing Firebird 2.1 needs a backup and a restore by hand: unattended, the wizard stops
// before its instructions instead of pressing on through them.
TEST_F(HarboSetupTest, UnattendedStopsBeforeTheFirebirdChange) {
  fs::remove(machine_.HostPath("C:\\Progra~1\\Firebird\\Firebird_3_0\\firebird.exe"));
  PlaceFile(machine_, "C:\\Progra~1\\Firebird\\Firebird_2_1\\bin\\fbserver.exe");
  PlaceFile(machine_, "C:\\HarboServer\\harbo.fdb");
  const fs::path ran = folder_ / "installer-ran";
  testing::WriteScript(package_ / "Firebird_3_0/Firebird-3.0.3.32900_0_Win32.exe",
                       "touch '" + ran.string() + "'");
  const Outcome out = Run("--unattended C:\\\\HarboServer\\\\harbo.fdb");
  EXPECT_EQ(out.status, 1) << out.output;
  EXPECT_TRUE(Has(out.output, "run harbo-setup in its window or with --text")) << out.output;
  EXPECT_FALSE(fs::exists(ran));
}

TEST_F(HarboSetupTest, Usage) {
  const struct {
    std::string arguments;
    int status;
  } cases[] = {
      {"--help", 0},
      {"--unknown", 2},
      {"a.fdb b.fdb", 2},
      {"--unattended --log", 2},  // an option without its value is never the database
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments);
    const Outcome out = Run(c.arguments);
    EXPECT_EQ(out.status, c.status) << out.output;
    EXPECT_TRUE(Has(out.output, "usage: harbo-setup")) << out.output;
  }
}

}  // namespace
}  // namespace harbo::wizard

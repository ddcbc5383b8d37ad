// Starting and waiting for real programs (small shell scripts), Windows command lines, file
// copies and the program files folder.
#include "wizard/external_programs.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/clock.h"
#include "platform/file_copy.h"
#include "platform/process.h"
#include "wizard/detection.h"
#include "wizard/setup_wizard.h"
#include "wizard_test_support.h"

namespace harbo::wizard {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::RecordingView;
using testing::WriteFile;
using testing::WriteScript;

std::string TestName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

TEST(CommandLineTest, SplitsByTheWindowsRules) {
  using Tokens = std::vector<std::string>;
  const struct {
    std::string line;
    Tokens tokens;
  } cases[] = {
      {"Firebird_3_0\\Firebird-3.0.3.32900_0_Win32.exe /SYSDBANAME=\"SYSDBA\" "
       "/SYSDBAPASSWORD=\"82Tq5n-7!LDx41R\" /silent -SMS",
       {"Firebird_3_0\\Firebird-3.0.3.32900_0_Win32.exe", "/SYSDBANAME=SYSDBA",
        "/SYSDBAPASSWORD=82Tq5n-7!LDx41R", "/silent", "-SMS"}},
      {"clientsetup\\clientsetup.exe /V\"FOOBAR=my server\" -SMS",
       {"clientsetup\\clientsetup.exe", "/VFOOBAR=my server", "-SMS"}},
      // The program name keeps its backslashes, also before a quote, and may be quoted.
      {"\"C:\\Program Files\\x\\\" a", {"C:\\Program Files\\x\\", "a"}},
      {"  \tprog\t a  b ", {"prog", "a", "b"}},
      {"p \"\" x", {"p", "", "x"}},
      {"p a\\\\b a\\\"b a\\\\\"b c\" a\\\\\\\"b", {"p", "a\\\\b", "a\"b", "a\\b c", "a\\\"b"}},
      {"p \"a\"\"b\" \"unclosed  x", {"p", "a\"b", "unclosed  x"}},
      {"p a\\", {"p", "a\\"}},
      {"", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(platform::SplitCommandLine(c.line), c.tokens);
  }
}

TEST(CommandLineTest, ServerAddressStaysOneArgument) {
  const struct {
    std::string address, command_line;
  } cases[] = {
      {"10.0.0.5", "clientsetup\\clientsetup.exe /V\"FOOBAR=10.0.0.5\" -SMS"},
      {"", "clientsetup\\clientsetup.exe /V\"FOOBAR=\" -SMS"},
      {"a\" /X \"b", "clientsetup\\clientsetup.exe /V\"FOOBAR=a\\\" /X \\\"b\" -SMS"},
      {"srv\\", "clientsetup\\clientsetup.exe /V\"FOOBAR=srv\\\\\" -SMS"},
      {"x\\\"y", "clientsetup\\clientsetup.exe /V\"FOOBAR=x\\\\\\\"y\" -SMS"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.address);
    const std::string line = ClientInstallerCommandLine(c.address);
    EXPECT_EQ(line, c.command_line);
    EXPECT_EQ(platform::SplitCommandLine(line),
              (std::vector<std::string>{"clientsetup\\clientsetup.exe", "/VFOOBAR=" + c.address,
                                        "-SMS"}));
  }
}

class RunAndWaitTest : public ::testing::Test {
 protected:
  RunAndWaitTest() : folder_(testing::ScratchFolder(TestName())), machine_(folder_ / "root") {}

  fs::path folder_;
  platform::MachineRoot machine_;
  SystemPrograms programs_{machine_, folder_ / "package"};
  RecordingView view_;
};

TEST_F(RunAndWaitTest, StartedProgramCountsWhateverItsExitCode) {
  WriteScript(folder_ / "package/tools/fails.exe", "exit 3");
  WriteScript(machine_.HostPath("C:\\Tools\\ok.exe"), "exit 0");
  WriteFile(folder_ / "package/tools/not-a-program.exe", "MZ");
  const struct {
    std::string command_line;
    bool result;
  } cases[] = {
      {"tools\\fails.exe /x", true},
      {"C:\\Tools\\ok.exe", true},
      {"tools\\missing.exe /silent", false},
      {"tools\\not-a-program.exe", false},
      {"", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command_line);
    view_.pending_events = 0;
    EXPECT_EQ(programs_.RunAndWait(c.command_line, view_), c.result);
    if (!c.result) {
      EXPECT_EQ(view_.pending_events, 0) << "a program that cannot start is not waited for";
    }
  }
}

// A program of one second is waited for in 200 ms slices; the window's events queued meanwhile
// are handled while it still runs.
TEST_F(RunAndWaitTest, EventsAreHandledBetweenSlices) {
  const fs::path done = folder_ / "done";
  WriteScript(folder_ / "package/slow.exe", "sleep 1\ntouch '" + done.string() + "'");
  std::vector<bool> ended_when_handled;
  for (int i = 0; i < 2; ++i) {
    view_.queued_events.push_back([&] { ended_when_handled.push_back(fs::exists(done)); });
  }
  EXPECT_TRUE(programs_.RunAndWait("slow.exe", view_));
  EXPECT_TRUE(fs::exists(done));
  EXPECT_EQ(ended_when_handled, (std::vector<bool>{false, false}));
  EXPECT_GE(view_.pending_events, 3);
  EXPECT_LE(view_.pending_events, 8);
}

// The client installer of a client setup gets the server address the user typed as one
// argument; the stand-in records its arguments one per line.
TEST_F(RunAndWaitTest, ClientInstallerGetsTheServerAddress) {
  const fs::path record = folder_ / "arguments.txt";
  WriteScript(folder_ / "package/clientsetup/clientsetup.exe",
              "for a in \"$@\"; do printf '%s\\n' \"$a\" >> '" + record.string() + "'; done");
  const struct {
    std::string address, arguments;
  } cases[] = {
      {"10.0.0.5", "/VFOOBAR=10.0.0.5\n-SMS\n"},
      {"my server \"x\"", "/VFOOBAR=my server \"x\"\n-SMS\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.address);
    fs::remove(record);
    RecordingView view;
    platform::SystemClock clock;
    engine::NullUpgradeLog log;
    SetupWizard wizard(view, {machine_, clock, programs_, log, folder_ / "package/harbo-setup"});
    wizard.FormCreate();
    wizard.FormShow(std::nullopt);
    wizard.BitBtn3Click();
    view.address = c.address;
    wizard.BitBtn3Click();
    wizard.Timer1Timer();
    EXPECT_EQ(ReadFile(record), c.arguments);
    EXPECT_EQ(view.buttons[Button::kCancel].caption, "Finish");
  }
}

class CopyFilesTest : public ::testing::Test {
 protected:
  CopyFilesTest() : folder_(testing::ScratchFolder(TestName())) {
    WriteFile(source_ / "a.tms", "a");
    WriteFile(source_ / "B.TMS", "b");
    WriteFile(source_ / "c.txt", "c");
    WriteFile(source_ / "noext", "n");
    WriteFile(source_ / "vce/fin/1.wav", "1");
    WriteFile(source_ / "vce/fin/deep/2.wav", "2");
  }

  // Names below `folder`, sorted, folders with a trailing slash.
  static std::vector<std::string> Listing(const fs::path& folder) {
    std::vector<std::string> names;
    if (!fs::exists(folder)) return names;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
      names.push_back(fs::relative(entry.path(), folder).string() +
                      (entry.is_directory() ? "/" : ""));
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  platform::ReplaceQuestion Answer(bool replace) {
    return [this, replace](const fs::path& existing) {
      questions_.push_back(existing);
      return replace;
    };
  }

  fs::path folder_;
  fs::path source_ = folder_ / "old";
  fs::path target_ = folder_ / "new/server";
  std::vector<fs::path> questions_;
};

TEST_F(CopyFilesTest, PatternsIntoFoldersThatAreMade) {
  using Names = std::vector<std::string>;
  const struct {
    std::string source;
    bool result;
    Names copied;
  } cases[] = {
      {"*.tms", true, {"B.TMS", "a.tms"}},
      {"*.*",
       true,
       {"B.TMS", "a.tms", "c.txt", "noext", "vce/", "vce/fin/", "vce/fin/1.wav", "vce/fin/deep/",
        "vce/fin/deep/2.wav"}},
      {"c.txt", true, {"c.txt"}},
      {"?.txt", true, {"c.txt"}},
      {"*.xyz", false, {}},
      {"missing.gdb", false, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    fs::remove_all(folder_ / "new");
    EXPECT_EQ(platform::CopyFiles(source_ / c.source, target_, Answer(false)), c.result);
    EXPECT_EQ(Listing(target_), c.copied);
    if (c.copied.empty()) {
      EXPECT_FALSE(fs::exists(folder_ / "new")) << "nothing is made";
    }
  }
  EXPECT_TRUE(questions_.empty());
}

TEST_F(CopyFilesTest, CopyKeepsModeAndLeavesNoTemporaryFile) {
  fs::permissions(source_ / "c.txt", fs::perms::owner_read | fs::perms::group_read);
  ASSERT_TRUE(platform::CopyFiles(source_ / "c.txt", target_, Answer(false)));
  EXPECT_EQ(fs::status(target_ / "c.txt").permissions(),
            fs::perms::owner_read | fs::perms::group_read);
  EXPECT_EQ(ReadFile(target_ / "c.txt"), "c");
  EXPECT_EQ(Listing(target_), std::vector<std::string>{"c.txt"});
}

// An existing file is replaced only when the answer is yes; a no keeps it, the other files are
// still copied and the copy reports that not everything was copied.
TEST_F(CopyFilesTest, ExistingFileReplacedOnlyOnYes) {
  for (const bool replace : {false, true}) {
    SCOPED_TRACE(replace ? "yes" : "no");
    fs::remove_all(folder_ / "new");
    questions_.clear();
    WriteFile(target_ / "a.tms", "stale");
    EXPECT_EQ(platform::CopyFiles(source_ / "*.tms", target_, Answer(replace)), replace);
    EXPECT_EQ(questions_, std::vector<fs::path>{target_ / "a.tms"});
    EXPECT_EQ(ReadFile(target_ / "a.tms"), replace ? "a" : "stale");
    EXPECT_EQ(ReadFile(target_ / "B.TMS"), "b");
    EXPECT_EQ(Listing(target_), (std::vector<std::string>{"B.TMS", "a.tms"}));
  }
}

TEST_F(CopyFilesTest, DestinationThatIsAFileFails) {
  WriteFile(folder_ / "new/server", "a file where the folder should be");
  EXPECT_FALSE(platform::CopyFiles(source_ / "*.tms", target_, Answer(true)));
  EXPECT_TRUE(fs::is_regular_file(target_));
}

TEST(WildcardTest, MatchesWithoutLetterCase) {
  const struct {
    std::string pattern, name;
    bool match;
  } cases[] = {
      {"*.tms", "ALARM.TMS", true},
      {"*.tms", "alarm.tmsx", false},
      {"*.*", "noext", true},
      {"*.*", "a.b.c", true},
      {"a?c", "abc", true},
      {"a?c", "ac", false},
      {"*a*b", "xaxxb", true},
      {"*a*b", "xaxxbc", false},
      {"harbo.gdb", "HARBO.GDB", true},
      {"*", "", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pattern + " " + c.name);
    EXPECT_EQ(platform::MatchesWildcard(c.pattern, c.name), c.match);
  }
}

TEST(RenameTest, NeverReplacesAnExistingFile) {
  const fs::path folder = testing::ScratchFolder(TestName());
  WriteFile(folder / "harbo.gdb", "copied");
  WriteFile(folder / "harbo.fdb", "current");
  EXPECT_FALSE(platform::RenameWithoutReplacing(folder / "harbo.gdb", folder / "harbo.fdb"));
  EXPECT_EQ(ReadFile(folder / "harbo.fdb"), "current");
  EXPECT_EQ(ReadFile(folder / "harbo.gdb"), "copied");
  fs::remove(folder / "harbo.fdb");
  EXPECT_TRUE(platform::RenameWithoutReplacing(folder / "harbo.gdb", folder / "harbo.fdb"));
  EXPECT_EQ(ReadFile(folder / "harbo.fdb"), "copied");
  EXPECT_FALSE(fs::exists(folder / "harbo.gdb"));
}

TEST(ProgramFilesFolderTest, FromTheLocalMachineHive) {
  const std::string key = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion]\n";
  const struct {
    std::string name;
    std::optional<std::string> system_reg;
    std::string folder;
  } cases[] = {
      {"no hive", std::nullopt, "C:\\Progra~1"},
      {"value", "REGEDIT4\n\n" + key + "\"ProgramFilesDir\"=\"C:\\\\Program Files\"\n",
       "C:\\Program Files"},
      {"key without the value", "REGEDIT4\n\n" + key + "\"Other\"=\"x\"\n", "C:\\Progra~1"},
      {"value of another type", "REGEDIT4\n\n" + key + "\"ProgramFilesDir\"=dword:00000001\n",
       "C:\\Progra~1"},
      {"malformed hive", "REGEDIT4\n\n" + key + "\"ProgramFilesDir\"=\"unterminated\n",
       "C:\\Progra~1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const platform::MachineRoot machine(testing::ScratchFolder(TestName()));
    if (c.system_reg) WriteFile(machine.LocalMachineHive(), *c.system_reg);
    EXPECT_EQ(ProgramFilesFolder(machine), c.folder);
  }
}

}  // namespace
}  // namespace harbo::wizard

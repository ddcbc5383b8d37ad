// harbo-upgrade as a technician runs it, on databases made from the base schema.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "platform/registry_hive.h"
#include "platform/text_encoding.h"
#include "steps/step_table.h"
#include "test_database.h"

namespace harbo {
namespace {

using testing::TestDatabase;

struct Outcome {
  int status = -1;
  std::string output;  // standard output and error together
};

Outcome RunUpgrade(const std::string& arguments, const std::string& machine_root = "/nonexistent") {
  const std::string command =
      "HARBO_ROOT=" + machine_root + " " + std::string(HARBO_UPGRADE) + " " + arguments + " 2>&1";
  Outcome outcome;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return outcome;
  std::array<char, 4096> buffer;
  while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) outcome.output += buffer.data();
  const int status = pclose(pipe);
  outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return outcome;
}

bool Has(const std::string& text, const std::string& fragment) {
  return text.find(fragment) != std::string::npos;
}

TestDatabase At(std::string_view name, std::string_view version) {
  return TestDatabase(
      name, std::vector<std::string>{"schema_3101.sql"},
      "UPDATE PARAM SET VAL = '" + std::string(version) + "' WHERE NAME = 'DBVERSION';");
}

TEST(HarboUpgradeTest, InfoListsTheStepsInTableOrderAndChangesNothing) {
  TestDatabase db("cli_info", std::vector<std::string>{"schema_3101.sql", "demo_3101.sql"});
  const auto before = db.Rows("SELECT NAME, VAL FROM PARAM ORDER BY NAME");
  const Outcome out = RunUpgrade("--info " + db.Path().string());
  EXPECT_EQ(out.status, 0) << out.output;
  EXPECT_TRUE(Has(out.output, "database version: 3101\n")) << out.output;
  EXPECT_TRUE(Has(out.output, "steps to run: 50\n"));
  std::size_t at = 0;
  for (const auto& step : steps::StepTable()) {
    const std::string line =
        "step " + std::to_string(step.version) + " -> " + std::to_string(step.successor);
    const std::size_t found = out.output.find(line, at);
    ASSERT_NE(found, std::string::npos) << line << " missing or out of order";
    at = found;
  }
  EXPECT_EQ(db.Rows("SELECT NAME, VAL FROM PARAM ORDER BY NAME"), before);
}

TEST(HarboUpgradeTest, CurrentDatabaseRunsNoStep) {
  TestDatabase db = At("cli_7430", "7430");
  const auto before = db.Rows("SELECT NAME, VAL FROM PARAM ORDER BY NAME");
  // A path relative to the technician's folder, which the server must not resolve against its own.
  const Outcome out = RunUpgrade(std::filesystem::relative(db.Path()).string());
  EXPECT_EQ(out.status, 0) << out.output;
  EXPECT_FALSE(Has(out.output, "step ")) << out.output;
  EXPECT_TRUE(Has(out.output, "The database is at version 7430."));
  EXPECT_EQ(db.Rows("SELECT NAME, VAL FROM PARAM ORDER BY NAME"), before);
}

TEST(HarboUpgradeTest, RefusedDatabases) {
  TestDatabase too_old = At("cli_3100", "3100");
  TestDatabase not_a_number = At("cli_abc", "abc");
  TestDatabase no_param("cli_no_param", "CREATE TABLE OBJECT (OBJECTID INTEGER);");
  const std::string missing = (testing::TestDatabaseFolder() / "cli_missing.fdb").string();
  const struct {
    std::string path, message;
  } cases[] = {
      {too_old.Path().string(), "Unable to update database. Previous version is too old: 3100\n"},
      {not_a_number.Path().string(),
       "Error in connecting to Harbo database in " + not_a_number.Path().string() + "\n"},
      {no_param.Path().string(),
       "Error in connecting to Harbo database in " + no_param.Path().string() + "\n"},
      {missing, "Error in connecting to Harbo database in " + missing + "\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    const Outcome out = RunUpgrade(c.path);
    EXPECT_EQ(out.status, 1);
    EXPECT_TRUE(Has(out.output, c.message)) << out.output;
  }
  EXPECT_EQ(too_old.Text("SELECT VAL FROM PARAM WHERE NAME = 'DBVERSION'"), "3100");
  EXPECT_EQ(not_a_number.Text("SELECT VAL FROM PARAM WHERE NAME = 'DBVERSION'"), "abc");
}

TEST(HarboUpgradeTest, MissingReferenceDatabase) {
  TestDatabase db = At("cli_no_reference", "3101");
  const std::string setup = (testing::TestDatabaseFolder() / "empty_package").string();
  std::filesystem::create_directories(setup);
  const Outcome out = RunUpgrade("--setup-dir " + setup + " " + db.Path().string());
  EXPECT_EQ(out.status, 1);
  EXPECT_TRUE(Has(out.output, "Error in connecting to Harbo update database in " + setup +
                                  "/upddata/common.fdb.\nTry placing the installation/update "
                                  "package in a simple folder name such as C:\\HarboUpdate\n"))
      << out.output;
  EXPECT_EQ(db.Text("SELECT VAL FROM PARAM WHERE NAME = 'DBVERSION'"), "3101");
}

TEST(HarboUpgradeTest, LogRecordsTheStatementsOfTheRun) {
  TestDatabase db = At("cli_log", "7430");
  const auto log = testing::TestDatabaseFolder() / "cli_log.txt";
  std::filesystem::remove(log);
  const Outcome out = RunUpgrade("--log " + log.string() + " " + db.Path().string());
  EXPECT_EQ(out.status, 0) << out.output;
  std::ifstream in(log);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_TRUE(Has(text.str(), "ok      select * from param")) << text.str();
  EXPECT_TRUE(Has(text.str(), "ok      SELECT * FROM PARAM WHERE NAME = \"DBVERSION\""));
  EXPECT_TRUE(Has(text.str(), "database version 7430"));
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The demonstration installation: a database at 3101 and the old server's settings in the
// registry. The chain runs every step built so far; the registry and PARAM show what the steps
// carried over.
TEST(HarboUpgradeTest, OldInstallationWithRegistrySettingsIsUpgraded) {
  TestDatabase db("cli_legacy", std::vector<std::string>{"schema_3101.sql", "demo_3101.sql"});
  const auto machine = testing::TestDatabaseFolder() / "cli_legacy.root";
  std::filesystem::remove_all(machine);
  std::filesystem::create_directories(machine);
  const std::string original =
      platform::Cp1252(ReadFile(testing::FixtureFolder() / "demo_legacy_settings.reg"));
  std::ofstream(machine / "user.reg", std::ios::binary) << original;

  const Outcome out = RunUpgrade(db.Path().string(), machine.string());
  int built = 0;
  for (const auto& step : steps::StepTable()) {
    if (step.routine == nullptr) break;
    ++built;
    EXPECT_TRUE(Has(out.output, "step " + std::to_string(step.version) + " (" +
                                    std::to_string(built) + "/50) ... done"))
        << step.version << "\n"
        << out.output;
  }
  const int reached = steps::StepTable()[built].version;
  EXPECT_EQ(db.Text("SELECT VAL FROM PARAM WHERE NAME = 'DBVERSION'"), std::to_string(reached));
  EXPECT_EQ(out.status, reached == 7430 ? 0 : 1) << out.output;

  // Step 3501 added the Email and SMS systems to the key; the import carried the key into PARAM.
  const auto hive = platform::RegistryHive::CurrentUser(platform::MachineRoot(machine));
  const auto systems = hive.OpenKey("SOFTWARE\\QXR\\QXRHarbo\\1.0\\Transfer\\Systems\\Syst3");
  ASSERT_TRUE(systems.has_value());
  EXPECT_TRUE(hive.ReadString(*systems, "Name").has_value());
  EXPECT_NE(ReadFile(machine / "user.reg"), original);
  if (reached > 5500) {
    EXPECT_EQ(db.Text("SELECT VAL FROM PARAM WHERE NAME = 'TRASYSTEM01NAME'"),
              platform::Cp1252("Hälytyskeskus Koivu"));
    EXPECT_EQ(db.Text("SELECT VAL FROM PARAM WHERE NAME = 'TRASYSTEM02NAME'"),
              platform::Cp1252("Yöhoitaja \"puhelin\""));
    EXPECT_EQ(db.Text("SELECT VAL FROM PARAM WHERE NAME = 'ALARMSNURSEACKON'"), "1");
  }
}

// A registry file that cannot be read stops the run before the database is touched.
TEST(HarboUpgradeTest, MalformedRegistryStopsBeforeAnyChange) {
  TestDatabase db = At("cli_bad_registry", "3101");
  const auto machine = testing::TestDatabaseFolder() / "cli_bad_registry.root";
  std::filesystem::create_directories(machine);
  const std::string broken = "REGEDIT4\n\n[HKEY_CURRENT_USER\\SOFTWARE]\n\"Name\"=\"open\n";
  std::ofstream(machine / "user.reg", std::ios::binary) << broken;
  const Outcome out = RunUpgrade(db.Path().string(), machine.string());
  EXPECT_EQ(out.status, 1);
  EXPECT_TRUE(Has(out.output, "user.reg line 4")) << out.output;
  EXPECT_EQ(db.Text("SELECT VAL FROM PARAM WHERE NAME = 'DBVERSION'"), "3101");
  EXPECT_EQ(db.Integer("SELECT COUNT(*) FROM RDB$INDICES WHERE RDB$INDEX_NAME = 'IDX_EVENT_1'"), 0);
  EXPECT_EQ(ReadFile(machine / "user.reg"), broken);
}

TEST(HarboUpgradeTest, BadUsage) {
  for (const char* arguments : {"", "--info", "--bogus db.fdb", "a.fdb b.fdb", "--log"}) {
    SCOPED_TRACE(arguments);
    const Outcome out = RunUpgrade(arguments);
    EXPECT_EQ(out.status, 2);
    EXPECT_TRUE(Has(out.output, "usage: harbo-upgrade"));
  }
}

}  // namespace
}  // namespace harbo

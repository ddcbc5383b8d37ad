// Step 3501 on databases made from the base schema of version 3101, with HKEY_CURRENT_USER
// holding a legacy settings key written as regedit exports it.
#include "steps/step_3501.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "legacy/settings_records.h"
#include "platform/registry_hive.h"
#include "platform/text_encoding.h"
#include "steps/step_3501_routes.h"
#include "test_database.h"

namespace harbo::steps {
namespace {

using harbo::testing::EngineHarness;
using harbo::testing::TestDatabase;
using legacy::kLegacySettingsKey;
using platform::Cp1252;
using platform::RegistryHive;

// A REGEDIT4 file (Windows-1252) from UTF-8 text in which "[K" opens a key below the legacy
// settings key: "[K\Transfer]" is [HKEY_CURRENT_USER\SOFTWARE\QXR\QXRHarbo\1.0\Transfer].
std::string LegacyKeyFile(std::string_view body) {
  std::string text = "REGEDIT4\n\n" + std::string(body);
  const std::string root = "[HKEY_CURRENT_USER\\" + std::string(kLegacySettingsKey);
  for (std::size_t at = 0; (at = text.find("[K", at)) != std::string::npos; at += root.size()) {
    text.replace(at, 2, root);
  }
  return Cp1252(text);
}

std::string FileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// What a run of the step can change in the database: the user tables' columns and their types,
// and every row of the tables the step writes (ROUTE and ROUTERULES once they exist).
using Rows = std::vector<std::vector<engine::FieldValue>>;
std::vector<std::pair<std::string, Rows>> DatabaseContents(const TestDatabase& file) {
  std::vector<std::string> queries = {
      "SELECT TRIM(RF.RDB$RELATION_NAME), TRIM(RF.RDB$FIELD_NAME), F.RDB$FIELD_TYPE, "
      "F.RDB$FIELD_LENGTH FROM RDB$RELATION_FIELDS RF JOIN RDB$FIELDS F ON F.RDB$FIELD_NAME = "
      "RF.RDB$FIELD_SOURCE JOIN RDB$RELATIONS R ON R.RDB$RELATION_NAME = RF.RDB$RELATION_NAME "
      "WHERE R.RDB$SYSTEM_FLAG = 0 ORDER BY 1, 2",
      "SELECT * FROM OBJECT ORDER BY OBJECTN",
      "SELECT * FROM PARAM ORDER BY NAME",
      "SELECT * FROM COUNTER ORDER BY NAME",
  };
  if (file.Integer("SELECT COUNT(*) FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = 'ROUTE'") > 0) {
    queries.push_back("SELECT * FROM ROUTE ORDER BY TABLEN");
    queries.push_back("SELECT * FROM ROUTERULES ORDER BY ROUTEN, SUBPOS");
  }
  std::vector<std::pair<std::string, Rows>> contents;
  for (const std::string& sql : queries) contents.emplace_back(sql, file.Rows(sql));
  return contents;
}

void ExpectSameContents(const std::vector<std::pair<std::string, Rows>>& actual,
                        const std::vector<std::pair<std::string, Rows>>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < actual.size(); ++i) {
    SCOPED_TRACE(expected[i].first);
    EXPECT_EQ(actual[i].first, expected[i].first);
    EXPECT_EQ(actual[i].second, expected[i].second);
  }
}

// A value of the legacy key below `path` (relative to it) in a hive.
std::optional<std::uint32_t> Dword(const RegistryHive& hive, std::string_view path,
                                   std::string_view name) {
  const auto key = hive.OpenKey(std::string(kLegacySettingsKey) + "\\" + std::string(path));
  return key ? hive.ReadDword(*key, name) : std::nullopt;
}
std::optional<std::string> String(const RegistryHive& hive, std::string_view path,
                                  std::string_view name) {
  const auto key = hive.OpenKey(std::string(kLegacySettingsKey) + "\\" + std::string(path));
  return key ? hive.ReadString(*key, name) : std::nullopt;
}

// A column value, nothing for null.
std::optional<long long> Integer(const engine::FieldValue& value) {
  if (engine::IsNull(value)) return std::nullopt;
  return engine::ValueAsInteger(value);
}
std::optional<std::string> Text(const engine::FieldValue& value) {
  if (engine::IsNull(value)) return std::nullopt;
  return engine::ValueAsText(value);
}

// One ROUTERULES row, as the step fills it.
struct Rule {
  long long days = 0, start = 0, end = 0, system = 0;
  std::string recipients;
  long long repetitions = 0;
  bool operator==(const Rule&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Rule& r) {
  return out << "{days " << r.days << ", " << r.start << "-" << r.end << ", system " << r.system
             << ", \"" << r.recipients << "\", repetitions " << r.repetitions << "}";
}

// One run of the step: the database, HKEY_CURRENT_USER read from `registry`, and the harness.
struct StepRun {
  StepRun(std::string_view name, std::string_view data, std::string_view registry)
      : file(name, std::vector<std::string>{"schema_3101.sql"}, data), harness(file) {
    // The harness starts from an empty machine root of its own: the hive file goes in now.
    std::ofstream(harness.machine.CurrentUserHive(), std::ios::binary) << LegacyKeyFile(registry);
    harness.current_user = RegistryHive::CurrentUser(harness.machine);
    EXPECT_TRUE(harness.db.OpenMainDatabase());
  }

  bool Run() {
    auto context = harness.Context();
    return Step3501(context);
  }
  // HKEY_CURRENT_USER as the next program run reads it: from the file.
  RegistryHive Saved() const { return RegistryHive::CurrentUser(harness.machine); }
  std::string RouteName(int route) const {
    return file.Text("SELECT ROUTENAME FROM ROUTE WHERE TABLEN = " + std::to_string(route));
  }
  // The rules of a route in SUBPOS order; each must be active.
  std::vector<Rule> Rules(int route) const {
    std::vector<Rule> rules;
    for (const auto& row :
         file.Rows("SELECT SUBPOS, ISACTIVE, DAYS, STARTTIME, ENDTIME, FWDSYSTEM, RECIPIENTS, "
                   "REPETITIONS FROM ROUTERULES WHERE ROUTEN = " +
                   std::to_string(route) + " ORDER BY SUBPOS")) {
      EXPECT_EQ(engine::ValueAsInteger(row[0]), static_cast<long long>(rules.size() + 1));
      EXPECT_EQ(engine::ValueAsInteger(row[1]), 1) << "rule " << rules.size() + 1;
      rules.push_back({engine::ValueAsInteger(row[2]), engine::ValueAsInteger(row[3]),
                       engine::ValueAsInteger(row[4]), engine::ValueAsInteger(row[5]),
                       engine::ValueAsText(row[6]), engine::ValueAsInteger(row[7])});
    }
    return rules;
  }
  // The 15 rules of a route whose only set condition is number 1.
  static std::vector<Rule> OneCondition(Rule first) {
    std::vector<Rule> rules(15);
    rules[0] = std::move(first);
    return rules;
  }

  TestDatabase file;
  EngineHarness harness;
};

// ---------------------------------------------------------------------------------------------
// An installation with three transfer systems, a timetable, system alarms forwarded on their own
// and objects of every kind of forwarding: the step runs once and each test looks at one part.

constexpr char kInstallationKey[] = R"(
[K]
"TelnetAddress"="10.0.0.5"

[K\Transfer]
"State"=dword:00000001
; cut to its low byte: system 2
"ActType"=dword:00000102
"ActSAType"=dword:00000003
"SystAlarms"=dword:00000004

; 1: 8:00-10:00 (minutes), days 2; 2: ExcNewStart2 5400 s replaces ExcStart2, days 0;
; 5: ExcNewEnd5 100 s replaces ExcEnd5, days 7; 6: read, taken by no condition
[K\Transfer\TimeTable]
"ExcStart1"=dword:000001e0
"ExcEnd1"=dword:00000258
"ExcDays1"=dword:00000002
"ExcSystem1"=dword:00000001
"ExcStart2"=dword:0000003c
"ExcNewStart2"=dword:00001518
"ExcEnd2"=dword:00000078
"ExcDays2"=dword:00000000
"ExcSystem2"=dword:00000003
"ExcStart5"=dword:00000001
"ExcEnd5"=dword:00000002
"ExcNewEnd5"=dword:00000064
"ExcDays5"=dword:00000007
"ExcSystem5"=dword:00000002
"ExcStart6"=dword:00000005
"ExcDays6"=dword:00000001
"ExcSystem6"=dword:00000001

[K\Transfer\Systems\Syst1]
"Name"="Hälytyskeskus"
"SerPort"=dword:00000065

[K\Transfer\Systems\Syst2]
"Name"="Pager \"B\""
"SerPort"=dword:00000001
"ServerAddress"="keep.me"

[K\Transfer\Systems\Syst3]
"Name"="Telnet"
"SerPort"=dword:00000065
)";

constexpr char kInstallationData[] = R"(
INSERT INTO OBJECT (OBJECTN, FWDPOS, FWDNBR, FWDSYSTEM) VALUES (1, 10, 'Num9', 2);
INSERT INTO OBJECT (OBJECTN, FWDPOS, FWDNBR, FWDSYSTEM) VALUES (2, 11, 'x', 1);
INSERT INTO OBJECT (OBJECTN, FWDPOS, FWDNBR, FWDSYSTEM) VALUES (3, 12, 'x', 2);
INSERT INTO OBJECT (OBJECTN, FWDPOS, FWDNBR, FWDSYSTEM) VALUES (4, 13, 'x', 0);
INSERT INTO OBJECT (OBJECTN, FWDPOS, FWDNBR, FWDSYSTEM) VALUES (5, 14, 'x', NULL);
INSERT INTO OBJECT (OBJECTN, FWDPOS, FWDNBR, FWDSYSTEM) VALUES (6, 15, 'x', -1);
INSERT INTO OBJECT (OBJECTN, FWDPOS, FWDNBR, FWDSYSTEM) VALUES (7, 16, 'own', 3);
INSERT INTO OBJECT (OBJECTN, FWDPOS, FWDNBR, FWDSYSTEM) VALUES (8, NULL, NULL, 2);
INSERT INTO PARAM (NAME, VAL) VALUES ('ADPUserDefManualFilter1', '1');
INSERT INTO PARAM (NAME, VAL) VALUES ('ADPActManualFilter1', ' 2');
INSERT INTO PARAM (NAME, VAL) VALUES ('ADPUserDefManualFilter2', '4');
INSERT INTO PARAM (NAME, VAL) VALUES ('ADPActManualFilter2', '3');
INSERT INTO PARAM (NAME, VAL) VALUES ('ADPActManualFilter3', '45');
)";

class Step3501InstallationTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    run_ = std::make_unique<StepRun>("step3501_installation", kInstallationData, kInstallationKey);
    result_ = run_->Run();
  }
  static void TearDownTestSuite() { run_.reset(); }

  // After a failed run and the run that repeats the step, the database and the hive file must be
  // exactly as the one clean run above left them.
  static void ExpectResultOfTheCleanRun(const StepRun& run) {
    ExpectSameContents(DatabaseContents(run.file), DatabaseContents(run_->file));
    EXPECT_TRUE(FileBytes(run.harness.machine.CurrentUserHive()) ==
                FileBytes(run_->harness.machine.CurrentUserHive()))
        << "the hive file differs from that of the clean run";
  }

  static std::unique_ptr<StepRun> run_;
  static bool result_;
};
std::unique_ptr<StepRun> Step3501InstallationTest::run_;
bool Step3501InstallationTest::result_ = false;

TEST_F(Step3501InstallationTest, SucceedsAndLogsItsStatements) {
  EXPECT_TRUE(result_);
  const auto& log = run_->harness.log;
  for (const char* statement : {
           "ok      ALTER TABLE OBJECT ADD MANUALBLOCKTIME INTEGER DEFAULT 30 NOT NULL;",
           "ok      ALTER TABLE ALARMTYPE ADD FWDSYSTEM INTEGER DEFAULT 0 NOT NULL;",
           "ok      ALTER TABLE object ALTER fwdnbr TYPE VARCHAR(255);",
           "ok      ALTER TABLE location ALTER multin TYPE integer;",
           "ok      ALTER TABLE Event ADD Extra_Param INTEGER;",
           "ok      ALTER TABLE Object ADD SleepLimit INTEGER DEFAULT 5 NOT NULL;",
           "ok      CREATE TABLE ROUTERULES(ROUTEN INTEGER NOT NULL,SUBPOS INTEGER NOT NULL,",
           "ok      CREATE TABLE ROUTE(TABLEN INTEGER NOT NULL,ROUTENAME VARCHAR(255),",
           "ok      INSERT INTO Route (TableN, RouteName, IsActive, AllTypes) VALUES (1, "
           "\"Main\", 1, 0)",
           "ok      INSERT INTO Route (TableN, RouteName, IsActive, AllTypes) VALUES (3, "
           "\"CAL Pager \"\"B\"\"\", 1, 1)",
           "ok      INSERT INTO RouteRules (RouteN, SubPos, IsActive, Days, StartTime, EndTime, "
           "FwdSystem, Recipients, Repetitions) VALUES (1, 1, 0, 0, 0, 0, 0, \"\", 10)",
           "ok      insert into param (name, val) values (\"ADPActManualFilterSec2\", 120);",
       }) {
    EXPECT_TRUE(log.Contains(statement)) << statement;
  }
  EXPECT_FALSE(log.Contains("FAILED"));
  EXPECT_EQ(run_->file.Integer("SELECT COUNT(*) FROM OBJECT WHERE MANUALBLOCKTIME = 30 AND "
                               "SLEEPLIMIT = 5"),
            8);
}

// Route numbers come from COUNTER "ROUTE" (made with the first): "Main", "System alarms", then
// one "CAL" route per transfer system in the order objects first name them.
TEST_F(Step3501InstallationTest, NumbersAndNamesTheRoutes) {
  const auto rows = run_->file.Rows(
      "SELECT TABLEN, ROUTENAME, ISACTIVE, ALLTYPES FROM ROUTE "
      "ORDER BY TABLEN");
  const struct {
    int number;
    std::string name;
    int all_types;
  } kExpected[] = {{1, "Main", 0},
                   {2, "System alarms", 0},
                   {3, "CAL Pager \"B\"", 1},
                   {4, Cp1252("CAL Hälytyskeskus"), 1},
                   {5, "CAL Telnet", 1}};
  ASSERT_EQ(rows.size(), std::size(kExpected));
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(kExpected[i].number);
    EXPECT_EQ(engine::ValueAsInteger(rows[i][0]), kExpected[i].number);
    EXPECT_EQ(engine::ValueAsText(rows[i][1]), kExpected[i].name);
    EXPECT_EQ(engine::ValueAsInteger(rows[i][2]), 1);
    EXPECT_EQ(engine::ValueAsInteger(rows[i][3]), kExpected[i].all_types);
  }
  EXPECT_EQ(run_->file.Integer("SELECT VAL FROM COUNTER WHERE NAME = 'ROUTE'"), 5);
  EXPECT_EQ(run_->file.Integer("SELECT COUNT(*) FROM ROUTERULES"), 5 * 15);
}

TEST_F(Step3501InstallationTest, RulesCarryTheConditions) {
  // "Main": the daily forwarding (ActType cut to its low byte) and exceptions 1 to 5 in 10-14;
  // ExcNewStart replaces ExcStart unchanged, ExcStart/ExcEnd alone are minutes, ExcDays above 0
  // moves up by 3; the sixth exception is read but no condition takes it.
  std::vector<Rule> main = StepRun::OneCondition({1, 0, 0, 2, "", 0});
  main[9] = {5, 480 * 60, 600 * 60, 1, "", 0};
  main[10] = {0, 5400, 120 * 60, 3, "", 0};
  main[13] = {10, 60, 100, 2, "", 0};
  EXPECT_EQ(run_->Rules(1), main);
  EXPECT_EQ(run_->Rules(2), StepRun::OneCondition({1, 0, 0, 3, "Num4", 0}));
  EXPECT_EQ(run_->Rules(3), StepRun::OneCondition({1, 0, 0, 2, "", 0}));
  EXPECT_EQ(run_->Rules(4), StepRun::OneCondition({1, 0, 0, 1, "", 0}));
  EXPECT_EQ(run_->Rules(5), StepRun::OneCondition({1, 0, 0, 3, "", 0}));
}

TEST_F(Step3501InstallationTest, ObjectsGetRecipientListsAndRoutes) {
  const struct {
    std::optional<long long> fwd_pos;
    std::optional<std::string> fwd_nbr;
    std::optional<long long> fwd_system;
  } kExpected[] = {
      {10, "Num9", 3},                             // position 10 left alone
      {255, "Num1, Num2, Num3", 4},                //
      {255, "Num2, Num3, Num4", 3},                // shares the route of system 2
      {255, "Num3, Num4, Num5", 0},                // no system, no route
      {255, "Num1, Num2, Num3, Num4, Num5", {}},   //
      {255, "Num6, Num7, Num8, Num9, Num10", -1},  //
      {255, "own", 5},                             // position 16: recipients unchanged
      {{}, {}, 3},                                 //
  };
  const auto rows =
      run_->file.Rows("SELECT FWDPOS, FWDNBR, FWDSYSTEM FROM OBJECT ORDER BY OBJECTN");
  ASSERT_EQ(rows.size(), std::size(kExpected));
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE("object " + std::to_string(i + 1));
    EXPECT_EQ(Integer(rows[i][0]), kExpected[i].fwd_pos);
    EXPECT_EQ(Text(rows[i][1]), kExpected[i].fwd_nbr);
    EXPECT_EQ(Integer(rows[i][2]), kExpected[i].fwd_system);
  }
}

TEST_F(Step3501InstallationTest, WritesTheLegacyKeyBack) {
  const RegistryHive saved = run_->Saved();
  EXPECT_FALSE(run_->harness.current_user.HasUnsavedChanges());

  EXPECT_EQ(Dword(saved, "Transfer", "SATiming"), 1u);
  EXPECT_EQ(Dword(saved, "Transfer", "SystAlarms"), 4u);
  EXPECT_EQ(Dword(saved, "Transfer", "Calendar"), 1u);
  EXPECT_EQ(Dword(saved, "Transfer", "SACalendar"), 2u);
  EXPECT_EQ(Dword(saved, "Transfer", "State"), 1u);  // untouched values stay

  const struct {
    const char* code;
    const char* name;
    const char* tms_file;
    std::uint32_t call_type;
  } kProtocols[] = {{"EMAIL", "Email", "email", 4}, {"SMS", "SMS", "sms", 1}};
  for (const auto& p : kProtocols) {
    SCOPED_TRACE(p.code);
    const std::string key = std::string("Transfer\\Protocols\\") + p.code;
    EXPECT_EQ(String(saved, key, "Code"), p.code);
    EXPECT_EQ(String(saved, key, "Name"), p.name);
    EXPECT_EQ(Dword(saved, key, "HasCenter"), 0u);
    EXPECT_EQ(String(saved, key, "TMSFileName"), p.tms_file);
    EXPECT_EQ(Dword(saved, key, "CallType"), p.call_type);
  }

  const struct {
    const char* key;
    const char* name;
    std::uint32_t success_ack;
  } kNewSystems[] = {{"Transfer\\Systems\\Syst4", "Email", 0},
                     {"Transfer\\Systems\\Syst5", "SMS", 1}};
  for (const auto& s : kNewSystems) {
    SCOPED_TRACE(s.key);
    EXPECT_EQ(String(saved, s.key, "Name"), s.name);
    EXPECT_EQ(String(saved, s.key, "Protocol"), std::string(s.name) == "SMS" ? "SMS" : "EMAIL");
    EXPECT_EQ(Dword(saved, s.key, "SerPort"), 0u);
    EXPECT_EQ(Dword(saved, s.key, "AckDoubles"), 1u);
    EXPECT_EQ(Dword(saved, s.key, "SuccessClose"), 0u);
    EXPECT_EQ(Dword(saved, s.key, "SuccessAck"), s.success_ack);
    EXPECT_EQ(Dword(saved, s.key, "Reminder"), 0u);
    EXPECT_EQ(Dword(saved, s.key, "RemindTimes"), 3u);
    EXPECT_EQ(Dword(saved, s.key, "RemindInterval"), 10u);
    EXPECT_EQ(Dword(saved, s.key, "AttemptInterval"), 20u);
    EXPECT_EQ(String(saved, s.key, "ServerAddress"), "");
    EXPECT_EQ(String(saved, s.key, "Num5"), "");
    EXPECT_EQ(String(saved, s.key, "Num6"), "");
  }
  EXPECT_FALSE(saved.KeyExists(std::string(kLegacySettingsKey) + "\\Transfer\\Systems\\Syst6"));

  // Systems on port 101 get the telnet address; the others keep theirs.
  EXPECT_EQ(String(saved, "Transfer\\Systems\\Syst1", "ServerAddress"), "10.0.0.5");
  EXPECT_EQ(String(saved, "Transfer\\Systems\\Syst2", "ServerAddress"), "keep.me");
  EXPECT_EQ(String(saved, "Transfer\\Systems\\Syst3", "ServerAddress"), "10.0.0.5");
}

TEST_F(Step3501InstallationTest, AddsManualFilterTimesInSeconds) {
  const struct {
    const char* name;
    const char* seconds;  // "" = no row
  } kExpected[] = {
      {"ADPUserDefManualFilterSec1", "30"},  {"ADPActManualFilterSec1", "60"},
      {"ADPUserDefManualFilterSec2", "300"}, {"ADPActManualFilterSec2", "120"},
      {"ADPUserDefManualFilterSec3", ""},    {"ADPActManualFilterSec3", "45"},
  };
  for (const auto& e : kExpected) {
    SCOPED_TRACE(e.name);
    EXPECT_EQ(run_->file.Text(std::string("SELECT VAL FROM PARAM WHERE NAME = '") + e.name + "'"),
              e.seconds);
  }
  EXPECT_EQ(run_->file.Text("SELECT VAL FROM PARAM WHERE NAME = 'ADPActManualFilter2'"), "3");
}

// A manual filter code that is not a number is found before the step changes anything: no
// schema change, no row, no registry value. Once the code is mended, the step runs as if the
// failed run had never been.
TEST_F(Step3501InstallationTest, ManualFilterCodeThatIsNoNumberFailsTheStepBeforeAnyChange) {
  ASSERT_TRUE(result_);
  StepRun run("step3501_filter", kInstallationData, kInstallationKey);
  run.file.Run("UPDATE PARAM SET VAL = 'abc' WHERE NAME = 'ADPActManualFilter2';");
  const auto before = DatabaseContents(run.file);
  const std::string hive_before = FileBytes(run.harness.machine.CurrentUserHive());

  EXPECT_FALSE(run.Run());
  EXPECT_TRUE(run.harness.log.Contains(
      "step 3501 stopped, nothing was changed: manual filter codes not converted: "
      "ADPActManualFilter2: 'abc' is not a valid integer value"));
  EXPECT_TRUE(run.harness.log.Contains("manual filter codes not converted: ADPActManualFilter2"));
  ExpectSameContents(DatabaseContents(run.file), before);
  EXPECT_EQ(run.file.Integer("SELECT COUNT(*) FROM PARAM WHERE NAME LIKE '%Sec_'"), 0);
  EXPECT_TRUE(FileBytes(run.harness.machine.CurrentUserHive()) == hive_before)
      << "the hive file changed";
  EXPECT_FALSE(run.harness.current_user.HasUnsavedChanges());

  run.file.Run("UPDATE PARAM SET VAL = '3' WHERE NAME = 'ADPActManualFilter2';");
  EXPECT_TRUE(run.Run());
  EXPECT_EQ(run.file.Text("SELECT VAL FROM PARAM WHERE NAME = 'ADPActManualFilterSec2'"), "120");
  ExpectResultOfTheCleanRun(run);
}

// A database error part-way: the objects' transaction fails (here on a check that refuses route
// 5, the route "CAL Telnet" of object 7) after the routes, the manual filter seconds and the legacy
// key were written. No object is converted; the next program run keeps the e-mail and SMS systems
// and the routes of the first, and converts every object once.
TEST_F(Step3501InstallationTest, RunAgainAfterADatabaseErrorPartWayGivesTheResultOfOneRun) {
  ASSERT_TRUE(result_);
  StepRun run("step3501_part_way", kInstallationData, kInstallationKey);
  run.file.Run(
      "ALTER TABLE OBJECT ADD CONSTRAINT NO_ROUTE_5 CHECK (FWDSYSTEM IS NULL OR FWDSYSTEM <> 5);");
  const std::string objects = "SELECT OBJECTN, FWDPOS, FWDNBR, FWDSYSTEM FROM OBJECT ORDER BY 1";
  const Rows objects_before = run.file.Rows(objects);

  EXPECT_FALSE(run.Run());
  EXPECT_TRUE(run.harness.log.Contains("step 3501 stopped, no object converted: "));
  EXPECT_EQ(run.file.Rows(objects), objects_before);
  EXPECT_EQ(run.file.Integer("SELECT COUNT(*) FROM ROUTE"), 5);
  EXPECT_EQ(Dword(run.Saved(), "Transfer", "Calendar"), 1u);
  EXPECT_EQ(String(run.Saved(), "Transfer\\Systems\\Syst5", "Name"), "SMS");

  // The next program run: its own connection and the hive as saved.
  run.harness.db.ReconnectMainDatabase();
  run.file.Run("ALTER TABLE OBJECT DROP CONSTRAINT NO_ROUTE_5;");
  run.harness.current_user = RegistryHive::CurrentUser(run.harness.machine);
  EXPECT_TRUE(run.Run());
  EXPECT_TRUE(run.harness.log.Contains("route 1 \"Main\" of an earlier run is stored again"));
  EXPECT_TRUE(run.harness.log.Contains("transfer system \"SMS\" of an earlier run kept"));
  ExpectResultOfTheCleanRun(run);
}

// A ROUTE row the database refuses (here a check on its name): the step fails before anything
// points to the missing route, whether it is "Main", "System alarms" or a "CAL" route of objects
// after other "CAL" routes. No object changes, the hive file stays as it was, and no rule is left
// without its route. The next program run, once the route can be stored, converts every object
// to a route of the same name and rules as the clean run, with no route stored twice.
TEST_F(Step3501InstallationTest, RouteThatCannotBeStoredFailsWithObjectsAndLegacyKeyUnchanged) {
  ASSERT_TRUE(result_);
  const std::string objects = "SELECT OBJECTN, FWDPOS, FWDNBR, FWDSYSTEM FROM OBJECT ORDER BY 1";
  // Objects as converted, with the name of their route in place of its number.
  const std::string converted_objects =
      "SELECT o.OBJECTN, o.FWDPOS, o.FWDNBR, r.ROUTENAME, IIF(r.TABLEN IS NULL, o.FWDSYSTEM, NULL) "
      "FROM OBJECT o LEFT JOIN ROUTE r ON r.TABLEN = o.FWDSYSTEM ORDER BY 1";
  const std::string routes =
      "SELECT r.ROUTENAME, r.ISACTIVE, r.ALLTYPES, u.SUBPOS, u.ISACTIVE, u.DAYS, u.STARTTIME, "
      "u.ENDTIME, u.FWDSYSTEM, u.RECIPIENTS, u.REPETITIONS FROM ROUTE r JOIN ROUTERULES u ON "
      "u.ROUTEN = r.TABLEN ORDER BY 1, 4";
  const std::string orphan_rules =
      "SELECT COUNT(*) FROM ROUTERULES u WHERE NOT EXISTS (SELECT 1 FROM ROUTE r WHERE r.TABLEN = "
      "u.ROUTEN)";
  int number = 0;
  for (const char* refused : {"Main", "System alarms", "CAL Telnet"}) {
    SCOPED_TRACE(refused);
    StepRun run("step3501_refused" + std::to_string(++number),
                std::string(kInstallationData) +
                    "CREATE TABLE ROUTE (TABLEN INTEGER NOT NULL, ROUTENAME VARCHAR(255), ISACTIVE "
                    "INTEGER DEFAULT 0 NOT NULL, MAXROUTES INTEGER, ALLTYPES INTEGER, PRIMARY KEY "
                    "(TABLEN), CONSTRAINT REFUSED_NAME CHECK (ROUTENAME <> '" +
                    refused + "'));",
                kInstallationKey);
    const Rows objects_before = run.file.Rows(objects);
    const std::string hive_before = FileBytes(run.harness.machine.CurrentUserHive());

    EXPECT_FALSE(run.Run());
    EXPECT_TRUE(run.harness.log.Contains(
        "step 3501 stopped, legacy settings not changed, no object converted: route \"" +
        std::string(refused) + "\" not stored"));
    EXPECT_EQ(run.file.Rows(objects), objects_before);
    EXPECT_TRUE(FileBytes(run.harness.machine.CurrentUserHive()) == hive_before)
        << "the hive file changed";
    EXPECT_FALSE(run.harness.current_user.HasUnsavedChanges());
    EXPECT_EQ(run.file.Integer(orphan_rules), 0);

    // The next program run: its own connection and the hive as saved.
    run.harness.db.ReconnectMainDatabase();
    run.file.Run("ALTER TABLE ROUTE DROP CONSTRAINT REFUSED_NAME;");
    run.harness.current_user = RegistryHive::CurrentUser(run.harness.machine);
    EXPECT_TRUE(run.Run());
    EXPECT_EQ(run.file.Rows(converted_objects), run_->file.Rows(converted_objects));
    EXPECT_EQ(run.file.Rows(routes), run_->file.Rows(routes));
    EXPECT_EQ(run.file.Integer(orphan_rules), 0);
    const RegistryHive saved = run.Saved();
    EXPECT_EQ(run.RouteName(static_cast<int>(*Dword(saved, "Transfer", "Calendar"))), "Main");
    EXPECT_EQ(run.RouteName(static_cast<int>(*Dword(saved, "Transfer", "SACalendar"))),
              "System alarms");
    EXPECT_EQ(String(saved, "Transfer\\Systems\\Syst4", "Name"), "Email");
    EXPECT_EQ(String(saved, "Transfer\\Systems\\Syst5", "Name"), "SMS");
    EXPECT_FALSE(saved.KeyExists(std::string(kLegacySettingsKey) + "\\Transfer\\Systems\\Syst6"));
  }
}

// ---------------------------------------------------------------------------------------------

// The highest number comes from every Syst<n> key, also above Syst99 where the system list ends:
// a system there is never written over. Names that are no system number do not count.
TEST(Step3501, NewSystemsGoAboveTheHighestNumber) {
  const struct {
    const char* label;
    const char* systems;
    int first_new;
    int kept;  // a system whose Name must stay; 0 = none
    const char* kept_name;
  } kCases[] = {
      {"no systems", "", 1, 0, ""},
      {"Syst1 to Syst4",
       "[K\\Transfer\\Systems\\Syst1]\n[K\\Transfer\\Systems\\Syst2]\n"
       "[K\\Transfer\\Systems\\Syst3]\n[K\\Transfer\\Systems\\Syst4]\n",
       5, 0, ""},
      {"only Syst3", "[K\\Transfer\\Systems\\Syst3]\n\"Name\"=\"Kolmas\"\n", 4, 3, "Kolmas"},
      {"Syst99 and SYST100 beyond the list",
       "[K\\Transfer\\Systems\\Syst99]\n\"Name\"=\"Viimeinen\"\n"
       "[K\\Transfer\\Systems\\SYST100]\n\"Name\"=\"Sata\"\n"
       "[K\\Transfer\\Systems\\Syst0200]\n[K\\Transfer\\Systems\\Syst300x]\n"
       "[K\\Transfer\\Systems\\Other400]\n",
       101, 100, "Sata"},
  };
  int number = 0;
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.label);
    StepRun run("step3501_systems" + std::to_string(++number), "", c.systems);
    EXPECT_TRUE(run.Run());
    const RegistryHive saved = run.Saved();
    const std::string systems = "Transfer\\Systems\\Syst";
    EXPECT_EQ(String(saved, systems + std::to_string(c.first_new), "Name"), "Email");
    EXPECT_EQ(String(saved, systems + std::to_string(c.first_new + 1), "Name"), "SMS");
    EXPECT_FALSE(saved.KeyExists(std::string(kLegacySettingsKey) + "\\" + systems +
                                 std::to_string(c.first_new + 2)));
    if (c.kept > 0) {
      EXPECT_EQ(String(saved, systems + std::to_string(c.kept), "Name"), c.kept_name);
    }
  }
}

// A system is numbered by a byte: with Syst254 there is room for Email (Syst255) but not for SMS.
// The step fails before the key is saved instead of writing a wrapped number.
TEST(Step3501, NoSystemNumberAboveSyst255) {
  StepRun run("step3501_syst254",
              "INSERT INTO OBJECT (OBJECTN, FWDPOS, FWDSYSTEM) VALUES (1, 11, 1);",
              "[K\\Transfer\\Systems\\Syst1]\n\"Name\"=\"Yksi\"\n"
              "[K\\Transfer\\Systems\\Syst254]\n\"Name\"=\"Viimeinen\"\n");
  const std::string hive_before = FileBytes(run.harness.machine.CurrentUserHive());
  EXPECT_FALSE(run.Run());
  EXPECT_TRUE(run.harness.log.Contains(
      "step 3501 stopped, legacy settings not saved: no transfer system number is free for "
      "\"SMS\": Syst256 is above Syst255"));
  EXPECT_TRUE(FileBytes(run.harness.machine.CurrentUserHive()) == hive_before)
      << "the hive file changed";
  EXPECT_EQ(run.file.Integer("SELECT FWDPOS * 100 + FWDSYSTEM FROM OBJECT"), 1101);
}

// Systems numbered with gaps, and objects naming systems above 16 or missing from the key: each
// distinct system number gets one route named after the system of that number.
TEST(Step3501, FindsSystemsByTheirNumber) {
  StepRun run("step3501_gaps",
              "INSERT INTO OBJECT (OBJECTN, FWDSYSTEM) VALUES (1, 7);"
              "INSERT INTO OBJECT (OBJECTN, FWDSYSTEM) VALUES (2, 3);"
              "INSERT INTO OBJECT (OBJECTN, FWDSYSTEM) VALUES (3, 17);"
              "INSERT INTO OBJECT (OBJECTN, FWDSYSTEM) VALUES (4, 20);"
              "INSERT INTO OBJECT (OBJECTN, FWDSYSTEM) VALUES (5, 17);"
              "INSERT INTO OBJECT (OBJECTN, FWDSYSTEM) VALUES (6, 7);",
              "[K]\n\"TelnetAddress\"=\"tn.local\"\n"
              "[K\\Transfer\\Systems\\Syst3]\n\"Name\"=\"Vartija\"\n\"SerPort\"=dword:00000065\n"
              "[K\\Transfer\\Systems\\Syst7]\n\"Name\"=\"Yö\"\n\"SerPort\"=dword:00000065\n"
              "[K\\Transfer\\Systems\\Syst20]\n\"Name\"=\"Kaukana\"\n");
  EXPECT_TRUE(run.Run());
  EXPECT_EQ(run.RouteName(1), "Main");
  EXPECT_EQ(run.RouteName(2), Cp1252("CAL Yö"));
  EXPECT_EQ(run.RouteName(3), "CAL Vartija");
  EXPECT_EQ(run.RouteName(4), "CAL ");  // system 17 is not in the key
  EXPECT_EQ(run.RouteName(5), "CAL Kaukana");
  EXPECT_EQ(run.Rules(4), StepRun::OneCondition({1, 0, 0, 17, "", 0}));
  EXPECT_EQ(run.file.Integer("SELECT COUNT(*) FROM ROUTE"), 5);
  const auto rows = run.file.Rows("SELECT FWDSYSTEM FROM OBJECT ORDER BY OBJECTN");
  const long long kRoutes[] = {2, 3, 4, 5, 4, 2};
  ASSERT_EQ(rows.size(), std::size(kRoutes));
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(engine::ValueAsInteger(rows[i][0]), kRoutes[i]) << "object " << i + 1;
  }

  const RegistryHive saved = run.Saved();
  EXPECT_EQ(String(saved, "Transfer\\Systems\\Syst3", "ServerAddress"), "tn.local");
  EXPECT_EQ(String(saved, "Transfer\\Systems\\Syst7", "ServerAddress"), "tn.local");
  EXPECT_EQ(String(saved, "Transfer\\Systems\\Syst21", "Name"), "Email");
  EXPECT_EQ(String(saved, "Transfer\\Systems\\Syst22", "Name"), "SMS");
}

TEST(Step3501, RoutesSystemAlarms) {
  const struct {
    const char* label;
    const char* transfer;  // values of \Transfer; nullptr = no such key
    std::uint32_t sa_timing, syst_alarms, sa_calendar;
  } kCases[] = {
      {"no transfer key", nullptr, 0, 0, 7},
      {"not forwarded", "\"ActSAType\"=dword:00000000\n\"SystAlarms\"=dword:00000004\n", 0, 0, 7},
      {"no recipient", "\"ActSAType\"=dword:00000003\n\"SystAlarms\"=dword:00000000\n", 0, 0, 7},
      {"with the daily forwarding", "\"ActSAType\"=dword:000000ff\n\"SystAlarms\"=dword:00000004\n",
       0, 4, 7},
      {"on their own", "\"ActSAType\"=dword:00000003\n\"SystAlarms\"=dword:00000004\n", 1, 4, 8},
  };
  int number = 0;
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.label);
    // A database that has handed out route numbers before: "Main" becomes route 7.
    StepRun run("step3501_alarms" + std::to_string(++number),
                "INSERT INTO COUNTER (NAME, VAL) VALUES ('ROUTE', 6);",
                c.transfer ? std::string("[K\\Transfer]\n") + c.transfer : std::string());
    EXPECT_TRUE(run.Run());
    const RegistryHive saved = run.Saved();
    EXPECT_EQ(Dword(saved, "Transfer", "SATiming"), c.sa_timing);
    EXPECT_EQ(Dword(saved, "Transfer", "SystAlarms"), c.syst_alarms);
    EXPECT_EQ(Dword(saved, "Transfer", "Calendar"), 7u);
    EXPECT_EQ(Dword(saved, "Transfer", "SACalendar"), c.sa_calendar);
    EXPECT_EQ(run.RouteName(7), "Main");
    if (c.sa_calendar == 8) {
      EXPECT_EQ(run.RouteName(8), "System alarms");
      EXPECT_EQ(run.Rules(8), StepRun::OneCondition({1, 0, 0, 3, "Num4", 0}));
    } else {
      EXPECT_EQ(run.file.Integer("SELECT COUNT(*) FROM ROUTE"), 1);
    }
  }
}

// A value of another type than the key's layout gives ends the step before it changes anything:
// no route (not even the route tables), no object, and the hive file stays as it was.
TEST(Step3501, WrongTypedRegistryValueFailsAndSavesNothing) {
  const struct {
    const char* label;
    const char* registry;
  } kCases[] = {
      {"ActSAType as text", "[K\\Transfer]\n\"ActSAType\"=\"3\"\n"},
      {"system name as dword", "[K\\Transfer\\Systems\\Syst2]\n\"Name\"=dword:00000001\n"},
      {"SerPort as text", "[K\\Transfer\\Systems\\Syst1]\n\"SerPort\"=\"101\"\n"},
      {"sixth exception as text", "[K\\Transfer\\TimeTable]\n\"ExcNewStart6\"=\"600\"\n"},
      {"telnet address as dword", "[K]\n\"TelnetAddress\"=dword:0000000a\n"},
  };
  int number = 0;
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.label);
    StepRun run("step3501_types" + std::to_string(++number),
                "INSERT INTO OBJECT (OBJECTN, FWDPOS, FWDSYSTEM) VALUES (1, 11, 1);", c.registry);
    const std::string before = FileBytes(run.harness.machine.CurrentUserHive());
    const auto contents_before = DatabaseContents(run.file);
    EXPECT_FALSE(run.Run());
    EXPECT_EQ(FileBytes(run.harness.machine.CurrentUserHive()), before);
    EXPECT_TRUE(run.harness.log.Contains("step 3501 stopped, legacy settings not saved: "));
    EXPECT_EQ(run.file.Integer("SELECT COUNT(*) FROM RDB$RELATIONS WHERE RDB$RELATION_NAME IN "
                               "('ROUTE', 'ROUTERULES')"),
              0);
    ExpectSameContents(DatabaseContents(run.file), contents_before);
    EXPECT_EQ(run.file.Integer("SELECT FWDPOS * 100 + FWDSYSTEM FROM OBJECT"), 1101);
  }
}

// Objects whose forwarding columns cannot be read (here: FWDPOS is gone) stop the step before it
// changes anything.
TEST(Step3501, ObjectsThatCannotBeReadFailTheStepBeforeAnyChange) {
  StepRun run("step3501_objects", "INSERT INTO OBJECT (OBJECTN, FWDSYSTEM) VALUES (1, 1);",
              "[K\\Transfer\\Systems\\Syst1]\n\"Name\"=\"Yksi\"\n");
  run.file.Run("ALTER TABLE OBJECT DROP FWDPOS;");
  const std::string hive_before = FileBytes(run.harness.machine.CurrentUserHive());
  const auto before = DatabaseContents(run.file);
  EXPECT_FALSE(run.Run());
  EXPECT_TRUE(
      run.harness.log.Contains("step 3501 stopped, nothing was changed: objects cannot "
                               "be read: "));
  ExpectSameContents(DatabaseContents(run.file), before);
  EXPECT_TRUE(FileBytes(run.harness.machine.CurrentUserHive()) == hive_before)
      << "the hive file changed";
}

// COUNTER "ROUTE" at the largest integer cannot advance: no route is stored, and the step fails
// before anything points to a route: the object keeps its transfer system and the legacy key
// stays as it was.
TEST(Step3501, CounterThatCannotAdvanceStoresNoRoute) {
  StepRun run("step3501_counter",
              "INSERT INTO COUNTER (NAME, VAL) VALUES ('ROUTE', 2147483647);"
              "INSERT INTO OBJECT (OBJECTN, FWDSYSTEM) VALUES (1, 2);",
              "[K\\Transfer]\n\"ActSAType\"=dword:00000003\n\"SystAlarms\"=dword:00000001\n");
  const std::string hive_before = FileBytes(run.harness.machine.CurrentUserHive());
  EXPECT_FALSE(run.Run());
  EXPECT_EQ(run.file.Integer("SELECT COUNT(*) FROM ROUTE"), 0);
  EXPECT_EQ(run.file.Integer("SELECT COUNT(*) FROM ROUTERULES"), 0);
  EXPECT_EQ(run.file.Integer("SELECT FWDSYSTEM FROM OBJECT"), 2);
  EXPECT_EQ(run.file.Integer("SELECT VAL FROM COUNTER WHERE NAME = 'ROUTE'"), 2147483647);
  EXPECT_TRUE(FileBytes(run.harness.machine.CurrentUserHive()) == hive_before)
      << "the hive file changed";
  EXPECT_FALSE(run.harness.current_user.HasUnsavedChanges());
  const RegistryHive saved = run.Saved();
  EXPECT_EQ(Dword(saved, "Transfer", "Calendar"), std::nullopt);
  EXPECT_EQ(Dword(saved, "Transfer", "SACalendar"), std::nullopt);
  EXPECT_TRUE(run.harness.log.Contains("counter ROUTE not advanced"));
  EXPECT_TRUE(
      run.harness.log.Contains("step 3501 stopped, legacy settings not changed, no object "
                               "converted: route \"Main\" not stored"));
}

// Counter values are committed one by one; a COUNTER that cannot be read is tried three times
// (after 50 ms and 200 ms) and gives -1.
TEST(Step3501, NextCounterValueMakesAndAdvancesTheRow) {
  StepRun run("step3501_next_counter", "", "");
  EXPECT_EQ(NextCounterValue(run.harness.db, "ROUTE"), 1);
  EXPECT_EQ(NextCounterValue(run.harness.db, "ROUTE"), 2);
  EXPECT_EQ(NextCounterValue(run.harness.db, "object"), 1);
  EXPECT_EQ(run.file.Integer("SELECT VAL FROM COUNTER WHERE NAME = 'ROUTE'"), 2);
  EXPECT_TRUE(run.harness.clock.pauses.empty());

  TestDatabase without_counter("step3501_no_counter",
                               "CREATE TABLE PARAM (NAME VARCHAR(40) NOT NULL, VAL VARCHAR(255));");
  EngineHarness harness(without_counter);
  ASSERT_TRUE(harness.db.OpenMainDatabase());
  EXPECT_EQ(NextCounterValue(harness.db, "ROUTE"), -1);
  using std::chrono::milliseconds;
  EXPECT_EQ(harness.clock.pauses, (std::vector<milliseconds>{milliseconds(50), milliseconds(200)}));
}

}  // namespace
}  // namespace harbo::steps

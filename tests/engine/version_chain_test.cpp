// The version chain over a table of stand-in steps, and the real step table's shape.
#include "engine/version_chain.h"

#include <gtest/gtest.h>

#include <set>

#include "steps/step_table.h"
#include "test_database.h"

namespace harbo::engine {
namespace {

using harbo::testing::EngineHarness;
using harbo::testing::TestDatabase;

// What the stand-in steps did; steps are plain functions, so this lives at file scope.
struct StepScript {
  std::vector<int> ran;
  int fail_at = 0;
  int throw_at = 0;
  std::set<int> raise_refresh;
} script;

bool StandInStep(StepContext& context) {
  const int version = context.state.database_version;
  script.ran.push_back(version);
  if (version == script.throw_at) throw std::runtime_error("lost connection");
  if (script.raise_refresh.count(version) != 0) context.state.alarm_text_refresh = true;
  return version != script.fail_at;
}

constexpr StepEntry kTable[] = {{3101, 0, 3111, StandInStep},    {3111, 0, 5100, StandInStep},
                                {5100, 5101, 6400, StandInStep}, {6400, 6410, 6450, StandInStep},
                                {6450, 0, 7000, nullptr},        {7000, 0, 7430, StandInStep}};

class RecordingView final : public ChainView {
 public:
  std::vector<std::string> messages, errors;
  int pending_events = 0;
  void SetMessageText(std::string_view text) override { messages.emplace_back(text); }
  void ProcessPendingEvents() override { ++pending_events; }
  void ShowErrorBox(std::string_view text) override { errors.emplace_back(text); }
};

constexpr std::string_view kMain = R"(
CREATE TABLE PARAM (NAME VARCHAR(60) NOT NULL, VAL VARCHAR(250), CONSTRAINT PK_PARAM PRIMARY KEY (NAME));
CREATE TABLE ALARMTYPE (TYPEN INTEGER NOT NULL PRIMARY KEY, STATUS INTEGER,
  NAMEFIN VARCHAR(40), TEXTFIN BLOB SUB_TYPE TEXT, SHORTNAMEFIN VARCHAR(10),
  NAMEENG VARCHAR(40), TEXTENG BLOB SUB_TYPE TEXT, SHORTNAMEENG VARCHAR(10),
  NAMESWE VARCHAR(40), TEXTSWE BLOB SUB_TYPE TEXT, SHORTNAMESWE VARCHAR(10),
  NAMEFRA VARCHAR(40), TEXTFRA BLOB SUB_TYPE TEXT, SHORTNAMEFRA VARCHAR(10),
  NAMEGER VARCHAR(40), TEXTGER BLOB SUB_TYPE TEXT, SHORTNAMEGER VARCHAR(10),
  NAMEDUT VARCHAR(40), TEXTDUT BLOB SUB_TYPE TEXT, SHORTNAMEDUT VARCHAR(10),
  NAMEHUN VARCHAR(40), TEXTHUN BLOB SUB_TYPE TEXT, SHORTNAMEHUN VARCHAR(10),
  NAMENOR VARCHAR(40), TEXTNOR BLOB SUB_TYPE TEXT, SHORTNAMENOR VARCHAR(10));
INSERT INTO ALARMTYPE (TYPEN, STATUS, NAMEFIN, NAMEENG) VALUES (1, 5, "Vanha", "Old");
)";

// The reference catalogue: type 1 with new texts and another status, type 2 only here.
constexpr std::string_view kReference = R"(
CREATE TABLE PARAM (NAME VARCHAR(60) NOT NULL, VAL VARCHAR(250), ORGID INTEGER);
CREATE TABLE ALARMTYPE (TYPEN INTEGER NOT NULL PRIMARY KEY, STATUS INTEGER, ORGID INTEGER,
  NAMEFIN VARCHAR(40), TEXTFIN BLOB SUB_TYPE TEXT, SHORTNAMEFIN VARCHAR(10),
  NAMEENG VARCHAR(40), TEXTENG BLOB SUB_TYPE TEXT, SHORTNAMEENG VARCHAR(10),
  NAMESWE VARCHAR(40), TEXTSWE BLOB SUB_TYPE TEXT, SHORTNAMESWE VARCHAR(10),
  NAMEFRA VARCHAR(40), TEXTFRA BLOB SUB_TYPE TEXT, SHORTNAMEFRA VARCHAR(10),
  NAMEGER VARCHAR(40), TEXTGER BLOB SUB_TYPE TEXT, SHORTNAMEGER VARCHAR(10),
  NAMEDUT VARCHAR(40), TEXTDUT BLOB SUB_TYPE TEXT, SHORTNAMEDUT VARCHAR(10),
  NAMEHUN VARCHAR(40), TEXTHUN BLOB SUB_TYPE TEXT, SHORTNAMEHUN VARCHAR(10),
  NAMENOR VARCHAR(40), TEXTNOR BLOB SUB_TYPE TEXT, SHORTNAMENOR VARCHAR(10),
  NAMEPOR VARCHAR(40));
INSERT INTO ALARMTYPE (TYPEN, STATUS, ORGID, NAMEFIN, TEXTFIN, SHORTNAMEFIN, NAMEENG, NAMEGER)
  VALUES (1, 9, 1, "Hätä", "Painettu hälytysnappia", "HÄT", "Emergency", "Notruf");
INSERT INTO ALARMTYPE (TYPEN, STATUS, ORGID, NAMEFIN, NAMEENG, NAMEPOR)
  VALUES (2, 1, 1, "Palo", "Fire", "Incêndio");
)";

class ChainTest : public ::testing::Test {
 protected:
  ChainTest()
      : reference_("chain_setup/upddata/common", kReference),
        setup_folder_((testing::TestDatabaseFolder() / "chain_setup").string() + "/") {
    script = StepScript{};
  }

  // A main database whose PARAM holds the given version rows.
  TestDatabase Main(std::string_view name, std::string_view version_rows) {
    return TestDatabase(name, std::string(kMain) + std::string(version_rows));
  }
  bool Run(EngineHarness& h) { return RunVersionChain(h.db, h.current_user, kTable, view_); }

  TestDatabase reference_;
  std::string setup_folder_;
  RecordingView view_;
};

TEST_F(ChainTest, RunsMatchingStepsInOrderAndWritesEachVersion) {
  auto main = Main("chain_full", "INSERT INTO PARAM VALUES ('DBVERSION', '3101');");
  EngineHarness h(main, setup_folder_);
  EXPECT_FALSE(Run(h));  // stops at the entry whose step is not built
  EXPECT_EQ(script.ran, (std::vector<int>{3101, 3111, 5100, 6400}));
  EXPECT_EQ(main.Text("SELECT VAL FROM PARAM WHERE NAME = 'DBVERSION'"), "6450");
  EXPECT_TRUE(h.log.Contains("step 6450 is not built yet: the upgrade stops at version 6450"));
  EXPECT_TRUE(h.log.Contains(
      "ok      Update param set VAL = 3111 WHERE NAME = \"DBVERSION\" or NAME = \"DBVersion\""));
  EXPECT_EQ(view_.messages, (std::vector<std::string>{"Updating database file..."}));
  EXPECT_EQ(view_.pending_events, 1);
  EXPECT_TRUE(view_.errors.empty());
  EXPECT_FALSE(h.state.entered_at_6410);
}

TEST_F(ChainTest, SecondVersionsOfAnEntryRunItsStep) {
  auto at_5101 = Main("chain_5101", "INSERT INTO PARAM VALUES ('DBVERSION', '5101');");
  EngineHarness h(at_5101, setup_folder_);
  Run(h);
  EXPECT_EQ(script.ran, (std::vector<int>{5101, 6400}));
  EXPECT_FALSE(h.state.entered_at_6410);

  script = StepScript{};
  auto at_6410 = Main("chain_6410", "INSERT INTO PARAM VALUES ('DBVERSION', '6410');");
  EngineHarness h2(at_6410, setup_folder_);
  Run(h2);
  EXPECT_EQ(script.ran, (std::vector<int>{6410}));
  EXPECT_TRUE(h2.state.entered_at_6410);
}

TEST_F(ChainTest, FailedStepLeavesItsVersionAndTheNextRunResumesThere) {
  auto main = Main("chain_fail", "INSERT INTO PARAM VALUES ('DBVERSION', '3101');");
  {
    script.fail_at = 5100;
    EngineHarness h(main, setup_folder_);
    EXPECT_FALSE(Run(h));
    EXPECT_EQ(h.state.database_version, 5100);
  }
  EXPECT_EQ(main.Text("SELECT VAL FROM PARAM WHERE NAME = 'DBVERSION'"), "5100");
  EXPECT_TRUE(view_.errors.empty());

  script = StepScript{};
  script.throw_at = 6400;
  {
    EngineHarness h(main, setup_folder_);
    EXPECT_FALSE(Run(h));
    EXPECT_TRUE(h.log.Contains("step 6400 stopped: lost connection"));
  }
  EXPECT_EQ(script.ran, (std::vector<int>{5100, 6400}));
  EXPECT_EQ(main.Text("SELECT VAL FROM PARAM WHERE NAME = 'DBVERSION'"), "6400");
}

// A version that cannot be stored stops the chain: the next run must not repeat a step that ran.
TEST_F(ChainTest, VersionThatCannotBeStoredStopsTheChain) {
  auto main = Main("chain_write_fails",
                   "INSERT INTO PARAM VALUES ('DBVERSION', '3101');"
                   "CREATE EXCEPTION VERSION_REFUSED 'version refused';"
                   "SET TERM ^ ;"
                   "CREATE TRIGGER PARAM_REFUSE FOR PARAM BEFORE UPDATE AS BEGIN"
                   "  IF (NEW.VAL = '5100') THEN EXCEPTION VERSION_REFUSED; END^"
                   "SET TERM ; ^");
  EngineHarness h(main, setup_folder_);
  EXPECT_FALSE(Run(h));
  EXPECT_EQ(script.ran, (std::vector<int>{3101, 3111}));
  EXPECT_EQ(main.Text("SELECT VAL FROM PARAM WHERE NAME = 'DBVERSION'"), "3111");
  EXPECT_EQ(h.state.database_version, 3111);
  EXPECT_TRUE(h.log.Contains("step 3111 is done, but the new version 5100 could not be stored"));
}

TEST_F(ChainTest, VersionRowInEitherSpelling) {
  constexpr StepEntry kOneStep[] = {{6450, 0, 7430, StandInStep}};
  auto old_only = Main("chain_old_name", "INSERT INTO PARAM VALUES ('DBVersion', '6450');");
  EngineHarness h(old_only, setup_folder_);
  EXPECT_TRUE(RunVersionChain(h.db, h.current_user, kOneStep, view_));
  EXPECT_EQ(old_only.Text("SELECT VAL FROM PARAM WHERE NAME = 'DBVersion'"), "7430");

  auto both = Main("chain_both_names",
                   "INSERT INTO PARAM VALUES ('DBVERSION', '6450');"
                   "INSERT INTO PARAM VALUES ('DBVersion', '3101');");
  EngineHarness h2(both, setup_folder_);
  EXPECT_TRUE(RunVersionChain(h2.db, h2.current_user, kOneStep, view_));
  EXPECT_EQ(script.ran, (std::vector<int>{6450, 6450}));
  EXPECT_EQ(both.Integer("SELECT COUNT(*) FROM PARAM WHERE VAL = '7430'"), 2);
}

TEST_F(ChainTest, RefusedDatabasesGiveTheirMessagesAndStayAsTheyWere) {
  const std::string missing = (testing::TestDatabaseFolder() / "chain_absent.fdb").string();
  const struct {
    std::string name, rows, message;
  } cases[] = {
      {"chain_3100", "INSERT INTO PARAM VALUES ('DBVERSION', '3100');",
       "Unable to update database. Previous version is too old: 3100"},
      {"chain_abc", "INSERT INTO PARAM VALUES ('DBVERSION', 'abc');", "connection"},
      {"chain_zero", "INSERT INTO PARAM VALUES ('DBVERSION', '0');", "connection"},
      {"chain_no_row", "INSERT INTO PARAM VALUES ('OTHER', '1');", "connection"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    view_.errors.clear();
    auto main = Main(c.name, c.rows);
    const auto before = main.Rows("SELECT NAME, VAL FROM PARAM");
    EngineHarness h(main, setup_folder_);
    EXPECT_FALSE(Run(h));
    const std::string expected =
        c.message == "connection"
            ? "Error in connecting to Harbo database in " + main.Path().string()
            : c.message;
    EXPECT_EQ(view_.errors, (std::vector<std::string>{expected}));
    EXPECT_EQ(main.Rows("SELECT NAME, VAL FROM PARAM"), before);
  }
  EXPECT_TRUE(script.ran.empty());

  view_.errors.clear();
  TestDatabase no_param("chain_no_param", "CREATE TABLE OTHER (A INTEGER);");
  EngineHarness h(no_param, setup_folder_);
  h.state.main_database_path = missing;
  EXPECT_FALSE(Run(h));
  EXPECT_EQ(view_.errors,
            (std::vector<std::string>{"Error in connecting to Harbo database in " + missing}));
}

TEST_F(ChainTest, MissingReferenceDatabaseNamesTheSetupFolder) {
  auto main = Main("chain_no_reference", "INSERT INTO PARAM VALUES ('DBVERSION', '3101');");
  EngineHarness h(main, "/nonexistent/package/");
  EXPECT_FALSE(Run(h));
  EXPECT_EQ(view_.errors,
            (std::vector<std::string>{
                "Error in connecting to Harbo update database in "
                "/nonexistent/package/upddata/common.fdb.\rTry placing the installation/update "
                "package in a simple folder name such as C:\\HarboUpdate"}));
  EXPECT_TRUE(script.ran.empty());
}

TEST_F(ChainTest, CurrentVersionRunsNothingAndCopiesNothing) {
  auto main = Main("chain_current", "INSERT INTO PARAM VALUES ('DBVERSION', '7430');");
  EngineHarness h(main, setup_folder_);
  EXPECT_TRUE(Run(h));
  EXPECT_TRUE(script.ran.empty());
  EXPECT_EQ(main.Integer("SELECT COUNT(*) FROM ALARMTYPE"), 1);
  EXPECT_FALSE(h.log.Contains("Update param"));
}

TEST_F(ChainTest, AlarmTextsAreRefreshedOnceAtTheEnd) {
  script.raise_refresh = {6450, 7000};
  auto main = Main("chain_refresh", "INSERT INTO PARAM VALUES ('DBVERSION', '6450');");
  // 6450 has no routine in kTable; start past it with a table whose entries all run.
  constexpr StepEntry kRefreshing[] = {{6450, 0, 7000, StandInStep}, {7000, 0, 7430, StandInStep}};
  EngineHarness h(main, setup_folder_);
  EXPECT_TRUE(RunVersionChain(h.db, h.current_user, kRefreshing, view_));
  int copies = 0;
  for (const auto& e : h.log.Entries())
    copies += e.find("alarm-type texts of fin") != std::string::npos;
  EXPECT_EQ(copies, 1);
  EXPECT_EQ(main.Text("SELECT NAMEFIN FROM ALARMTYPE WHERE TYPEN = 1"), "H\xE4t\xE4");
  EXPECT_EQ(main.Text("SELECT NAMEGER FROM ALARMTYPE WHERE TYPEN = 1"), "Notruf");
  EXPECT_EQ(main.Integer("SELECT STATUS FROM ALARMTYPE WHERE TYPEN = 1"), 5);
  EXPECT_EQ(main.Text("SELECT NAMEENG FROM ALARMTYPE WHERE TYPEN = 2"), "Fire");
}

TEST(StepTableTest, FiftyEntriesEachLeadingToTheNext) {
  const auto table = steps::StepTable();
  ASSERT_EQ(table.size(), 50u);
  EXPECT_EQ(table.front().version, 3101);
  for (std::size_t i = 0; i + 1 < table.size(); ++i) {
    SCOPED_TRACE(table[i].version);
    EXPECT_LT(table[i].version, table[i + 1].version);
    EXPECT_EQ(table[i].successor, table[i + 1].version);
  }
  EXPECT_EQ(table.back().version, 7420);
  EXPECT_EQ(table.back().successor, 7430);
  int doubles = 0;
  for (const auto& e : table) {
    if (e.second_version == 0) continue;
    ++doubles;
    EXPECT_TRUE((e.version == 5100 && e.second_version == 5101) ||
                (e.version == 6400 && e.second_version == 6410));
  }
  EXPECT_EQ(doubles, 2);
  EXPECT_EQ(PlannedSteps(table, 3101).size(), 50u);
  EXPECT_EQ(PlannedSteps(table, 5101).front().version, 5100);
  EXPECT_EQ(PlannedSteps(table, 7430).size(), 0u);
  EXPECT_EQ(PlannedSteps(table, 3102).size(), 0u);
}

}  // namespace
}  // namespace harbo::engine

// Steps 4000 to 4101 on databases made from the base schema of version 3101, with the clock fixed
// at 11 December 2026 (day 46367) unless a test says otherwise.
#include "steps/steps_4000_4101.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>

#include "platform/registry_hive.h"
#include "steps/step_3501.h"
#include "test_database.h"

namespace harbo::steps {
namespace {

using harbo::testing::EngineHarness;
using harbo::testing::TestDatabase;

constexpr std::int64_t kToday = 46367;  // 2026-12-11
constexpr std::string_view kSystems = "SOFTWARE\\QXR\\QXRHarbo\\1.0\\Transfer\\Systems\\";

std::string FileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// ROUTERULES as step 3501 creates it.
constexpr std::string_view kRouteRules =
    "CREATE TABLE ROUTERULES (ROUTEN INTEGER NOT NULL, SUBPOS INTEGER NOT NULL, ISACTIVE INTEGER "
    "DEFAULT 0 NOT NULL, DAYS INTEGER, STARTTIME INTEGER, ENDTIME INTEGER, FWDSYSTEM INTEGER, "
    "RECIPIENTS VARCHAR(255), REPETITIONS INTEGER, PRIMARY KEY (ROUTEN, SUBPOS));"
    "INSERT INTO ROUTERULES (ROUTEN, SUBPOS, ISACTIVE) VALUES (1, 1, 1);";

// One object per case of the start-day rule: its curve rows of row type 1 (first and last day,
// relative to today) and the days its schedules fall on.
struct StartDayCase {
  int object;
  const char* what;
  int first, last;           // curve days - today; no curve rows when first > last
  const char* start_day;     // d
  const char* last_run_day;  // e of step 4101
};
constexpr StartDayCase kStartDayCases[] = {
    {1, "no curve rows", 1, 0, "2026-12-12", "2026-12-10"},
    {3, "curves ended long ago", -400, -100, "2026-12-12", "2026-12-10"},
    {4, "last day one below today - 90", -200, -91, "2026-12-12", "2026-12-10"},
    {5, "last day today - 90, first day before today - 180", -200, -90, "2026-06-14", "2026-09-11"},
    {6, "first day today - 180", -180, -10, "2026-06-15", "2026-11-30"},
    {7, "first day today - 181", -181, -10, "2026-06-14", "2026-11-30"},
    {8, "the last thirty days", -30, 0, "2026-11-12", "2026-12-10"},
    {9, "yesterday only: d is today", -1, -1, "2026-12-11", "2026-12-09"},
    {10, "from today on: d is tomorrow", 0, 3, "2026-12-12", "2026-12-10"},
};

std::string CaseData() {
  std::string sql;
  int curve = 0;
  for (const StartDayCase& c : kStartDayCases) {
    sql += "INSERT INTO OBJECT (OBJECTN, NAME, WCTYPE) VALUES (" + std::to_string(c.object) +
           ", 'case', " + std::to_string(c.object % 4) + ");";
    if (c.first > c.last) continue;
    for (int day : {c.first, c.last, (c.first + c.last) / 2}) {
      sql += "INSERT INTO CURVE (CURVEN, OBJECTREF, DAYPOS, ROWTYPE) VALUES (" +
             std::to_string(++curve) + ", " + std::to_string(c.object) + ", " +
             std::to_string(kToday + day) + ", 1);";
    }
  }
  // Object 2 has curve rows of another row type only: they do not count.
  sql += "INSERT INTO OBJECT (OBJECTN, NAME) VALUES (2, 'other rows');";
  sql += "INSERT INTO CURVE (CURVEN, OBJECTREF, DAYPOS, ROWTYPE) VALUES (900, 2, " +
         std::to_string(kToday - 20) + ", 2);";
  return sql;
}

class Steps4000Test : public ::testing::Test {
 protected:
  void Open(std::string_view name, std::string_view data = {}) {
    file_.emplace(name, std::vector<std::string>{"schema_3101.sql"}, data);
    harness_.emplace(*file_);
    harness_->clock.now = {2026, 12, 11, 9, 30, 0, 0};
    ASSERT_TRUE(harness_->db.OpenMainDatabase());
  }
  engine::StepContext Context() { return harness_->Context(); }
  long long Count(std::string_view sql) { return file_->Integer(sql); }

  // NEXTTRIGGER of every schedule row, by object and calculation type.
  std::map<std::pair<long long, long long>, std::string> Triggers() {
    std::map<std::pair<long long, long long>, std::string> triggers;
    for (const auto& row : file_->Rows("SELECT OBJ, CALCTYPE, NEXTTRIGGER FROM CALCINDEX")) {
      triggers[{engine::ValueAsInteger(row[0]), engine::ValueAsInteger(row[1])}] =
          engine::ValueAsText(row[2]);
    }
    return triggers;
  }

  std::optional<TestDatabase> file_;
  std::optional<EngineHarness> harness_;
};

TEST(CalculationStartDayTest, TakesTheDayAfterTheCurvesOrAtMostHalfAYearBack) {
  struct Case {
    std::optional<std::int64_t> first, last;
    std::int64_t start;
  };
  const Case cases[] = {
      {std::nullopt, std::nullopt, kToday + 1},
      {kToday - 300, kToday - 91, kToday + 1},  // stopped more than 90 days ago
      {kToday - 300, kToday - 90, kToday - 180},
      {kToday - 180, kToday - 90, kToday - 179},
      {kToday - 181, kToday - 5, kToday - 180},
      {kToday - 5, kToday - 5, kToday - 4},
      {kToday, kToday, kToday + 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.first) + ".." + ::testing::PrintToString(c.last));
    EXPECT_EQ(CalculationStartDay(c.first, c.last, kToday), c.start);
  }
}

TEST_F(Steps4000Test, Step4000SchedulesEveryObjectFromItsCurveDays) {
  Open("step4000", CaseData());
  auto context = Context();
  ASSERT_TRUE(Step4000(context));
  EXPECT_TRUE(harness_->state.alarm_text_refresh);

  auto triggers = Triggers();
  EXPECT_EQ(triggers.size(), 6u * 10);
  EXPECT_EQ((triggers[{2, 10}]), "2026-12-12 05:00:00");
  for (const StartDayCase& c : kStartDayCases) {
    SCOPED_TRACE(c.what);
    const std::string morning = std::string(c.start_day) + " 05:00:00";
    const std::string evening = std::string(c.start_day) + " 20:00:00";
    for (int type : {10, 20, 22}) EXPECT_EQ((triggers[{c.object, type}]), morning) << type;
    for (int type : {11, 21, 23}) EXPECT_EQ((triggers[{c.object, type}]), evening) << type;
  }

  // A run that is repeated later keeps the first schedule and adds nothing.
  harness_->clock.now = {2027, 1, 20, 8, 0, 0, 0};
  EXPECT_TRUE(Step4000(context));
  EXPECT_EQ(Triggers(), triggers);
}

TEST_F(Steps4000Test, Step4000SeedsTheCalculationParameters) {
  Open("step4000_values", "INSERT INTO OBJECT (OBJECTN, NAME) VALUES (17, 'Aino');");
  harness_->clock.now = {2024, 3, 4, 23, 59, 59, 0};
  auto context = Context();
  ASSERT_TRUE(Step4000(context));

  EXPECT_TRUE(harness_->log.Contains(
      "insert into calcindex (operator, obj, calctype, nexttrigger) VALUES (1, 17, 10, "
      "\"2024-03-05 05:00:00\")"));
  EXPECT_TRUE(harness_->log.Contains(
      "insert into calcindex (operator, obj, calctype, nexttrigger, real1, real2, int1, int2, "
      "alertson) VALUES (1, 17, 20, \"2024-03-05 05:00:00\", 0.8, 2.9, 3, 5, 3)"));
  EXPECT_TRUE(harness_->log.Contains(
      "insert into calcindex (operator, obj, calctype, nexttrigger, real1, int1, alertson) VALUES "
      "(1, 17, 23, \"2024-03-05 20:00:00\", 0.13071895, 3, 0)"));

  const auto rows = file_->Rows(
      "SELECT OPERATOR, CALCTYPE, NEXTTRIGGER, REAL1, REAL2, INT1, INT2, INT3, ALERTSON, LASTPOS "
      "FROM CALCINDEX WHERE OBJ = 17 ORDER BY CALCTYPE");
  struct Expected {
    int type;
    const char* trigger;
    double real1, real2;
    int int1, int2, alerts_on;
  };
  const Expected expected[] = {
      {10, "2024-03-05 05:00:00", 0, 0, 0, 0, 0},
      {11, "2024-03-05 20:00:00", 0, 0, 0, 0, 0},
      {20, "2024-03-05 05:00:00", 0.8, 2.9, 3, 5, 3},
      {21, "2024-03-05 20:00:00", 0.09803922, 3.1, 6, 6, 3},
      {22, "2024-03-05 05:00:00", 1.0, 0, 3, 0, 0},
      {23, "2024-03-05 20:00:00", 0.13071895, 0, 3, 0, 0},
  };
  ASSERT_EQ(rows.size(), std::size(expected));
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(expected[i].type);
    EXPECT_EQ(engine::ValueAsInteger(rows[i][0]), 1);
    EXPECT_EQ(engine::ValueAsInteger(rows[i][1]), expected[i].type);
    EXPECT_EQ(engine::ValueAsText(rows[i][2]), expected[i].trigger);
    EXPECT_DOUBLE_EQ(std::get<double>(rows[i][3]), expected[i].real1);
    EXPECT_DOUBLE_EQ(std::get<double>(rows[i][4]), expected[i].real2);
    EXPECT_EQ(engine::ValueAsInteger(rows[i][5]), expected[i].int1);
    EXPECT_EQ(engine::ValueAsInteger(rows[i][6]), expected[i].int2);
    EXPECT_EQ(engine::ValueAsInteger(rows[i][7]), 0);
    EXPECT_EQ(engine::ValueAsInteger(rows[i][8]), expected[i].alerts_on);
    EXPECT_TRUE(engine::IsNull(rows[i][9]));
  }
}

// A database whose objects cannot be read (here: no CURVE table) stops the step before the
// version moves on, and says why in the upgrade log.
TEST_F(Steps4000Test, Step4000FailsWhenTheObjectsCannotBeRead) {
  Open("step4000_nocurve", "INSERT INTO OBJECT (OBJECTN) VALUES (1);");
  file_->Run("DROP TABLE CURVE;");
  auto context = Context();
  EXPECT_FALSE(Step4000(context));
  EXPECT_FALSE(harness_->state.alarm_text_refresh);
  EXPECT_TRUE(harness_->log.Contains("step 4000: calculation schedule stopped"));
  EXPECT_EQ(Count("SELECT COUNT(*) FROM CALCINDEX"), 0);
}

TEST_F(Steps4000Test, Step4001AddsDontStopToRouteRules) {
  Open("step4001", kRouteRules);
  auto context = Context();
  EXPECT_TRUE(Step4001(context));
  EXPECT_TRUE(Step4001(context));  // the column exists: nothing changes
  EXPECT_EQ(Count("SELECT COUNT(*) FROM ROUTERULES WHERE DONTSTOP IS NULL"), 1);
  EXPECT_FALSE(harness_->state.alarm_text_refresh);
}

class Step4101Test : public Steps4000Test {
 protected:
  // A database at 4101: the cases above, after step 4000, with CALCS rows, curve index rows,
  // alarm types and a location.
  void OpenAt4101(std::string_view name) {
    Open(name, CaseData() +
                   "INSERT INTO ALARMTYPE (TYPEN, NAME) VALUES (1, 'Alarm');"
                   "INSERT INTO ALARMTYPE (TYPEN, NAME) VALUES (2, 'Call');"
                   "INSERT INTO CURVEINDEX (OBJECTREF) VALUES (3);"
                   "INSERT INTO CURVEINDEX (OBJECTREF) VALUES (5);"
                   "INSERT INTO CURVEINDEX (OBJECTREF) VALUES (99);"
                   "INSERT INTO LOCATION (LOCN, NAME) VALUES (1, 'Hall');");
    auto context = Context();
    ASSERT_TRUE(Step4000(context));
    file_->Run(
        "INSERT INTO CALCS (OBJ, DAYPOS, CALCTYPE, REAL1, REAL2) VALUES (1, 1, 11, 0.5, 7);"
        "INSERT INTO CALCS (OBJ, DAYPOS, CALCTYPE, REAL1, REAL2) VALUES (1, 2, 11, 0, 7);"
        "INSERT INTO CALCS (OBJ, DAYPOS, CALCTYPE, REAL1, REAL2) VALUES (1, 3, 10, 0.5, 7);");
    harness_->state.alarm_text_refresh = false;
  }
  platform::RegistryKey System(int n) {
    const auto key =
        harness_->current_user.OpenKey(std::string(kSystems) + "Syst" + std::to_string(n));
    if (!key) throw std::runtime_error("no Syst" + std::to_string(n));
    return *key;
  }
  std::string ColumnType(std::string_view table, std::string_view column) {
    const auto rows = file_->Rows(
        "SELECT F.RDB$FIELD_TYPE, F.RDB$FIELD_LENGTH, F.RDB$FIELD_SUB_TYPE, F.RDB$SEGMENT_LENGTH, "
        "RF.RDB$NULL_FLAG FROM RDB$RELATION_FIELDS RF JOIN RDB$FIELDS F ON F.RDB$FIELD_NAME = "
        "RF.RDB$FIELD_SOURCE WHERE RF.RDB$RELATION_NAME = '" +
        std::string(table) + "' AND RF.RDB$FIELD_NAME = '" + std::string(column) + "'");
    if (rows.empty()) return "missing";
    std::string type;
    for (const auto& value : rows[0]) type += engine::ValueAsText(value) + " ";
    return type;
  }
};

TEST_F(Step4101Test, Step4101AddsTheHiPathSystemsAboveTheHighestOne) {
  struct Case {
    const char* what;
    std::vector<int> existing;
    int first_new;
  };
  const Case cases[] = {
      {"no systems", {}, 1},
      {"Email and SMS of step 3501", {1, 2}, 3},
      {"a gap below the highest", {2, 7}, 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    OpenAt4101("step4101_registry");
    auto& hive = harness_->current_user;
    for (int n : c.existing) {
      hive.WriteString(hive.CreateKey(std::string(kSystems) + "Syst" + std::to_string(n)), "Name",
                       "old " + std::to_string(n));
    }
    auto context = Context();
    ASSERT_TRUE(Step4101(context));

    // Read back from the saved file, not from the hive in memory.
    const auto saved = platform::RegistryHive::CurrentUser(harness_->machine);
    const auto sms = saved.OpenKey(std::string(kSystems) + "Syst" + std::to_string(c.first_new));
    const auto voice =
        saved.OpenKey(std::string(kSystems) + "Syst" + std::to_string(c.first_new + 1));
    ASSERT_TRUE(sms && voice);
    EXPECT_FALSE(saved.KeyExists(std::string(kSystems) + "Syst" + std::to_string(c.first_new + 2)));
    for (int n : c.existing) {
      EXPECT_EQ(saved.ReadString(System(n), "Name"), "old " + std::to_string(n));
    }
    EXPECT_EQ(saved.ReadString(*sms, "Name"), "SMS + HiPath voice");
    EXPECT_EQ(saved.ReadString(*voice, "Name"), "Voice + HiPath digi");
    EXPECT_EQ(saved.ReadString(*sms, "Protocol"), "SMS-HIVOICE");
    EXPECT_EQ(saved.ReadString(*voice, "Protocol"), "VCE2-ACB-A");
    EXPECT_EQ(saved.ReadString(*sms, "Num5"), "");
    EXPECT_EQ(saved.ReadString(*voice, "Num5"), "D2");
    EXPECT_EQ(saved.ReadString(*sms, "Num6"), "");
    EXPECT_EQ(saved.ReadString(*voice, "Num6"), "99,99");
    for (const auto& key : {*sms, *voice}) {
      EXPECT_EQ(saved.ReadString(key, "ServerAddress"), "192.168.xxx.xxx");
      const std::pair<const char*, std::uint32_t> numbers[] = {
          {"SerPort", 2},  {"AckDoubles", 1},  {"SuccessClose", 0},    {"SuccessAck", 1},
          {"Reminder", 0}, {"RemindTimes", 3}, {"RemindInterval", 10}, {"AttemptInterval", 20},
      };
      for (const auto& [name, value] : numbers)
        EXPECT_EQ(saved.ReadDword(key, name), value) << name;
    }
    const auto protocol =
        saved.OpenKey("SOFTWARE\\QXR\\QXRHarbo\\1.0\\Transfer\\Protocols\\SMS-HIVOICE");
    ASSERT_TRUE(protocol);
    EXPECT_EQ(saved.ReadString(*protocol, "Code"), "SMS-HIVOICE");
    EXPECT_EQ(saved.ReadString(*protocol, "Name"), "SMS-HIVOICE");
    EXPECT_EQ(saved.ReadDword(*protocol, "HasCenter"), 0u);
    EXPECT_EQ(saved.ReadString(*protocol, "TMSFileName"), "sms-hv");
    EXPECT_EQ(saved.ReadDword(*protocol, "CallType"), 1u);
    harness_.reset();
    file_.reset();
  }
}

TEST_F(Step4101Test, Step4101GivesAlarmTypesTheirLanguageColumns) {
  OpenAt4101("step4101_languages");
  auto context = Context();
  ASSERT_TRUE(Step4101(context));
  EXPECT_TRUE(harness_->state.alarm_text_refresh);

  // Type 37 is VARCHAR, 261 BLOB; the last number is the not-null flag.
  for (const char* language : {"FIN", "ENG", "SWE", "GER", "FRA", "HUN", "DUT"}) {
    SCOPED_TRACE(language);
    EXPECT_EQ(ColumnType("ALARMTYPE", std::string("NAME") + language), "37 30 0  1 ");
    EXPECT_EQ(ColumnType("ALARMTYPE", std::string("TEXT") + language), "261 8 0 80  ");
    EXPECT_EQ(ColumnType("ALARMTYPE", std::string("SHORTNAME") + language), "37 10 0  1 ");
    EXPECT_EQ(Count("SELECT COUNT(*) FROM ALARMTYPE WHERE NAME" + std::string(language) +
                    " = '' AND SHORTNAME" + language + " = '' AND TEXT" + language + " IS NULL"),
              2);
  }
  EXPECT_TRUE(harness_->log.Contains(
      "ok      alter table ALARMTYPE add SHORTNAMEHUN varchar (10) default \"\" not null;"));
  EXPECT_EQ(ColumnType("ALARMTYPE", "NAMENOR"), "missing");
  std::string order;  // the language columns, in table order
  for (const auto& row :
       file_->Rows("SELECT TRIM(RDB$FIELD_NAME) FROM RDB$RELATION_FIELDS WHERE RDB$RELATION_NAME = "
                   "'ALARMTYPE' AND CHAR_LENGTH(TRIM(RDB$FIELD_NAME)) IN (7, 12) ORDER BY "
                   "RDB$FIELD_POSITION")) {
    order += engine::ValueAsText(row[0]) + " ";
  }
  EXPECT_EQ(order,
            "NAMEFIN NAMEENG NAMESWE NAMEGER NAMEFRA NAMEHUN NAMEDUT TEXTFIN TEXTENG TEXTSWE "
            "TEXTGER TEXTFRA TEXTHUN TEXTDUT SHORTNAMEFIN SHORTNAMEENG SHORTNAMESWE SHORTNAMEGER "
            "SHORTNAMEFRA SHORTNAMEHUN SHORTNAMEDUT UNITTYPEMASK ");
  EXPECT_EQ(Count("SELECT COUNT(*) FROM ALARMTYPE WHERE UNITTYPEMASK = 255"), 2);
  file_->Run("INSERT INTO ALARMTYPE (TYPEN) VALUES (3);");
  EXPECT_EQ(Count("SELECT UNITTYPEMASK FROM ALARMTYPE WHERE TYPEN = 3"), 255);
}

TEST_F(Step4101Test, Step4101AddsObjectTablesAndKeepsStatusRowsFilled) {
  OpenAt4101("step4101_objects");
  auto context = Context();
  ASSERT_TRUE(Step4101(context));

  // Every existing object has one status row with all values 0; a new object gets one from the
  // trigger.
  const std::string all_zero =
      "SELECT COUNT(*) FROM OBJECTSTATUS WHERE REALTIMESTATUS = 0 AND LATESTRTCHANGE = 0 AND "
      "REDFLAG = 0 AND REDFLAGREASON = 0 AND LATESTREDCHANGE = 0 AND YELLOWFLAG = 0 AND "
      "YELLOWFLAGREASON = 0 AND LATESTYELLOWCHANGE = 0 AND LATESTCHARGE = 0";
  EXPECT_EQ(Count("SELECT COUNT(*) FROM OBJECTSTATUS"), 10);
  EXPECT_EQ(Count(all_zero), 10);
  file_->Run("INSERT INTO OBJECT (OBJECTN, NAME) VALUES (50, 'new');");
  EXPECT_EQ(Count(all_zero + " AND OBJECTN = 50"), 1);
  EXPECT_EQ(Count("SELECT MAINGROUP FROM OBJECT WHERE OBJECTN = 50"), -1);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM OBJECT WHERE MAINGROUP = -1"), 11);

  // Curve index rows take the type of their object; one without an object keeps 0.
  EXPECT_EQ(Count("SELECT OBJECTTYPE FROM CURVEINDEX WHERE OBJECTREF = 3"), 3);
  EXPECT_EQ(Count("SELECT OBJECTTYPE FROM CURVEINDEX WHERE OBJECTREF = 5"), 1);
  EXPECT_EQ(Count("SELECT OBJECTTYPE FROM CURVEINDEX WHERE OBJECTREF = 99"), 0);

  // Only evening calculations (type 11) with a positive REAL1 get REAL2 = 1 / REAL1 / 2.55.
  const auto calcs = file_->Rows("SELECT REAL2 FROM CALCS ORDER BY DAYPOS");
  ASSERT_EQ(calcs.size(), 3u);
  EXPECT_NEAR(std::get<double>(calcs[0][0]), 1 / 0.5 / 2.55, 1e-12);
  EXPECT_EQ(std::get<double>(calcs[1][0]), 7);
  EXPECT_EQ(std::get<double>(calcs[2][0]), 7);

  EXPECT_EQ(ColumnType("LOCATION", "NAME"), "37 20 0   ");
  EXPECT_EQ(ColumnType("EVENT", "LOC_NAME"), "37 25 0   ");
  file_->Run(
      "INSERT INTO OBJECTGROUP (GROUPID, GROUPNAME, ORDERPOS, REQUIREADMIN) VALUES (1, 'A', 1, 0);"
      "INSERT INTO ALLOWACCESS (OBJECTN, BASEUNITN, ALLOWTYPE, ALLOWFLAGS, ALLOWEXTRA) VALUES (1, "
      "2, 3, 4, 'x');");
  EXPECT_EQ(Count("SELECT COUNT(*) FROM OBJECTGROUP"), 1);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM ALLOWACCESS"), 1);
}

TEST_F(Step4101Test, Step4101SchedulesTheDailyAndLastRunCalculations) {
  OpenAt4101("step4101_schedule");
  auto context = Context();
  ASSERT_TRUE(Step4101(context));

  auto triggers = Triggers();
  EXPECT_EQ(triggers.size(), 10u * 10);
  for (const StartDayCase& c : kStartDayCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ((triggers[{c.object, 12}]), std::string(c.start_day) + " 00:01:00");
    EXPECT_EQ((triggers[{c.object, 30}]), std::string(c.last_run_day) + " 00:01:00");
    EXPECT_EQ((triggers[{c.object, 31}]), std::string(c.last_run_day) + " 00:01:00");
  }
  EXPECT_TRUE(harness_->log.Contains(
      "ok      insert into calcindex (operator, obj, calctype, nexttrigger) VALUES (1, 6, 31, "
      "\"2026-11-30 00:01:00\")"));
  // Type 13 runs at midnight after the start day; a month end turns over.
  EXPECT_EQ((triggers[{1, 13}]), "2026-12-13 00:00:00");
  EXPECT_EQ((triggers[{6, 13}]), "2026-06-16 00:00:00");
  EXPECT_EQ((triggers[{8, 13}]), "2026-11-13 00:00:00");
}

// A repeated run fails harmlessly in every statement and duplicates no row; the legacy key keeps
// the one pair of transfer systems of the first run.
TEST_F(Step4101Test, Step4101RunTwiceDuplicatesNoRow) {
  OpenAt4101("step4101_twice");
  auto context = Context();
  ASSERT_TRUE(Step4101(context));
  const auto triggers = Triggers();
  const auto real2 = file_->Rows("SELECT REAL2 FROM CALCS ORDER BY DAYPOS");
  harness_->clock.now = {2027, 2, 1, 8, 0, 0, 0};

  EXPECT_TRUE(Step4101(context));
  EXPECT_EQ(Triggers(), triggers);
  EXPECT_EQ(file_->Rows("SELECT REAL2 FROM CALCS ORDER BY DAYPOS"), real2);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM OBJECTSTATUS"), 10);
  file_->Run("INSERT INTO OBJECT (OBJECTN) VALUES (60);");
  EXPECT_EQ(Count("SELECT COUNT(*) FROM OBJECTSTATUS WHERE OBJECTN = 60"), 1);
  EXPECT_EQ(harness_->current_user.ReadString(System(1), "Name"), "SMS + HiPath voice");
  EXPECT_EQ(harness_->current_user.ReadString(System(2), "Name"), "Voice + HiPath digi");
  EXPECT_FALSE(harness_->current_user.KeyExists(std::string(kSystems) + "Syst3"));
}

// With a Syst99 in the key, the last the system list shows, step 3501 puts Email and SMS in
// Syst100 and Syst101, and step 4101 its systems above them. A repeated run of either step
// recognises its systems there and adds no second pair.
TEST_F(Step4101Test, SystemsAboveSyst99AreKeptThroughSteps3501And4101) {
  Open("step4101_syst99");
  auto& hive = harness_->current_user;
  hive.WriteString(hive.CreateKey(std::string(kSystems) + "Syst98"), "Name", "old 98");
  hive.WriteString(hive.CreateKey(std::string(kSystems) + "Syst99"), "Name", "old 99");
  auto context = Context();
  for (const auto step : {Step3501, Step3501, Step4000, Step4001, Step4101, Step4101}) {
    ASSERT_TRUE(step(context));
  }
  EXPECT_TRUE(harness_->log.Contains("transfer system \"SMS\" of an earlier run kept"));
  EXPECT_TRUE(harness_->log.Contains("step 4101: HiPath transfer systems of an earlier run kept"));

  const auto saved = platform::RegistryHive::CurrentUser(harness_->machine);
  const std::pair<int, const char*> kSystemsAfter[] = {
      {98, "old 98"},
      {99, "old 99"},
      {100, "Email"},
      {101, "SMS"},
      {102, "SMS + HiPath voice"},
      {103, "Voice + HiPath digi"},
  };
  for (const auto& [n, name] : kSystemsAfter) {
    const auto key = saved.OpenKey(std::string(kSystems) + "Syst" + std::to_string(n));
    ASSERT_TRUE(key) << "Syst" << n;
    EXPECT_EQ(saved.ReadString(*key, "Name"), name) << "Syst" << n;
  }
  EXPECT_FALSE(saved.KeyExists(std::string(kSystems) + "Syst104"));
}

// A Name of another type than a string in the legacy key stops the step before it changes the
// database or the key.
TEST_F(Step4101Test, Step4101FailsOnAWronglyTypedSystemName) {
  OpenAt4101("step4101_badkey");
  auto& hive = harness_->current_user;
  hive.WriteDword(hive.CreateKey(std::string(kSystems) + "Syst1"), "Name", 7);
  auto context = Context();
  EXPECT_FALSE(Step4101(context));
  EXPECT_FALSE(harness_->state.alarm_text_refresh);
  EXPECT_TRUE(harness_->log.Contains("step 4101: legacy settings key not updated"));
  EXPECT_FALSE(hive.KeyExists(std::string(kSystems) + "Syst2"));
  EXPECT_FALSE(std::filesystem::exists(harness_->machine.CurrentUserHive()));
  EXPECT_EQ(ColumnType("ALARMTYPE", "NAMEFIN"), "missing");
  EXPECT_EQ(Count("SELECT COUNT(*) FROM CALCINDEX WHERE CALCTYPE = 12"), 0);
}

// The start-day query failing after the registry and schema work: false, what was written stays.
// The run that repeats the step once the objects can be read again adds no second pair of
// transfer systems: the hive file stays as the failed run saved it.
TEST_F(Step4101Test, Step4101FailsWhenTheObjectsCannotBeRead) {
  OpenAt4101("step4101_nocurve");
  harness_->db.ReconnectMainDatabase();  // step 4000 used CURVE on this attachment
  file_->Run("DROP TABLE CURVE;");
  auto context = Context();
  EXPECT_FALSE(Step4101(context));
  EXPECT_FALSE(harness_->state.alarm_text_refresh);
  EXPECT_TRUE(harness_->log.Contains("step 4101: calculation schedule stopped"));
  EXPECT_NE(ColumnType("ALARMTYPE", "NAMEFIN"), "missing");
  EXPECT_TRUE(platform::RegistryHive::CurrentUser(harness_->machine)
                  .KeyExists(std::string(kSystems) + "Syst2"));

  const auto hive_file = harness_->machine.CurrentUserHive();
  const std::string saved = FileBytes(hive_file);
  file_->Run(
      "CREATE TABLE CURVE (CURVEN INTEGER NOT NULL, OBJECTREF INTEGER NOT NULL, DAYPOS INTEGER NOT "
      "NULL, ROWTYPE INTEGER NOT NULL, PRIMARY KEY (CURVEN));");
  harness_->current_user = platform::RegistryHive::CurrentUser(harness_->machine);
  EXPECT_TRUE(Step4101(context));
  EXPECT_TRUE(harness_->log.Contains("step 4101: HiPath transfer systems of an earlier run kept"));
  EXPECT_TRUE(FileBytes(hive_file) == saved) << "the hive file changed";
  const auto again = platform::RegistryHive::CurrentUser(harness_->machine);
  EXPECT_EQ(again.ReadString(System(1), "Name"), "SMS + HiPath voice");
  EXPECT_EQ(again.ReadString(System(2), "Name"), "Voice + HiPath digi");
  EXPECT_FALSE(again.KeyExists(std::string(kSystems) + "Syst3"));
  EXPECT_EQ(Count("SELECT COUNT(*) FROM CALCINDEX WHERE CALCTYPE = 31"), 10);
}

}  // namespace
}  // namespace harbo::steps

// Steps 5100 and 5500 on databases made from the base schema of version 3101 plus what steps
// 4000 to 5002 add before them.
#include "steps/steps_5100_5500.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/text_encoding.h"
#include "steps/texts/alarm_type_texts.h"
#include "test_database.h"

namespace harbo::steps {
namespace {

using harbo::testing::EngineHarness;
using harbo::testing::TestDatabase;

// The schema that steps 4000 to 5002 leave: alarm-type languages and unit-type masks, object
// groups, calculations and map objects, the map counters. The Norwegian columns come from a later
// step; they are here to show that step 5100 leaves them alone.
std::string SchemaBefore5100() {
  std::string sql =
      "CREATE TABLE CALCS (OPERATOR INTEGER DEFAULT 0 NOT NULL, OBJ INTEGER NOT NULL, DAYPOS "
      "INTEGER NOT NULL, CALCTYPE INTEGER NOT NULL, REAL1 DOUBLE PRECISION DEFAULT 0, PRIMARY KEY "
      "(OPERATOR, OBJ, DAYPOS, CALCTYPE));\n"
      "CREATE TABLE OBJECTGROUP (GROUPID INTEGER NOT NULL, GROUPNAME VARCHAR(30) NOT NULL, "
      "ORDERPOS INTEGER NOT NULL, REQUIREADMIN INTEGER NOT NULL, PRIMARY KEY (GROUPID));\n"
      "CREATE TABLE MAPOBJECT (OBJECTID INTEGER NOT NULL, WCID INTEGER NOT NULL, BUID INTEGER NOT "
      "NULL, PARENTMAP INTEGER NOT NULL, OBJECTTYPE INTEGER NOT NULL, YPOS INTEGER NOT NULL, XPOS "
      "INTEGER NOT NULL, LABEL VARCHAR(50) NOT NULL, OBJSIZE INTEGER NOT NULL, PRIMARY KEY "
      "(OBJECTID));\n"
      "ALTER TABLE OBJECT ADD MAINGROUP INTEGER DEFAULT -1 NOT NULL;\n"
      "ALTER TABLE ALARMTYPE ADD UNITTYPEMASK INTEGER DEFAULT 255;\n"
      "INSERT INTO COUNTER (NAME, VAL) VALUES ('mappage', 7);\n"
      "INSERT INTO COUNTER (NAME, VAL) VALUES ('MAPIMAGE', 0);\n"
      "UPDATE PARAM SET VAL = '5100' WHERE NAME = 'DBVERSION';\n";
  for (const char* language : {"FIN", "ENG", "SWE", "GER", "FRA", "HUN", "DUT", "NOR"}) {
    const std::string l = language;
    sql += "ALTER TABLE ALARMTYPE ADD NAME" + l + " VARCHAR(30) DEFAULT '' NOT NULL;\n";
    sql += "ALTER TABLE ALARMTYPE ADD TEXT" + l + " BLOB SUB_TYPE 0 SEGMENT SIZE 80;\n";
    sql += "ALTER TABLE ALARMTYPE ADD SHORTNAME" + l + " VARCHAR(10) DEFAULT '' NOT NULL;\n";
  }
  return sql;
}

// Alarm type 11 exists with its own name and foreign texts, 69 does not; COUNTER has a row whose
// name would rewind objectcnt if it went into the statement as it stands.
constexpr std::string_view kData5100 = R"(
INSERT INTO ALARMTYPE (TYPEN, NAME, STATUS, ALARMGROUP, UNITTYPEMASK) VALUES (1, 'Hätä', 3, 1, 5);
INSERT INTO ALARMTYPE (TYPEN, NAME, STATUS, ALARMGROUP, UNITTYPEMASK, NAMEGER, NAMEHUN, TEXTHUN,
  SHORTNAMEHUN, NAMENOR, TEXTNOR, SHORTNAMENOR)
  VALUES (11, 'Palo', 9, 9, 0, 'Feuer', 'Riasztás', 'Riasztás a központból', 'Riaszt',
  'Brannalarm', 'Brannalarm fra anlegget', 'Brann');
INSERT INTO ALARMTYPE (TYPEN, NAME, UNITTYPEMASK) VALUES (17, 'Akku', 0);
INSERT INTO ALARMTYPE (TYPEN, NAME, UNITTYPEMASK) VALUES (30, 'Huolto', 255);
INSERT INTO ALARMTYPE (TYPEN, NAME, UNITTYPEMASK) VALUES (36, 'Ovi', NULL);
INSERT INTO ALARMTYPE (TYPEN, NAME, UNITTYPEMASK) VALUES (200, 'Oma', 255);
INSERT INTO OBJECT (OBJECTN, NAME) VALUES (1, 'Aino');
INSERT INTO OBJECT (OBJECTN, NAME) VALUES (2, 'Eino');
INSERT INTO OBJECTGROUP (GROUPID, GROUPNAME, ORDERPOS, REQUIREADMIN) VALUES (1, 'Talo A', 1, 0);
INSERT INTO REALTIMECURVES (OBJECTREF, COLORPOS) VALUES (1, 3);
INSERT INTO PARAM (NAME, VAL) VALUES ('SiteName', 'Koivukoti');
UPDATE COUNTER SET VAL = 41 WHERE NAME = 'object';
INSERT INTO COUNTER (NAME, VAL) VALUES ('ROUTE', 12);
INSERT INTO COUNTER (NAME, VAL) VALUES ('nothing', 3);
INSERT INTO COUNTER (NAME, VAL) VALUES ('objectcnt to 1 --', 0);
)";

class StepsTest : public ::testing::Test {
 protected:
  void Open(std::string_view name, std::string_view data, std::string setup_folder = {}) {
    file_.emplace(name, std::vector<std::string>{"schema_3101.sql"}, SchemaBefore5100());
    file_->Run(data);
    harness_.emplace(*file_, std::move(setup_folder));
    ASSERT_TRUE(harness_->db.OpenMainDatabase());
  }
  engine::StepContext Context() { return harness_->Context(); }
  long long Integer(const std::string& sql) { return file_->Integer(sql); }
  std::string Text(const std::string& sql) { return file_->Text(sql); }
  long long Generator(const std::string& name) {
    return Integer("SELECT GEN_ID(" + name + ", 0) FROM RDB$DATABASE");
  }
  bool Exists(const std::string& catalogue, const std::string& column, const std::string& name) {
    return Integer("SELECT COUNT(*) FROM " + catalogue + " WHERE " + column + " = '" + name +
                   "'") == 1;
  }

  std::optional<TestDatabase> file_;
  std::optional<EngineHarness> harness_;
};

TEST(AlarmTypeTextsTest, EveryTextFitsWindows1252AndItsColumn) {
  for (const AlarmTypeText& t : FireAndTestAlarmTexts()) {
    SCOPED_TRACE(std::to_string(t.type) + " " + std::string(t.language));
    const auto name = platform::Utf8ToWindows1252(t.name);
    const auto short_name = platform::Utf8ToWindows1252(t.short_name);
    ASSERT_TRUE(name.has_value());
    ASSERT_TRUE(short_name.has_value());
    EXPECT_TRUE(platform::Utf8ToWindows1252(t.text).has_value());
    EXPECT_LE(name->size(), 30u);        // NAME<L> varchar(30)
    EXPECT_LE(short_name->size(), 10u);  // SHORTNAME<L> varchar(10)
    EXPECT_FALSE(t.text.empty());
  }
  EXPECT_EQ(FindFireAndTestAlarmText(11, "ger"), nullptr);  // English stands in
  ASSERT_NE(FindFireAndTestAlarmText(69, "eng"), nullptr);
}

TEST_F(StepsTest, Step5100CreatesTheLoginAndLogSchema) {
  Open("step5100_schema", kData5100);
  auto context = Context();
  ASSERT_TRUE(Step5100(context));

  for (const char* table : {"ACTIONSLOG", "ALARMREQUEST", "CLIENTSETTINGS", "LOGINRIGHTS", "LOGINS",
                            "REALTIME", "TRANSFERLOG", "USERRIGHTS"}) {
    SCOPED_TRACE(table);
    EXPECT_TRUE(Exists("RDB$RELATIONS", "RDB$RELATION_NAME", table));
  }
  for (const char* index : {"IDX_CALCS_1", "IDX_TRANSFERLOG_1", "IDX_MAPOBJECT_1",
                            "IDX_MAPOBJECT_2", "IDX_MAPOBJECT_3"}) {
    SCOPED_TRACE(index);
    EXPECT_TRUE(Exists("RDB$INDICES", "RDB$INDEX_NAME", index));
  }
  for (const char* trigger : {"NEWACTION", "NEWTRANSFER", "INSERT_REALTIME"}) {
    SCOPED_TRACE(trigger);
    EXPECT_TRUE(Exists("RDB$TRIGGERS", "RDB$TRIGGER_NAME", trigger));
  }
  // The old curves give way to the table per user.
  EXPECT_EQ(Integer("SELECT COUNT(*) FROM REALTIMECURVES"), 0);
  file_->Run("INSERT INTO REALTIMECURVES (USERID, OBJECTREF, COLORPOS) VALUES (1, 1, 3);");

  const auto admin = file_->Rows(
      "SELECT SITEID, USERNAME, PSWORD, BLOCKCUSTOMERS, BLOCKCURVES, BLOCKALARMACK, BLOCKEDITS, "
      "SHOWSYSTEM, SHOWALLGROUP, SHOWALLCUSTOMERS, SHOWALLMAPS, SHOWSETTINGS, SHOWTECHSETTINGS "
      "FROM LOGINRIGHTS WHERE USERID = 1");
  ASSERT_EQ(admin.size(), 1u);
  EXPECT_EQ(engine::ValueAsText(admin[0][1]), "Admin");
  EXPECT_EQ(engine::ValueAsText(admin[0][2]).size(), 1u);
  const int flags[] = {0, 0, 0, 0, 0, 1, 0, 1, 1, 1, 1};  // SITEID, then the flags in order
  for (int i = 0; i < 11; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(engine::ValueAsInteger(admin[0][i == 0 ? 0 : i + 2]), flags[i]);
  }

  // Every object has its real-time row, the existing ones now, a new one through the trigger.
  EXPECT_EQ(Integer("SELECT COUNT(*) FROM REALTIME WHERE OBJECTN IN (1, 2)"), 2);
  file_->Run("INSERT INTO OBJECT (OBJECTN, NAME) VALUES (3, 'Tyyne');");
  EXPECT_EQ(Integer("SELECT COUNT(*) FROM REALTIME WHERE OBJECTN = 3 AND LATESTCURVEPOINT = 0 "
                    "AND LATESTPOINTSTAMP = 0"),
            1);
  // The event triggers compile and fire.
  file_->Run(
      "INSERT INTO ACTIONSLOG (ACTIONNUM, USERID) VALUES (1, 1);"
      "INSERT INTO TRANSFERLOG (LOGNUM, EVENTTEXT) VALUES (1, 'Soitto');");

  EXPECT_EQ(Integer("SELECT DEFAULTTIMETABLE FROM OBJECTGROUP WHERE GROUPID = 1"), 0);
  EXPECT_EQ(Integer("SELECT COUNT(NOTES) FROM LOCATION"), 0);  // the column exists
  EXPECT_EQ(Integer("SELECT COUNT(IMAGE) FROM OBJECT"), 0);
  EXPECT_EQ(Text("SELECT VAL FROM PARAM WHERE NAME = 'SITENAME'"), "Koivukoti");
  EXPECT_EQ(Integer("SELECT COUNT(*) FROM PARAM WHERE NAME <> UPPER(NAME)"), 0);
}

TEST_F(StepsTest, Step5100MakesSureOfTheFireAndTestAlarmTypes) {
  Open("step5100_alarmtypes", kData5100);
  auto context = Context();
  ASSERT_TRUE(Step5100(context));

  const struct {
    int type;
    const char *name, *status_group_mask;
  } kTypes[] = {{11, "Palo", "4 4 32"}, {69, "Temp", "1 3 127"}};
  for (const auto& t : kTypes) {
    SCOPED_TRACE(t.type);
    const std::string where = " FROM ALARMTYPE WHERE TYPEN = " + std::to_string(t.type);
    EXPECT_EQ(Text("SELECT NAME" + where), t.name);
    EXPECT_EQ(Text("SELECT STATUS || ' ' || ALARMGROUP || ' ' || UNITTYPEMASK" + where),
              t.status_group_mask);
  }
  // Name, short name and text per language; German takes the English texts.
  const struct {
    int type;
    const char *language, *name, *short_name, *text;
  } kTexts[] = {
      {11, "FIN", "Palohälytys", "Palo", nullptr},
      {11, "ENG", "Fire alarm", "Fire",
       "This is a fire alarm from a fire alarm system connected to Pelmar Harbo."},
      {11, "SWE", "Brandlarm", "Brand", nullptr},
      {11, "FRA", "Alarme Incendie", "Incendie", nullptr},
      {11, "GER", "Fire alarm", "Fire",
       "This is a fire alarm from a fire alarm system connected to Pelmar Harbo."},
      {11, "DUT", "Brandlarm", "Brand", nullptr},
      {69, "FIN", "Testihälytys", "Testi", "Tämä on testihälytys."},
      {69, "ENG", "Test alarm", "Test", "This is a test alarm."},
      {69, "SWE", "Testlarm", "Test", "Detta är ett testlarm."},
      {69, "FRA", "Alarme de test", "Test", "C’est une alarme de test."},
      {69, "GER", "Test alarm", "Test", "This is a test alarm."},
      {69, "DUT", "Testalarm", "Test", "Dit is een testalarm."},
  };
  for (const auto& t : kTexts) {
    SCOPED_TRACE(std::to_string(t.type) + " " + t.language);
    const std::string l = t.language;
    const auto row = file_->Rows("SELECT NAME" + l + ", SHORTNAME" + l + ", TEXT" + l +
                                 " FROM ALARMTYPE WHERE TYPEN = " + std::to_string(t.type));
    ASSERT_EQ(row.size(), 1u);
    EXPECT_EQ(engine::ValueAsText(row[0][0]), platform::Cp1252(t.name));
    EXPECT_EQ(engine::ValueAsText(row[0][1]), platform::Cp1252(t.short_name));
    const std::string text = engine::ValueAsText(row[0][2]);
    if (t.text != nullptr) {
      EXPECT_EQ(text, platform::Cp1252(t.text));
    }
    if (t.type == 11) {
      EXPECT_NE(text.find("Pelmar Harbo"), std::string::npos);
    }
  }
  // Hungarian and Norwegian are not touched: 11 keeps its own, 69 has none.
  const auto hun_nor = file_->Rows(
      "SELECT NAMEHUN, TEXTHUN, SHORTNAMEHUN, NAMENOR, TEXTNOR, SHORTNAMENOR FROM ALARMTYPE "
      "WHERE TYPEN IN (11, 69) ORDER BY TYPEN");
  ASSERT_EQ(hun_nor.size(), 2u);
  const char* kKept[] = {"Riasztás",   "Riasztás a központból",   "Riaszt",
                         "Brannalarm", "Brannalarm fra anlegget", "Brann"};
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(engine::ValueAsText(hun_nor[0][i]), platform::Cp1252(kKept[i]));
    EXPECT_EQ(engine::ValueAsText(hun_nor[1][i]), "");
  }
}

TEST_F(StepsTest, Step5100FillsTheUnitTypeMasks) {
  Open("step5100_masks", kData5100);
  auto context = Context();
  ASSERT_TRUE(Step5100(context));
  const struct {
    int type;
    const char* masks;  // mask0..mask6, then maskS
  } kCases[] = {
      {1, "1010000 0"},    // UnitTypeMask 5
      {11, "0000010 1"},   // set to 32 by the fire alarm settings
      {17, "0000000 1"},   // 0
      {30, "1111111 1"},   // 255: bit 7 has no column
      {36, "0000000 1"},   // null counts as 0
      {69, "1111111 1"},   // 127 from the test alarm settings
      {200, "1111111 0"},  // 255, not a maskS type
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.type);
    EXPECT_EQ(Text("SELECT MASK0 || MASK1 || MASK2 || MASK3 || MASK4 || MASK5 || MASK6 || ' ' || "
                   "MASKS FROM ALARMTYPE WHERE TYPEN = " +
                   std::to_string(c.type)),
              c.masks);
  }
}

TEST_F(StepsTest, Step5100CarriesTheCountersIntoGenerators) {
  Open("step5100_counters", kData5100);
  auto context = Context();
  ASSERT_TRUE(Step5100(context));
  const struct {
    const char* generator;
    long long value;
  } kCases[] = {
      {"objectcnt", 42},  // COUNTER object 41; the row named "objectcnt to 1 --" is not run
      {"mappagecnt", 8}, {"routecnt", 13},     {"mapimagecnt", 1},    {"eventcnt", 1},
      {"USERIDcnt", 1},  {"ACTIONSLOGcnt", 1}, {"transferlogcnt", 1},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.generator);
    EXPECT_EQ(Generator(c.generator), c.value);
  }
  EXPECT_EQ(Integer("SELECT COUNT(*) FROM RDB$GENERATORS WHERE RDB$SYSTEM_FLAG = 0"), 13);
  EXPECT_TRUE(harness_->log.Contains("counter \"objectcnt to 1 --\" is not carried"));
  EXPECT_EQ(Integer("SELECT COUNT(*) FROM COUNTER"), 9);  // left in place
}

// A run after a failure further on (or a second run) keeps what the first made: the login, the
// curves per user, generators already handed out; the counters are carried over again.
TEST_F(StepsTest, Step5100RunTwiceKeepsWhatTheFirstRunMade) {
  Open("step5100_twice", kData5100);
  auto context = Context();
  ASSERT_TRUE(Step5100(context));
  file_->Run(
      "INSERT INTO REALTIMECURVES (USERID, OBJECTREF, COLORPOS) VALUES (1, 2, 5);"
      "SET GENERATOR ACTIONSLOGcnt TO 77;"
      "UPDATE COUNTER SET VAL = 50 WHERE NAME = 'object';"
      "UPDATE ALARMTYPE SET NAMEENG = 'Fire!' WHERE TYPEN = 11;");
  ASSERT_TRUE(Step5100(context));
  EXPECT_EQ(Integer("SELECT COUNT(*) FROM LOGINRIGHTS"), 1);
  EXPECT_EQ(Integer("SELECT COLORPOS FROM REALTIMECURVES WHERE USERID = 1 AND OBJECTREF = 2"), 5);
  EXPECT_EQ(Generator("ACTIONSLOGcnt"), 77);
  EXPECT_EQ(Generator("objectcnt"), 51);
  EXPECT_EQ(Text("SELECT NAMEENG FROM ALARMTYPE WHERE TYPEN = 11"), "Fire alarm");
  EXPECT_EQ(Integer("SELECT COUNT(*) FROM ALARMTYPE WHERE TYPEN = 69"), 1);
}

TEST_F(StepsTest, Step5100FailsWhenTheCountersCannotBeRead) {
  Open("step5100_nocounter", "DROP TABLE COUNTER;");
  auto context = Context();
  EXPECT_FALSE(Step5100(context));
  EXPECT_TRUE(harness_->log.Contains("the counters cannot be carried into generators"));
  EXPECT_TRUE(Exists("RDB$RELATIONS", "RDB$RELATION_NAME", "ACTIONSLOG"));  // the rest is done
  EXPECT_EQ(Generator("objectcnt"), 1);
}

// The chain enters step 5100 at 5101 as well; the step then sets 5500.
TEST_F(StepsTest, Step5100IsEnteredAt5101) {
  const TestDatabase reference("step5101/setup/upddata/common",
                               "CREATE TABLE PARAM (NAME VARCHAR(40) NOT NULL, VAL VARCHAR(255));");
  const auto setup = reference.Path().parent_path().parent_path();
  Open("step5101/harbo", "UPDATE PARAM SET VAL = '5101' WHERE NAME = 'DBVERSION';",
       setup.string() + "/");
  constexpr engine::StepEntry kTable[] = {{5100, 5101, 5500, Step5100}, {5500, 0, 6000, nullptr}};
  struct QuietView final : engine::ChainView {
    void SetMessageText(std::string_view) override {}
    void ProcessPendingEvents() override {}
    void ShowErrorBox(std::string_view text) override { ADD_FAILURE() << text; }
  } view;
  EXPECT_FALSE(engine::RunVersionChain(harness_->db, harness_->current_user, kTable, view));
  EXPECT_EQ(Text("SELECT VAL FROM PARAM WHERE NAME = 'DBVERSION'"), "5500");
  EXPECT_EQ(Generator("objectcnt"), 1);
}

// Step 5500 on a database that step 5100 has brought to 5500.
class Step5500Test : public StepsTest {
 protected:
  void Open5500(std::string_view name, std::string_view objects) {
    Open(name, objects);
    auto context = Context();
    ASSERT_TRUE(Step5100(context));
  }
  void WritePicture(const std::string& relative, platform::PictureSize size) {
    platform::RgbPicture picture{size, {}};
    picture.pixels.resize(std::size_t(size.width) * size.height * 3);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) picture.pixels[i] = std::uint8_t(i / 7);
    WriteFile(relative, platform::EncodeJpeg(picture));
  }
  void WriteFile(const std::string& relative, const std::string& data) {
    const auto path = harness_->machine.Root() / "drive_c/HarboServer/Kuvat" / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << data;
  }
  std::optional<platform::PictureSize> StoredSize(int object) {
    const auto rows =
        file_->Rows("SELECT IMAGE FROM OBJECT WHERE OBJECTN = " + std::to_string(object));
    if (rows.empty() || engine::IsNull(rows[0][0])) return std::nullopt;
    return platform::JpegHeaderSize(engine::ValueAsText(rows[0][0]));
  }
};

constexpr std::string_view kPictureObjects = R"(
INSERT INTO OBJECT (OBJECTN, IMGFILENAME) VALUES (1, 'C:\HarboServer\Kuvat\leveä.jpg');
INSERT INTO OBJECT (OBJECTN, IMGFILENAME) VALUES (2, 'C:\HarboServer\Kuvat\korkea.jpg');
INSERT INTO OBJECT (OBJECTN, IMGFILENAME) VALUES (3, 'C:\HarboServer\Kuvat\pieni.jpg');
INSERT INTO OBJECT (OBJECTN, IMGFILENAME) VALUES (4, 'C:\HarboServer\Kuvat\kamera.jpg');
INSERT INTO OBJECT (OBJECTN, IMGFILENAME) VALUES (5, 'C:\HarboServer\Kuvat\poistettu.jpg');
INSERT INTO OBJECT (OBJECTN, IMGFILENAME) VALUES (6, 'C:\HarboServer\Kuvat\muistio.jpg');
INSERT INTO OBJECT (OBJECTN, IMGFILENAME) VALUES (7, 'C:\HarboServer\Kuvat\katkennut.jpg');
INSERT INTO OBJECT (OBJECTN, IMGFILENAME) VALUES (8, '');
INSERT INTO OBJECT (OBJECTN, IMGFILENAME) VALUES (9, NULL);
)";

TEST_F(Step5500Test, ConvertsTheObjectPicturesAndSkipsBadFiles) {
  Open5500("step5500_pictures", kPictureObjects);
  WritePicture("leveä.jpg", {1000, 500});
  WritePicture("korkea.jpg", {300, 600});
  WritePicture("pieni.jpg", {100, 100});
  WritePicture("kamera.jpg", {2000, 1500});
  WriteFile("muistio.jpg", "Aino's picture is in the cupboard");
  WritePicture("full.jpg", {400, 300});
  std::ifstream full(harness_->machine.Root() / "drive_c/HarboServer/Kuvat/full.jpg",
                     std::ios::binary);
  const std::string whole((std::istreambuf_iterator<char>(full)), {});
  WriteFile("katkennut.jpg", whole.substr(0, whole.size() / 2));

  auto context = Context();
  for (int run = 1; run <= 2; ++run) {  // a second run converts the same files again
    SCOPED_TRACE(run);
    ASSERT_TRUE(Step5500(context));
    EXPECT_TRUE(harness_->state.alarm_text_refresh);
    EXPECT_EQ(StoredSize(1), (platform::PictureSize{494, 247}));
    EXPECT_EQ(StoredSize(2), (platform::PictureSize{185, 370}));
    EXPECT_EQ(StoredSize(3), (platform::PictureSize{494, 494}));
    EXPECT_EQ(StoredSize(4), (platform::PictureSize{494, 370}));
    for (int object : {5, 6, 7, 8, 9}) {
      SCOPED_TRACE(object);
      EXPECT_FALSE(StoredSize(object).has_value());
    }
  }
  EXPECT_TRUE(harness_->log.Contains("poistettu.jpg of object 5 is skipped: the file does not"));
  EXPECT_TRUE(harness_->log.Contains("muistio.jpg of object 6 is skipped: not a JPEG"));
  EXPECT_TRUE(harness_->log.Contains("katkennut.jpg of object 7 is skipped: the JPEG data is"));
  // The legacy settings import ran first.
  EXPECT_EQ(Text("SELECT VAL FROM PARAM WHERE NAME = 'TRANSFERMAXTRIES'"), "10");
}

// A legacy setting of the wrong type stops the import; the step fails before the pictures.
TEST_F(Step5500Test, FailsWhenTheLegacySettingsCannotBeRead) {
  Open5500("step5500_badregistry", kPictureObjects);
  WritePicture("leveä.jpg", {1000, 500});
  auto& hive = harness_->current_user;
  hive.WriteString(hive.CreateKey("SOFTWARE\\QXR\\QXRHarbo\\1.0"), "Language", "suomi");
  auto context = Context();
  EXPECT_FALSE(Step5500(context));
  EXPECT_TRUE(harness_->log.Contains("the legacy settings import stopped"));
  EXPECT_FALSE(StoredSize(1).has_value());
  EXPECT_FALSE(harness_->state.alarm_text_refresh);
}

TEST(ObjectPictureSizeTest, FitsTheFrameOf494By370) {
  const struct {
    platform::PictureSize source, stored;
  } kCases[] = {
      {{1000, 500}, {494, 247}},  {{300, 600}, {185, 370}},  {{100, 100}, {494, 494}},
      {{2000, 1500}, {494, 370}},  // 370.5: a tie goes to the even 370
      {{4, 3}, {494, 370}},       {{1000, 501}, {494, 247}}, {{1000, 503}, {494, 248}},
      {{370, 371}, {369, 370}},   {{988, 1}, {494, 1}},  // 0.5 would leave no row
      {{1, 5000}, {1, 370}},      {{0, 10}, {0, 0}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::to_string(c.source.width) + "x" + std::to_string(c.source.height));
    EXPECT_EQ(ObjectPictureSize(c.source), c.stored);
  }
}

}  // namespace
}  // namespace harbo::steps

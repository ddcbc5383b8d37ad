// Settings written into PARAM: update or insert, upper-case names, ORGID from version 7000.
#include <gtest/gtest.h>

#include "engine/param_writer.h"
#include "test_database.h"

namespace harbo::engine {
namespace {

using harbo::testing::EngineHarness;
using harbo::testing::TestDatabase;

constexpr std::string_view kParam = R"(
CREATE TABLE PARAM (NAME VARCHAR(60) NOT NULL, VAL VARCHAR(40), ORGID INTEGER);
INSERT INTO PARAM (NAME, VAL) VALUES ("DBVERSION", "6999");
INSERT INTO PARAM (NAME, VAL) VALUES ("AlarmsMixed", "old");
INSERT INTO PARAM (NAME, VAL, ORGID) VALUES ("SHARED", "a", 2);
INSERT INTO PARAM (NAME, VAL, ORGID) VALUES ("SHARED", "b", 3);
)";

class ParamWriterTest : public ::testing::Test {
 protected:
  ParamWriterTest() : file_("param_writer", kParam), h_(file_) {}
  void SetUp() override { ASSERT_TRUE(h_.db.OpenMainDatabase()); }

  std::vector<std::vector<FieldValue>> Rows(std::string_view name) {
    return file_.Rows("SELECT VAL, ORGID FROM PARAM WHERE NAME = '" + std::string(name) +
                      "' ORDER BY VAL");
  }

  TestDatabase file_;
  EngineHarness h_;
};

TEST_F(ParamWriterTest, InsertsOnceThenUpdatesTheUpperCaseRow) {
  h_.state.database_version = 6999;
  WriteParamText(h_.db, "TraSystem01Name", "Email");
  EXPECT_TRUE(h_.log.Contains("INSERT INTO PARAM (Name, Val) VALUES (\"TRASYSTEM01NAME\", \"Email\")"));
  WriteParamText(h_.db, "trasystem01name", "SMS");
  const auto rows = Rows("TRASYSTEM01NAME");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(ValueAsText(rows[0][0]), "SMS");
  EXPECT_TRUE(IsNull(rows[0][1]));  // no ORGID before version 7000
}

TEST_F(ParamWriterTest, MixedCaseRowIsNotFound) {
  WriteParamText(h_.db, "AlarmsMixed", "new");
  EXPECT_EQ(Rows("AlarmsMixed").size(), 1u);
  EXPECT_EQ(ValueAsText(Rows("ALARMSMIXED")[0][0]), "new");
}

TEST_F(ParamWriterTest, FlagsAndNumbers) {
  const struct {
    std::string_view name;
    void (*write)(Database&);
    std::string_view stored;
  } cases[] = {
      {"B1", [](Database& db) { WriteParamBool(db, "b1", false); }, "0"},
      {"B2", [](Database& db) { WriteParamBool(db, "b2", true); }, "1"},
      {"N1", [](Database& db) { WriteParamInt(db, "n1", -5); }, "-5"},
      {"N2", [](Database& db) { WriteParamInt(db, "n2", 2147483647); }, "2147483647"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    c.write(h_.db);
    EXPECT_EQ(file_.Text("SELECT VAL FROM PARAM WHERE NAME = '" + std::string(c.name) + "'"),
              c.stored);
  }
}

TEST_F(ParamWriterTest, OrgIdFromVersion7000) {
  h_.state.database_version = 7000;
  WriteParamText(h_.db, "NewSetting", "x");
  EXPECT_TRUE(h_.log.Contains("INSERT INTO PARAM (Name, Val, OrgID) VALUES (\"NEWSETTING\", \"x\", 0)"));
  EXPECT_EQ(file_.Integer("SELECT ORGID FROM PARAM WHERE NAME = 'NEWSETTING'"), 0);
  // Of several rows only the first one found changes, and it becomes the whole system's.
  WriteParamText(h_.db, "SHARED", "z");
  const auto rows = Rows("SHARED");
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(ValueAsText(rows[0][0]), "b");
  EXPECT_EQ(ValueAsText(rows[1][0]), "z");
  EXPECT_EQ(ValueAsInteger(rows[1][1]), 0);
}

TEST_F(ParamWriterTest, QuotesAreStoredOnBothPaths) {
  WriteParamText(h_.db, "Quoted", "say \"hi\"");
  EXPECT_EQ(file_.Text("SELECT VAL FROM PARAM WHERE NAME = 'QUOTED'"), "say \"hi\"");
  WriteParamText(h_.db, "Quoted", "\"");
  EXPECT_EQ(file_.Text("SELECT VAL FROM PARAM WHERE NAME = 'QUOTED'"), "\"");
}

TEST_F(ParamWriterTest, ValueThatCannotBeStoredLeavesTheEarlierOne) {
  WriteParamText(h_.db, "Long", "short");
  WriteParamText(h_.db, "Long", std::string(41, 'x'));  // VAL holds 40
  EXPECT_EQ(file_.Text("SELECT VAL FROM PARAM WHERE NAME = 'LONG'"), "short");
  WriteParamText(h_.db, "Other", std::string(41, 'x'));
  EXPECT_EQ(file_.Integer("SELECT COUNT(*) FROM PARAM WHERE NAME = 'OTHER'"), 0);
  EXPECT_TRUE(h_.log.Contains("FAILED  INSERT INTO PARAM"));
}

}  // namespace
}  // namespace harbo::engine

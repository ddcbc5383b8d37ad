// The connection layer against the local server: statements in their own transactions, live
// queries with held row changes, retries and generators.
#include <gtest/gtest.h>

#include "engine/database.h"
#include "engine/database_error.h"
#include "test_database.h"

namespace harbo::engine {
namespace {

using harbo::testing::EngineHarness;
using harbo::testing::TestDatabase;
using namespace std::chrono_literals;

constexpr std::string_view kSchema = R"(
CREATE TABLE PARAM (NAME VARCHAR(60) NOT NULL, VAL VARCHAR(250), CONSTRAINT PK_PARAM PRIMARY KEY (NAME));
INSERT INTO PARAM (NAME, VAL) VALUES ("DBVERSION", "3101");
CREATE TABLE OBJECT (OBJECTID INTEGER NOT NULL PRIMARY KEY, NAME VARCHAR(40), NOTES BLOB SUB_TYPE TEXT,
  CREATED TIMESTAMP, LEVEL1 NUMERIC(15,2));
INSERT INTO OBJECT VALUES (1, "Aino", "Morning visits", "2024-01-02 03:04:05", 1.5);
INSERT INTO OBJECT VALUES (2, "Bertil", NULL, NULL, NULL);
INSERT INTO OBJECT VALUES (3, "Cecilia", NULL, NULL, NULL);
CREATE TABLE NOKEY (A INTEGER, B VARCHAR(10));
INSERT INTO NOKEY VALUES (1, "x");
INSERT INTO NOKEY VALUES (2, "x");
CREATE GENERATOR objectcnt;
SET GENERATOR objectcnt TO 41;
)";

class DatabaseTest : public ::testing::Test {
 protected:
  DatabaseTest() : file_("database_test", kSchema), h_(file_) {}
  void SetUp() override { ASSERT_TRUE(h_.db.OpenMainDatabase()); }

  TestDatabase file_;
  EngineHarness h_;
};

TEST_F(DatabaseTest, FailedStatementIsRolledBackAndTheNextOneRuns) {
  EXPECT_FALSE(h_.db.ExecuteStatement("UPDATE OBJECT SET NAME = \"x\" WHERE"));
  EXPECT_TRUE(h_.log.Contains("FAILED  UPDATE OBJECT SET NAME"));
  EXPECT_TRUE(h_.log.Contains("error: Dynamic SQL Error"));
  EXPECT_TRUE(h_.db.ExecuteStatement("UPDATE OBJECT SET NAME = \"Anna\" WHERE OBJECTID = 1"));
  EXPECT_EQ(file_.Text("SELECT NAME FROM OBJECT WHERE OBJECTID = 1"), "Anna");
}

TEST_F(DatabaseTest, DdlIsCommittedBeforeTheNextStatementUsesIt) {
  EXPECT_TRUE(h_.db.ExecuteStatement("ALTER TABLE OBJECT ADD NURSE INTEGER"));
  EXPECT_TRUE(h_.db.ExecuteStatement("UPDATE OBJECT SET NURSE = 7"));
  EXPECT_EQ(file_.Integer("SELECT SUM(NURSE) FROM OBJECT"), 21);
  // Repeating the DDL fails, as it does when a step runs again, and changes nothing.
  EXPECT_FALSE(h_.db.ExecuteStatement("ALTER TABLE OBJECT ADD NURSE INTEGER"));
  EXPECT_TRUE(h_.db.ExecuteStatement2("UPDATE OBJECT SET NURSE = 8 WHERE OBJECTID = 1"));
  EXPECT_EQ(file_.Integer("SELECT SUM(NURSE) FROM OBJECT"), 22);
}

TEST_F(DatabaseTest, ExecuteStatementClosesTheMainQuery) {
  LiveQuery& main = h_.db.MainQuery();
  main.Open("SELECT * FROM OBJECT");
  ASSERT_TRUE(main.IsOpen());
  EXPECT_TRUE(h_.db.ExecuteStatement("SELECT * FROM OBJECT"));  // a SELECT is opened and closed
  EXPECT_FALSE(main.IsOpen());
  EXPECT_THROW(main.Value("NAME"), DatabaseError);
}

TEST_F(DatabaseTest, RowAccessReadsStoredValues) {
  LiveQuery& q = h_.db.MainQuery();
  q.Open("select * from object order by objectid");
  EXPECT_FALSE(q.IsEmpty());
  EXPECT_EQ(q.FieldCount(), 5);
  EXPECT_EQ(q.FieldName(0), "OBJECTID");
  EXPECT_EQ(q.AsInteger("objectid"), 1);
  EXPECT_EQ(q.AsText("Name"), "Aino");
  EXPECT_EQ(q.AsText("notes"), "Morning visits");
  EXPECT_EQ(std::get<DateTime>(q.Value("CREATED")).ToSqlText(), "2024-01-02 03:04:05");
  EXPECT_DOUBLE_EQ(std::get<double>(q.Value("LEVEL1")), 1.5);
  EXPECT_EQ(q.RecordCount(), 3);
  q.Next();
  EXPECT_TRUE(IsNull(q.Value("NOTES")));
  EXPECT_EQ(q.AsInteger("LEVEL1"), 0);
  EXPECT_EQ(q.AsText("CREATED"), "");
  EXPECT_THROW(q.Value("NO_SUCH_COLUMN"), DatabaseError);
  EXPECT_THROW(q.AsInteger("NAME"), DatabaseError);  // "Bertil" is not a number
  q.Next();
  EXPECT_FALSE(q.Eof());
  q.Next();
  EXPECT_TRUE(q.Eof());
  q.Close();
}

TEST_F(DatabaseTest, EditedRowIsWrittenOnlyWhenApplied) {
  LiveQuery& q = h_.db.SecondQuery();
  q.Open("SELECT * FROM OBJECT WHERE OBJECTID = 2");
  q.Edit();
  q.SetField("NAME", std::string("Lost"));
  q.Close();
  EXPECT_EQ(file_.Text("SELECT NAME FROM OBJECT WHERE OBJECTID = 2"), "Bertil");

  q.Open("SELECT * FROM OBJECT WHERE OBJECTID = 2");
  q.Edit();
  q.SetField("NAME", std::string("B\xE4rbel \"B\""));  // Windows-1252 text with quotes
  q.SetField("NOTES", std::string(70000, 'n'));        // a blob longer than one segment
  q.SetField("CREATED", DateTime{2025, 6, 30, 23, 59, 58, 0});
  q.ApplyRowChanges();
  q.Close();
  EXPECT_EQ(file_.Text("SELECT NAME FROM OBJECT WHERE OBJECTID = 2"), "B\xE4rbel \"B\"");
  EXPECT_EQ(file_.Text("SELECT NOTES FROM OBJECT WHERE OBJECTID = 2").size(), 70000u);
  EXPECT_EQ(file_.Text("SELECT CREATED FROM OBJECT WHERE OBJECTID = 2"), "2025-06-30 23:59:58");
  // Exactly the row that was read: its neighbours keep their names.
  EXPECT_EQ(file_.Text("SELECT NAME FROM OBJECT WHERE OBJECTID = 3"), "Cecilia");
}

TEST_F(DatabaseTest, RowsOfALoopAreAppliedOneByOne) {
  LiveQuery& q = h_.db.MainQuery();
  for (q.Open("SELECT * FROM OBJECT ORDER BY OBJECTID"); !q.Eof(); q.Next()) {
    q.Edit();
    q.SetField("LEVEL1", q.AsInteger("OBJECTID") * 10);
    EXPECT_TRUE(q.TryApplyRowChanges());
  }
  q.Close();
  EXPECT_EQ(file_.Integer("SELECT SUM(LEVEL1) FROM OBJECT"), 60);
}

TEST_F(DatabaseTest, InsertedRowTakesOnlyTheColumnsSet) {
  LiveQuery& q = h_.db.MainQuery();
  q.Open("SELECT * FROM OBJECT WHERE OBJECTID = 99");
  ASSERT_TRUE(q.IsEmpty());
  q.Insert();
  q.SetField("OBJECTID", std::int64_t{99});
  q.SetField("name", std::string("Dora"));
  q.ApplyRowChanges();
  q.Close();
  EXPECT_EQ(file_.Text("SELECT NAME FROM OBJECT WHERE OBJECTID = 99"), "Dora");
}

TEST_F(DatabaseTest, FailedApplyKeepsStoredValuesAndTheQueryGoesOn) {
  LiveQuery& q = h_.db.MainQuery();
  q.Open("SELECT * FROM OBJECT WHERE OBJECTID = 1");
  q.Insert();
  q.SetField("OBJECTID", std::int64_t{3});  // key taken
  q.SetField("NAME", std::string("Duplicate"));
  EXPECT_FALSE(q.TryApplyRowChanges());
  EXPECT_TRUE(h_.log.Contains("FAILED  INSERT INTO OBJECT (OBJECTID, NAME) VALUES (3, \"Duplicate\")"));
  q.Close();
  q.Open("SELECT * FROM OBJECT WHERE OBJECTID = 3");
  q.Edit();
  q.SetField("NAME", std::string("Cilla"));
  EXPECT_TRUE(q.TryApplyRowChanges());
  q.Close();
  EXPECT_EQ(file_.Text("SELECT NAME FROM OBJECT WHERE OBJECTID = 3"), "Cilla");
}

TEST_F(DatabaseTest, TextLongerThanItsColumnIsRefusedAtSet) {
  LiveQuery& q = h_.db.MainQuery();
  q.Open("SELECT * FROM OBJECT WHERE OBJECTID = 1");
  q.Edit();
  EXPECT_THROW(q.SetField("NAME", std::string(41, 'x')), DatabaseError);
  q.SetField("NAME", std::string(40, 'x'));
  EXPECT_TRUE(q.TryApplyRowChanges());
  q.Close();
}

TEST_F(DatabaseTest, TableWithoutKeyUpdatesTheRowByItsValues) {
  LiveQuery& q = h_.db.MainQuery();
  q.Open("SELECT * FROM NOKEY WHERE A = 2");
  q.Edit();
  q.SetField("B", std::string("y"));
  q.ApplyRowChanges();
  q.Close();
  EXPECT_EQ(file_.Text("SELECT B FROM NOKEY WHERE A = 1"), "x");
  EXPECT_EQ(file_.Text("SELECT B FROM NOKEY WHERE A = 2"), "y");
}

TEST_F(DatabaseTest, OpenQueryWithRetry) {
  LiveQuery& q = h_.db.SettingsQuery();
  EXPECT_TRUE(h_.db.OpenQueryWithRetry(q, "SELECT * FROM PARAM WHERE NAME = \"DBVERSION\""));
  EXPECT_EQ(q.AsText("VAL"), "3101");
  EXPECT_TRUE(h_.clock.pauses.empty());

  EXPECT_FALSE(h_.db.OpenQueryWithRetry(q, "SELECT * FROM PARAM WHERE NAME = \"NONE\""));
  EXPECT_FALSE(q.IsOpen());
  EXPECT_TRUE(h_.clock.pauses.empty());  // an empty result is no failure: no retry

  EXPECT_FALSE(h_.db.OpenQueryWithRetry(q, "SELECT * FROM NO_SUCH_TABLE"));
  EXPECT_FALSE(q.IsOpen());
  EXPECT_EQ(h_.clock.pauses, (std::vector<std::chrono::milliseconds>{50ms, 200ms}));
}

TEST_F(DatabaseTest, NextGeneratorValue) {
  LiveQuery& q = h_.db.MainQuery();
  EXPECT_EQ(h_.db.NextGeneratorValue(q, "objectcnt"), 42);
  EXPECT_EQ(h_.db.NextGeneratorValue(q, "objectcnt"), 43);
  EXPECT_FALSE(q.IsOpen());
  EXPECT_EQ(h_.db.NextGeneratorValue(q, "nosuchcnt"), -1);
  EXPECT_EQ(h_.clock.pauses, (std::vector<std::chrono::milliseconds>{50ms, 200ms}));
}

TEST_F(DatabaseTest, ReconnectKeepsTheQueriesUsable) {
  LiveQuery& q = h_.db.MainQuery();
  q.Open("SELECT * FROM OBJECT");
  h_.db.ReconnectMainDatabase();
  EXPECT_FALSE(q.IsOpen());
  EXPECT_TRUE(h_.db.ExecuteStatement("ALTER TABLE OBJECT DROP LEVEL1"));
  q.Open("SELECT * FROM OBJECT");
  EXPECT_EQ(q.FieldCount(), 4);
  q.Close();
  h_.db.CommitMainDatabase();  // nothing pending: no effect, no error
}

TEST(DatabaseOpenTest, MainDatabaseNeedsAttachmentAndParam) {
  TestDatabase no_param("database_no_param", "CREATE TABLE OTHER (A INTEGER);");
  testing::EngineHarness without_table(no_param);
  EXPECT_FALSE(without_table.db.OpenMainDatabase());

  TestDatabase any("database_missing_file", kSchema);
  testing::EngineHarness missing(any);
  missing.state.main_database_path = (testing::TestDatabaseFolder() / "absent.fdb").string();
  EXPECT_FALSE(missing.db.OpenMainDatabase());
  EXPECT_FALSE(missing.db.ExecuteStatement("SELECT * FROM PARAM"));
  EXPECT_EQ(missing.db.NextGeneratorValue(missing.db.MainQuery(), "objectcnt"), -1);
}

TEST(DatabaseOpenTest, ReferenceDatabaseFromTheSetupFolder) {
  TestDatabase main("database_ref_main", kSchema);
  TestDatabase reference("common", kSchema);  // <testdb>/common.fdb
  testing::EngineHarness h(main, testing::TestDatabaseFolder().string() + "/");
  ASSERT_TRUE(h.db.OpenMainDatabase());
  EXPECT_FALSE(h.db.OpenReferenceDatabase());  // upddata/common.fdb is not there
  EXPECT_THROW(h.db.ReferenceQuery(), DatabaseError);
  EXPECT_TRUE(h.db.OpenReferenceDatabase("common.fdb"));
  EXPECT_FALSE(h.db.OpenReferenceDatabase("missing.fdb"));  // the earlier one stays in use
  LiveQuery& ref = h.db.ReferenceQuery();
  ref.Open("SELECT * FROM OBJECT");
  EXPECT_EQ(ref.RecordCount(), 3);
  EXPECT_THROW(ref.Edit(), DatabaseError);
  ref.Close();
  EXPECT_TRUE(h.db.ExecuteStatement("UPDATE OBJECT SET NAME = \"main\""));  // main unaffected
}

}  // namespace
}  // namespace harbo::engine

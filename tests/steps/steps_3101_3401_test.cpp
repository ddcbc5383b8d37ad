// Steps 3101 to 3401 on databases made from the base schema of version 3101.
#include "steps/steps_3101_3401.h"

#include <gtest/gtest.h>

#include "test_database.h"

namespace harbo::steps {
namespace {

using harbo::testing::EngineHarness;
using harbo::testing::TestDatabase;

class Steps3101Test : public ::testing::Test {
 protected:
  void Open(std::string_view name, std::string_view data = {}) {
    file_.emplace(name, std::vector<std::string>{"schema_3101.sql"}, data);
    harness_.emplace(*file_);
    ASSERT_TRUE(harness_->db.OpenMainDatabase());
  }
  engine::StepContext Context() { return harness_->Context(); }
  long long Count(std::string_view sql) { return file_->Integer(sql); }
  bool HasIndex(std::string_view name) {
    return Count("SELECT COUNT(*) FROM RDB$INDICES WHERE RDB$INDEX_NAME = '" + std::string(name) +
                 "'") == 1;
  }

  std::optional<TestDatabase> file_;
  std::optional<EngineHarness> harness_;
};

TEST_F(Steps3101Test, Step3101CreatesTheIndexesItLacks) {
  Open("step3101", "create index idx_event_1 on event(objectn);");
  auto context = Context();
  EXPECT_TRUE(Step3101(context));
  EXPECT_TRUE(HasIndex("IDX_EVENT_1"));
  EXPECT_TRUE(HasIndex("IDX_EVENT_2"));
  EXPECT_TRUE(HasIndex("IDX_CURVE_3"));
  EXPECT_TRUE(harness_->log.Contains("FAILED  create index idx_event_1"));
  EXPECT_FALSE(harness_->state.alarm_text_refresh);
}

TEST_F(Steps3101Test, Step3111AddsNurseColumns) {
  Open("step3111", "INSERT INTO OBJECT (OBJECTN, NAME) VALUES (1, 'Aino');");
  auto context = Context();
  EXPECT_TRUE(Step3111(context));
  EXPECT_EQ(Count("SELECT NURSEACKDI FROM OBJECT WHERE OBJECTN = 1"), 0);
  EXPECT_EQ(Count("SELECT COUNT(NURSE_VISIT_ENDTIME) FROM EVENT"), 0);
  EXPECT_TRUE(harness_->state.alarm_text_refresh);
  EXPECT_TRUE(Step3111(context));  // a second run changes nothing and still succeeds
}

TEST_F(Steps3101Test, Step3201ConvertsEveryObjectType) {
  Open("step3201",
       "INSERT INTO OBJECT (OBJECTN, WCTYPE, GROUPNBR) VALUES (1, 0, 9);"
       "INSERT INTO OBJECT (OBJECTN, WCTYPE, GROUPNBR) VALUES (2, 1, 9);"
       "INSERT INTO OBJECT (OBJECTN, WCTYPE, GROUPNBR) VALUES (3, 2, 9);"
       "INSERT INTO OBJECT (OBJECTN, WCTYPE, GROUPNBR) VALUES (4, 3, 9);"
       "INSERT INTO OBJECT (OBJECTN, WCTYPE, GROUPNBR) VALUES (5, 4, 9);"
       "INSERT INTO OBJECT (OBJECTN, WCTYPE, GROUPNBR) VALUES (6, 5, 9);"
       "INSERT INTO OBJECT (OBJECTN, WCTYPE, GROUPNBR) VALUES (7, 9, 9);"
       "INSERT INTO OBJECT (OBJECTN, WCTYPE, GROUPNBR) VALUES (8, -3, 9);");
  auto context = Context();
  EXPECT_TRUE(Step3201(context));
  EXPECT_TRUE(harness_->state.alarm_text_refresh);
  const auto rows =
      file_->Rows("SELECT WCTYPE, GROUPNBR, DETERIORATION_DELAY FROM OBJECT ORDER BY OBJECTN");
  const int expected[][2] = {{0, 1}, {0, 1}, {2, 3}, {2, 3}, {5, 4}, {4, 4}, {0, 1}, {0, 1}};
  ASSERT_EQ(rows.size(), 8u);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(i + 1);
    EXPECT_EQ(engine::ValueAsInteger(rows[i][0]), expected[i][0]);
    EXPECT_EQ(engine::ValueAsInteger(rows[i][1]), expected[i][1]);
    EXPECT_EQ(engine::ValueAsInteger(rows[i][2]), 5);
  }
}

TEST_F(Steps3101Test, Step3201WithoutObjectsSucceeds) {
  Open("step3201_empty");
  auto context = Context();
  EXPECT_TRUE(Step3201(context));
}

// An object without a type stops the step before anything is converted, so that the run after
// the technician has mended the row converts every object exactly once.
TEST_F(Steps3101Test, Step3201IsRestartableAfterAFailure) {
  Open("step3201_null",
       "INSERT INTO OBJECT (OBJECTN, WCTYPE) VALUES (1, 4);"
       "INSERT INTO OBJECT (OBJECTN, WCTYPE) VALUES (2, NULL);"
       "INSERT INTO OBJECT (OBJECTN, WCTYPE) VALUES (3, 5);");
  auto context = Context();
  EXPECT_FALSE(Step3201(context));
  EXPECT_TRUE(harness_->log.Contains("object types not converted: OBJECT row"));
  EXPECT_EQ(Count("SELECT SUM(WCTYPE) FROM OBJECT"), 9);  // 4 and 5 untouched

  file_->Run("UPDATE OBJECT SET WCTYPE = 2 WHERE OBJECTN = 2;");
  EXPECT_TRUE(Step3201(context));
  const auto rows = file_->Rows("SELECT WCTYPE, GROUPNBR FROM OBJECT ORDER BY OBJECTN");
  EXPECT_EQ(engine::ValueAsInteger(rows[0][0]), 5);
  EXPECT_EQ(engine::ValueAsInteger(rows[1][0]), 2);
  EXPECT_EQ(engine::ValueAsInteger(rows[2][0]), 4);
  EXPECT_EQ(engine::ValueAsInteger(rows[1][1]), 3);
}

TEST_F(Steps3101Test, Step3301ChangesExistingSettingsOnly) {
  Open("step3301",
       "INSERT INTO PARAM (NAME, VAL) VALUES ('ADPActConnUsage2', '9');"
       "INSERT INTO PARAM (NAME, VAL) VALUES ('ADUserDefReportBadConn2', '1');"
       "INSERT INTO PARAM (NAME, VAL) VALUES ('ADPUserDefWristOffDelay2', '1');");
  file_->Run("alter table OBJECT add NurseAckDI integer default 0 not null;");
  auto context = Context();
  EXPECT_TRUE(Step3301(context));
  EXPECT_EQ(file_->Text("SELECT VAL FROM PARAM WHERE NAME = 'ADPActConnUsage2'"), "3");
  EXPECT_EQ(file_->Text("SELECT VAL FROM PARAM WHERE NAME = 'ADUserDefReportBadConn2'"), "0");
  EXPECT_EQ(file_->Text("SELECT VAL FROM PARAM WHERE NAME = 'ADPUserDefWristOffDelay2'"), "5");
  EXPECT_EQ(Count("SELECT COUNT(*) FROM PARAM WHERE NAME = 'ADPActConnDelay2'"), 0);
  EXPECT_TRUE(HasIndex("IDX_OBJECT_1"));
  EXPECT_TRUE(harness_->state.alarm_text_refresh);
}

TEST_F(Steps3101Test, Step3401AddsTheRadioLevelToStoredEvents) {
  Open("step3401", "INSERT INTO EVENT (EVENTN, OBJECTN) VALUES (1, 1);");
  auto context = Context();
  EXPECT_TRUE(Step3401(context));
  EXPECT_EQ(Count("SELECT COUNT(*) FROM EVENT WHERE RFLEVEL = 0"), 1);
}

}  // namespace
}  // namespace harbo::steps

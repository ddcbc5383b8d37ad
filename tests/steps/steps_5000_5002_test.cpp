// Steps 5000 to 5002 on databases made from the base schema of version 3101.
#include "steps/steps_5000_5002.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "test_database.h"

namespace harbo::steps {
namespace {

using harbo::testing::EngineHarness;
using harbo::testing::TestDatabase;

// The unit-type mask column as step 4101 adds it.
constexpr std::string_view kMaskColumn =
    "alter table alarmtype add unittypemask integer default 255;";

class Steps5000Test : public ::testing::Test {
 protected:
  void Open(std::string_view name, std::string_view data = {}) {
    file_.emplace(name, std::vector<std::string>{"schema_3101.sql"}, data);
    harness_.emplace(*file_);
    ASSERT_TRUE(harness_->db.OpenMainDatabase());
  }
  engine::StepContext Context() { return harness_->Context(); }
  long long Count(std::string_view sql) { return file_->Integer(sql); }
  std::map<long long, long long> Masks() {
    std::map<long long, long long> masks;
    for (const auto& row : file_->Rows("SELECT TYPEN, UNITTYPEMASK FROM ALARMTYPE")) {
      masks[engine::ValueAsInteger(row[0])] = engine::ValueAsInteger(row[1]);
    }
    return masks;
  }

  std::optional<TestDatabase> file_;
  std::optional<EngineHarness> harness_;
};

// Type number -> mask, from the table's edges, a value of each of its rows and numbers outside it.
constexpr std::pair<int, int> kMasks[] = {
    {-3, 255}, {0, 255}, {1, 111},  {6, 0},   {10, 32},  {20, 0},    {21, 76},
    {22, 127}, {28, 37}, {37, 111}, {41, 47}, {48, 15},  {50, 95},   {57, 127},
    {60, 42},  {64, 64}, {69, 32},  {70, 32}, {71, 255}, {200, 255},
};

std::string AlarmTypes() {
  std::string sql(kMaskColumn);
  for (const auto& [type, mask] : kMasks) {
    sql += "INSERT INTO ALARMTYPE (TYPEN, NAME, UNITTYPEMASK) VALUES (" + std::to_string(type) +
           ", 'type', 9);";
  }
  return sql;
}

TEST_F(Steps5000Test, Step5000GivesEveryAlarmTypeItsMask) {
  Open("step5000", AlarmTypes());
  auto context = Context();
  for (int run = 1; run <= 2; ++run) {  // a repeated run sets the same values
    SCOPED_TRACE(run);
    ASSERT_TRUE(Step5000(context));
    EXPECT_FALSE(harness_->db.MainQuery().IsOpen());
    auto masks = Masks();
    ASSERT_EQ(masks.size(), std::size(kMasks));
    for (const auto& [type, mask] : kMasks) EXPECT_EQ(masks[type], mask) << "type " << type;
  }
}

// A row whose change the database refuses keeps its stored mask; the loop goes on to the others.
TEST_F(Steps5000Test, Step5000GoesOnPastARowThatCannotBeWritten) {
  Open("step5000_refused", AlarmTypes() +
                               "ALTER TABLE ALARMTYPE ADD CONSTRAINT MASK_OF_22 CHECK (TYPEN <> 22 "
                               "OR UNITTYPEMASK = 9);");
  auto context = Context();
  EXPECT_TRUE(Step5000(context));
  auto masks = Masks();
  EXPECT_EQ(masks[22], 9);
  EXPECT_EQ(masks[21], 76);
  EXPECT_EQ(masks[200], 255);
  EXPECT_TRUE(harness_->log.Contains("step 5000: unit-type mask of alarm type 22 not written"));
}

TEST_F(Steps5000Test, Step5000FailsWithoutTheMaskColumn) {
  Open("step5000_nocolumn", "INSERT INTO ALARMTYPE (TYPEN, NAME) VALUES (1, 'type');");
  auto context = Context();
  EXPECT_FALSE(Step5000(context));
  EXPECT_FALSE(harness_->db.MainQuery().IsOpen());
  EXPECT_TRUE(harness_->log.Contains("step 5000: unit-type masks stopped"));
}

TEST_F(Steps5000Test, Step5001AddsEventExtras) {
  Open("step5001", "INSERT INTO EVENT (EVENTN) VALUES (1);");
  auto context = Context();
  EXPECT_TRUE(Step5001(context));
  EXPECT_TRUE(Step5001(context));  // the columns exist: nothing changes
  file_->Run("INSERT INTO EVENT (EVENTN, EXTRA_LOCN) VALUES (2, 7);");
  EXPECT_EQ(Count("SELECT COUNT(*) FROM EVENT WHERE EXTRA_TYPE = '' AND EVENTN = 2"), 1);
  EXPECT_EQ(Count("SELECT SUM(EXTRA_LOCN) FROM EVENT"), 7);
  file_->Run("UPDATE EVENT SET EXTRA_TYPE = '" + std::string(30, 'x') + "' WHERE EVENTN = 1;");
  EXPECT_EQ(file_->Text("SELECT EXTRA_TYPE FROM EVENT WHERE EVENTN = 1").size(), 30u);
}

TEST_F(Steps5000Test, Step5002CreatesTheMapTablesAndTheirCounters) {
  Open("step5002");
  auto context = Context();
  ASSERT_TRUE(Step5002(context));
  EXPECT_FALSE(harness_->db.MainQuery().IsOpen());
  const auto counters = file_->Rows(
      "SELECT NAME, VAL FROM COUNTER WHERE NAME IN ('mappage', 'MAPIMAGE', "
      "'MAPOBJECT') ORDER BY NAME");
  ASSERT_EQ(counters.size(), 3u);
  EXPECT_EQ(engine::ValueAsText(counters[0][0]), "MAPIMAGE");
  EXPECT_EQ(engine::ValueAsText(counters[1][0]), "MAPOBJECT");
  EXPECT_EQ(engine::ValueAsText(counters[2][0]), "mappage");
  for (const auto& row : counters) EXPECT_EQ(engine::ValueAsInteger(row[1]), 0);

  // The tables take rows of every column, and a map that was made is kept by a second run.
  file_->Run(
      "INSERT INTO MAPPAGE (MAPID, MAPNAME, ORDERPOS, IMAGEID) VALUES (1, 'Ground floor', 1, 1);"
      "INSERT INTO MAPIMAGE (IMAGEID, MAPIMAGE) VALUES (1, 'jpeg');"
      "INSERT INTO MAPOBJECT (OBJECTID, WCID, BUID, PARENTMAP, OBJECTTYPE, YPOS, XPOS, LABEL, "
      "OBJSIZE) VALUES (1, 2, 3, 1, 4, 5, 6, 'Room 12', 7);"
      "UPDATE COUNTER SET VAL = 1 WHERE NAME IN ('mappage', 'MAPIMAGE', 'MAPOBJECT');");
  EXPECT_TRUE(Step5002(context));
  EXPECT_EQ(Count("SELECT COUNT(*) FROM MAPPAGE") + Count("SELECT COUNT(*) FROM MAPIMAGE") +
                Count("SELECT COUNT(*) FROM MAPOBJECT"),
            3);
  EXPECT_EQ(Count("SELECT SUM(VAL) FROM COUNTER WHERE NAME IN ('mappage', 'MAPIMAGE', "
                  "'MAPOBJECT')"),
            3);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM COUNTER"), 7);
}

}  // namespace
}  // namespace harbo::steps

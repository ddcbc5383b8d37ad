// Alarm types brought in line with the reference database, one language at a time.
#include <gtest/gtest.h>

#include "engine/database_error.h"
#include "engine/reference_data.h"
#include "test_database.h"

namespace harbo::engine {
namespace {

using harbo::testing::EngineHarness;
using harbo::testing::TestDatabase;

constexpr std::string_view kMain = R"(
CREATE TABLE PARAM (NAME VARCHAR(60) NOT NULL, VAL VARCHAR(250));
CREATE TABLE ALARMTYPE (TYPEN INTEGER NOT NULL PRIMARY KEY, STATUS INTEGER, PRIORITY INTEGER,
  NAMEFIN VARCHAR(20), TEXTFIN BLOB SUB_TYPE TEXT, SHORTNAMEFIN VARCHAR(5),
  NAMEENG VARCHAR(20), TEXTENG BLOB SUB_TYPE TEXT, SHORTNAMEENG VARCHAR(5));
INSERT INTO ALARMTYPE VALUES (1, 7, 3, "Vanha", "Vanha teksti", "VAN", "Old", "Old text", "OLD");
INSERT INTO ALARMTYPE VALUES (50, 1, 1, "Oma", NULL, NULL, "Own", NULL, NULL);
)";

// Type 3 has a name too long for the main table and a column the main table lacks.
constexpr std::string_view kReference = R"(
CREATE TABLE PARAM (NAME VARCHAR(60) NOT NULL, VAL VARCHAR(250));
CREATE TABLE ALARMTYPE (TYPEN INTEGER NOT NULL PRIMARY KEY, STATUS INTEGER, COLOUR INTEGER,
  NAMEFIN VARCHAR(40), TEXTFIN BLOB SUB_TYPE TEXT, SHORTNAMEFIN VARCHAR(5),
  NAMEENG VARCHAR(40), TEXTENG BLOB SUB_TYPE TEXT, SHORTNAMEENG VARCHAR(5),
  NAMESWE VARCHAR(40));
INSERT INTO ALARMTYPE VALUES (1, 9, 4, "Hätä", "Hälytysnappia painettu", "HÄT", "Emergency", "Button pressed", "EMG", "Nödlarm");
INSERT INTO ALARMTYPE VALUES (3, 2, 4, "Ovihälytys, joka on liian pitkä", "Ovi auki", "OVI", "Door", "Door open", "DOOR", "Dörr");
)";

class ReferenceDataTest : public ::testing::Test {
 protected:
  ReferenceDataTest()
      : main_("refdata_main", kMain),
        reference_("refdata_setup/upddata/common", kReference),
        h_(main_, (testing::TestDatabaseFolder() / "refdata_setup").string() + "/") {}
  void SetUp() override {
    ASSERT_TRUE(h_.db.OpenMainDatabase());
    ASSERT_TRUE(h_.db.OpenReferenceDatabase());
  }
  std::vector<std::vector<FieldValue>> AlarmTypes() {
    return main_.Rows("SELECT * FROM ALARMTYPE ORDER BY TYPEN");
  }

  TestDatabase main_, reference_;
  EngineHarness h_;
};

TEST_F(ReferenceDataTest, CopiesOneLanguageAndInsertsMissingTypes) {
  CopyAlarmTypeLanguage(h_.db, "fin");
  const auto rows = AlarmTypes();
  ASSERT_EQ(rows.size(), 3u);
  // Type 1: the Finnish columns change; status, priority and English stay.
  EXPECT_EQ(rows[0], (std::vector<FieldValue>{std::int64_t{1}, std::int64_t{7}, std::int64_t{3},
                                              std::string("H\xE4t\xE4"),
                                              std::string("H\xE4lytysnappia painettu"),
                                              std::string("H\xC4T"), std::string("Old"),
                                              std::string("Old text"), std::string("OLD")}));
  // Type 3 arrives with every column both tables share; the too long name is left out.
  EXPECT_EQ(rows[1], (std::vector<FieldValue>{std::int64_t{3}, std::int64_t{2}, {}, {},
                                              std::string("Ovi auki"), std::string("OVI"),
                                              std::string("Door"), std::string("Door open"),
                                              std::string("DOOR")}));
  // A type only the main database has is left alone.
  EXPECT_EQ(ValueAsText(rows[2][3]), "Oma");
}

TEST_F(ReferenceDataTest, SecondCopyChangesNothing) {
  CopyAlarmTypeLanguage(h_.db, "eng");
  const auto once = AlarmTypes();
  CopyAlarmTypeLanguage(h_.db, "eng");
  EXPECT_EQ(AlarmTypes(), once);
  EXPECT_EQ(ValueAsText(once[0][6]), "Emergency");
  EXPECT_EQ(ValueAsText(once[0][3]), "Vanha");
}

TEST_F(ReferenceDataTest, LanguageMissingFromTheMainTableIsAnError) {
  EXPECT_THROW(CopyAlarmTypeLanguage(h_.db, "swe"), DatabaseError);
  EXPECT_THROW(CopyAlarmTypeLanguage(h_.db, "hun"), DatabaseError);
}

}  // namespace
}  // namespace harbo::engine

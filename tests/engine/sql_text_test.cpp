// Text helpers of the engine: SQL quoting, two-digit text, bits, scripts, values.
#include <gtest/gtest.h>

#include "engine/database_error.h"
#include "engine/field_value.h"
#include "engine/sql_script.h"
#include "engine/sql_text.h"

namespace harbo::engine {
namespace {

TEST(SqlTextTest, QuotedSqlTextDoublesDoubleQuotes) {
  const struct {
    std::string_view value, quoted;
  } cases[] = {{"", "\"\""}, {"Email", "\"Email\""}, {"say \"hi\"", "\"say \"\"hi\"\"\""},
               {"\"", "\"\"\"\""}, {"it's", "\"it's\""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(QuotedSqlText(c.value), c.quoted);
  }
}

TEST(SqlTextTest, TwoDigitText) {
  const struct {
    int n;
    std::string_view text;
  } cases[] = {{7, "07"}, {0, "00"}, {12, "12"}, {-5, "-5"}, {123, "123"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.n);
    EXPECT_EQ(TwoDigitText(c.n), c.text);
  }
}

TEST(SqlTextTest, Bits) {
  EXPECT_TRUE(BitIsSet(0x8001, 0));
  EXPECT_TRUE(BitIsSet(0x8001, 15));
  EXPECT_FALSE(BitIsSet(0x8001, 1));
  EXPECT_EQ(SetBit(0, 15, true), 0x8000);
  EXPECT_EQ(SetBit(0xFFFF, 3, false), 0xFFF7);
  EXPECT_EQ(SetBit(0x0008, 3, true), 0x0008);
  EXPECT_THROW(BitIsSet(1, 16), std::out_of_range);
  EXPECT_THROW(SetBit(1, -1, true), std::out_of_range);
}

TEST(SqlTextTest, UpperCaseIsAsciiOnly) { EXPECT_EQ(UpperCase("Alarms\xE4x1"), "ALARMS\xE4X1"); }

TEST(SqlScriptTest, SplitsAtTerminatorsOutsideQuotesAndComments) {
  const auto statements = SplitSqlScript(
      "-- header; not a statement\n"
      "CREATE TABLE A (X VARCHAR(5));\n"
      "INSERT INTO A VALUES ('a;b');  /* ; */\n"
      "INSERT INTO A VALUES (\"it\"\"s;\");\n"
      "SET TERM ^ ;\n"
      "CREATE TRIGGER T FOR A AFTER INSERT AS BEGIN POST_EVENT 'a_event'; END^\n"
      "SET TERM ; ^\n"
      "DELETE FROM A;\n");
  ASSERT_EQ(statements.size(), 5u);
  EXPECT_EQ(statements[0].sql, "CREATE TABLE A (X VARCHAR(5))");
  EXPECT_EQ(statements[0].line, 2);
  EXPECT_EQ(statements[1].sql, "INSERT INTO A VALUES ('a;b')");
  EXPECT_EQ(statements[2].sql, "INSERT INTO A VALUES (\"it\"\"s;\")");
  EXPECT_EQ(statements[3].sql,
            "CREATE TRIGGER T FOR A AFTER INSERT AS BEGIN POST_EVENT 'a_event'; END");
  EXPECT_EQ(statements[3].line, 6);
  EXPECT_EQ(statements[4].sql, "DELETE FROM A");
  EXPECT_EQ(statements[4].line, 8);
}

TEST(SqlScriptTest, BrokenScriptsNameTheLine) {
  const struct {
    std::string_view script, message;
  } cases[] = {{"SELECT 1;\nINSERT INTO A VALUES ('x);\n", "line 2: unterminated quote"},
               {"SELECT 1;\n/* open\n", "line 2: unterminated comment"},
               {"SELECT 1;\n\nSELECT 2\n", "line 3: statement without terminator"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.script);
    try {
      SplitSqlScript(c.script);
      ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
}

TEST(FieldValueTest, DayNumbers) {
  const struct {
    DateTime time;
    double days;
  } cases[] = {{{1899, 12, 30, 0, 0, 0, 0}, 0.0},
               {{1900, 1, 1, 12, 0, 0, 0}, 2.5},
               {{2024, 2, 29, 6, 0, 0, 0}, 45351.25},
               {{2026, 12, 11, 0, 0, 0, 0}, 46367.0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.time.ToSqlText());
    EXPECT_DOUBLE_EQ(c.time.ToDayNumber(), c.days);
    EXPECT_EQ(DateTime::FromDayNumber(c.days), c.time);
  }
}

TEST(FieldValueTest, Conversions) {
  EXPECT_EQ(ValueAsInteger(FieldValue{}), 0);
  EXPECT_EQ(ValueAsInteger(FieldValue{std::string(" 3101 ")}), 3101);
  EXPECT_EQ(ValueAsInteger(FieldValue{std::string("-5")}), -5);
  EXPECT_EQ(ValueAsInteger(FieldValue{2.5}), 3);
  for (const char* bad : {"abc", "", "12x", "1.5"}) {
    SCOPED_TRACE(bad);
    EXPECT_THROW(ValueAsInteger(FieldValue{std::string(bad)}), DatabaseError);
  }
  EXPECT_EQ(ValueAsText(FieldValue{}), "");
  EXPECT_EQ(ValueAsText(FieldValue{std::int64_t{42}}), "42");
  EXPECT_EQ(ValueAsText(FieldValue{0.25}), "0.25");
}

}  // namespace
}  // namespace harbo::engine

#include "steps/steps_5000_5002.h"

#include <string>
#include <string_view>

#include "engine/database_error.h"
#include "steps/statements.h"

namespace harbo::steps {
namespace {

// Unit-type masks of the alarm types 1 to 70, by type number. Stored in customers' databases
// (ALARMTYPE.UNITTYPEMASK, spread into mask0..mask6 by step 5100): keep the values as they are.
constexpr int kUnitTypeMasks[70] = {
    111, 47,  47, 47,  32, 0,  32,  32, 32, 32,  // 1-10
    32,  32,  32, 32,  32, 32, 32,  32, 32, 0,   // 11-20
    76,  127, 47, 127, 48, 32, 32,  37, 32, 32,  // 21-30
    0,   0,   0,  0,   0,  32, 111, 0,  0,  0,   // 31-40
    47,  16,  16, 0,   16, 16, 0,   15, 15, 95,  // 41-50
    15,  15,  16, 16,  16, 32, 127, 0,  0,  42,  // 51-60
    42,  42,  0,  64,  64, 64, 47,  47, 32, 32,  // 61-70
};
constexpr int kAllUnitTypes = 255;

}  // namespace

int UnitTypeMask(int type_number) {
  if (type_number < 1 || type_number > 70) return kAllUnitTypes;
  return kUnitTypeMasks[type_number - 1];
}

bool Step5000(engine::StepContext& context) {
  engine::Database& db = context.db;
  engine::LiveQuery& query = db.MainQuery();
  bool done = false;
  try {
    for (query.Open("SELECT * FROM ALARMTYPE"); !query.Eof(); query.Next()) {
      const std::int64_t type_number = query.AsInteger("TypeN");
      query.Edit();
      query.SetField("UnitTypeMask", std::int64_t{UnitTypeMask(static_cast<int>(type_number))});
      // A row that cannot be written keeps its stored mask; the others still get theirs.
      if (!query.TryApplyRowChanges()) {
        query.RollbackWrite();
        db.Log().Note("step 5000: unit-type mask of alarm type " + std::to_string(type_number) +
                      " not written");
      }
    }
    done = true;
  } catch (const engine::DatabaseError& e) {
    db.Log().Note(std::string("step 5000: unit-type masks stopped: ") + e.what());
  }
  query.Close();
  return done;
}

bool Step5001(engine::StepContext& context) {
  constexpr std::string_view kStatements[] = {
      "alter table event add Extra_Type varchar (30) default \"\"",
      "alter table event add Extra_LOCN integer",
  };
  RunStatements(context.db, kStatements);
  context.db.MainQuery().Close();
  return true;
}

bool Step5002(engine::StepContext& context) {
  constexpr std::string_view kStatements[] = {
      "CREATE TABLE MAPPAGE (\rMAPID INTEGER NOT NULL,\rMAPNAME VARCHAR(50) NOT NULL,\rORDERPOS "
      "INTEGER NOT NULL,\rIMAGEID INTEGER NOT NULL,\rprimary key (MAPID)\r);",
      "CREATE TABLE MAPIMAGE (\rIMAGEID INTEGER NOT NULL,\rMAPIMAGE BLOB SUB_TYPE 0 SEGMENT SIZE "
      "255,\rprimary key (IMAGEID)\r);",
      "CREATE TABLE MAPOBJECT (\rOBJECTID INTEGER NOT NULL,\rWCID INTEGER NOT NULL,\rBUID INTEGER "
      "NOT NULL,\rPARENTMAP INTEGER NOT NULL,\rOBJECTTYPE INTEGER NOT NULL,\rYPOS INTEGER NOT "
      "NULL,\rXPOS INTEGER NOT NULL,\rLABEL VARCHAR(50) NOT NULL,\rOBJSIZE INTEGER NOT "
      "NULL,\rprimary key (OBJECTID)\r);",
      // Counter names, as the server looks them up: keep their letter case.
      "insert into counter (name, val) values (\"mappage\", 0)",
      "insert into counter (name, val) values (\"MAPIMAGE\", 0)",
      "insert into counter (name, val) values (\"MAPOBJECT\", 0)",
  };
  RunStatements(context.db, kStatements);
  context.db.MainQuery().Close();
  return true;
}

}  // namespace harbo::steps

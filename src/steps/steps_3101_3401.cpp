#include "steps/steps_3101_3401.h"

#include <string_view>

#include "engine/database_error.h"
#include "steps/statements.h"

namespace harbo::steps {

bool Step3101(engine::StepContext& context) {
  constexpr std::string_view kStatements[] = {
      "create index idx_event_1 on event(objectn);",
      "create index idx_event_2 on event(event_time);",
      "create index idx_curve_3 on curve(rowtype);",
  };
  RunStatements(context.db, kStatements);
  return true;
}

bool Step3111(engine::StepContext& context) {
  constexpr std::string_view kStatements[] = {
      "alter table OBJECT add NurseAckDI integer default 0 not null;",
      "alter table event add NURSE_VISIT_ENDTIME timestamp;",
  };
  RunStatements(context.db, kStatements);
  context.state.alarm_text_refresh = true;
  return true;
}

bool Step3201(engine::StepContext& context) {
  context.db.ExecuteStatement(
      "ALTER TABLE OBJECT ADD Deterioration_Delay SMALLINT DEFAULT 5 NOT NULL;");
  context.state.alarm_text_refresh = true;
  return ConvertObjectTypes(context.db);
}

ObjectTypeConversion ConvertedObjectType(int old_type) {
  switch (old_type) {
    case 2:
    case 3:
      return {2, 3};
    case 4:
      return {5, 4};
    case 5:
      return {4, 4};
    default:  // 0, 1 and every unknown code
      return {0, 1};
  }
}

bool ConvertObjectTypes(engine::Database& db) {
  engine::LiveQuery& query = db.MainQuery();
  bool converted = false;
  try {
    int row = 0;
    for (query.Open("SELECT * FROM OBJECT"); !query.Eof(); query.Next()) {
      ++row;
      const engine::FieldValue& type = query.Value("WCType");
      if (engine::IsNull(type)) {
        throw engine::DatabaseError("OBJECT row " + std::to_string(row) + " has no WCTYPE");
      }
      const ObjectTypeConversion to =
          ConvertedObjectType(static_cast<int>(engine::ValueAsInteger(type)));
      query.Edit();
      query.SetField("WCType", std::int64_t{to.type});
      query.SetField("GroupNbr", std::int64_t{to.group});
    }
    query.ApplyRowChanges();  // every object in one transaction
    converted = true;
  } catch (const engine::DatabaseError& e) {
    db.Log().Note(std::string("object types not converted: ") + e.what());
  }
  query.Close();
  return converted;
}

bool Step3301(engine::StepContext& context) {
  constexpr std::string_view kStatements[] = {
      "update param set val = 5 where name = \"ADPActConnDelay2\"",
      "update param set val = 3 where name = \"ADPActConnUsage2\"",
      "update param set val = 0 where name = \"ADPActReportBadConn2\"",
      "update param set val = 0 where name = \"ADPActReportBadWear2\"",
      "update param set val = 5 where name = \"ADPActWristOffDelay2\"",
      "update param set val = 3 where name = \"ADPActWristOffUsage2\"",
      "update param set val = 5 where name = \"ADPUserDefConnDelay2\"",
      "update param set val = 3 where name = \"ADPUserDefConnUsage2\"",
      "update param set val = 0 where name = \"ADUserDefReportBadConn2\"",
      "update param set val = 0 where name = \"ADPUserDefReportBadWear2\"",
      "update param set val = 5 where name = \"ADPUserDefWristOffDelay2\"",
      "update param set val = 3 where name = \"ADPUserDefWristOffUsage2\"",
      "create index idx_object_1 on object(nurseackdi)",
  };
  RunStatements(context.db, kStatements);
  context.state.alarm_text_refresh = true;
  return true;
}

bool Step3401(engine::StepContext& context) {
  context.db.ExecuteStatement("ALTER TABLE EVENT ADD RFLEVEL INTEGER DEFAULT 0 NOT NULL;");
  return true;
}

}  // namespace harbo::steps

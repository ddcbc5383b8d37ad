#include "engine/param_writer.h"

#include <string>

#include "engine/database_error.h"
#include "engine/sql_text.h"

namespace harbo::engine {
namespace {

// PARAM has an ORGID column from this database version on.
constexpr int kOrgIdVersion = 7000;

}  // namespace

void WriteParamText(Database& db, std::string_view name, std::string_view value) {
  const std::string upper = UpperCase(name);
  const bool with_org = db.State().database_version >= kOrgIdVersion;
  LiveQuery& query = db.SettingsQuery();
  bool written = false;
  try {
    if (db.OpenQueryWithRetry(query, "SELECT * FROM Param WHERE Name = " + QuotedSqlText(upper))) {
      query.Edit();
      query.SetField("VAL", std::string(value));
      if (with_org) query.SetField("ORGID", std::int64_t{0});
      query.TryApplyRowChanges();
      written = true;  // a failed update is not retried as an insert
    }
  } catch (const DatabaseError&) {
  }
  query.Close();
  if (written) return;
  db.ExecuteOnQuery(query, with_org ? "INSERT INTO PARAM (Name, Val, OrgID) VALUES (" +
                                          QuotedSqlText(upper) + ", " + QuotedSqlText(value) +
                                          ", 0)"
                                    : "INSERT INTO PARAM (Name, Val) VALUES (" +
                                          QuotedSqlText(upper) + ", " + QuotedSqlText(value) + ")");
}

void WriteParamBool(Database& db, std::string_view name, bool flag) {
  WriteParamText(db, name, flag ? "1" : "0");
}

void WriteParamInt(Database& db, std::string_view name, int number) {
  WriteParamText(db, name, std::to_string(number));
}

}  // namespace harbo::engine

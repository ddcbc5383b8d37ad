#include "steps/step_3501_routes.h"

#include <chrono>

#include "engine/database_error.h"
#include "engine/sql_text.h"

namespace harbo::steps {
namespace {

using engine::Database;
using engine::DatabaseError;
using engine::LiveQuery;

// The counter row of route numbers; stored in customers' databases.
constexpr std::string_view kRouteCounter = "ROUTE";

// Opens `sql` on `query` by the retry rule of OpenQueryWithRetry (again after 50 ms, again after
// 200 ms), but keeps an empty result open so that a row can be inserted on it. After a third
// failure the query stays closed and the next operation on it fails.
void OpenWithRetry(Database& db, LiveQuery& query, const std::string& sql) {
  using std::chrono::milliseconds;
  constexpr milliseconds kPauses[] = {milliseconds(50), milliseconds(200)};
  for (int attempt = 0;; ++attempt) {
    try {
      query.Open(sql);
      return;
    } catch (const DatabaseError&) {
      query.Close();
      if (attempt == 2) return;
      db.GetClock().Sleep(kPauses[attempt]);
    }
  }
}

// The statements of a route that is not stored yet: its ROUTE row and 15 inactive rules, which
// the rules pass then fills. The name is quoted, so that a name with a double quote is stored as
// it is. False, with no rule written, when the ROUTE row is refused: rules without their route
// would forward nothing.
bool InsertRoute(Database& db, const std::string& number, std::string_view name, bool all_types) {
  if (!db.ExecuteStatement2("INSERT INTO Route (TableN, RouteName, IsActive, AllTypes) VALUES (" +
                            number + ", " + engine::QuotedSqlText(name) + ", 1, " +
                            (all_types ? "1" : "0") + ")")) {
    return false;
  }
  for (int position = 1; position <= TSiirtoKalenteri::kConditionCount; ++position) {
    db.ExecuteStatement2(
        "INSERT INTO RouteRules (RouteN, SubPos, IsActive, Days, StartTime, EndTime, FwdSystem, "
        "Recipients, Repetitions) VALUES (" +
        number + ", " + std::to_string(position) + ", 0, 0, 0, 0, 0, \"\", 10)");
  }
  return true;
}

// Activates every rule of the route with the values of its condition. A rule that cannot be
// changed keeps its stored values and the next one follows.
void WriteRules(Database& db, const std::string& number, TSiirtoKalenteri& route) {
  LiveQuery& query = db.SecondQuery();
  try {
    if (!db.OpenQueryWithRetry(
            query, "SELECT * FROM RouteRules WHERE RouteN = " + number + " order by subpos")) {
      return;
    }
    for (; !query.Eof(); query.Next()) {
      try {
        const std::int64_t position = query.AsInteger("SubPos");
        if (position < 1 || position > TSiirtoKalenteri::kConditionCount) {
          throw DatabaseError("route " + number + " has a rule at position " +
                              std::to_string(position));
        }
        const TSiirtoEhto& condition = route.Condition(static_cast<int>(position));
        query.Edit();
        query.SetField("IsActive", std::int64_t{1});
        query.SetField("Days", std::int64_t{condition.days});
        query.SetField("StartTime", std::int64_t{condition.start_time});
        query.SetField("EndTime", std::int64_t{condition.end_time});
        query.SetField("FwdSystem", std::int64_t{condition.fwd_system});
        query.SetField("Recipients", condition.recipients);
        query.SetField("Repetitions", std::int64_t{condition.repetitions});
        query.ApplyRowChanges();
      } catch (const DatabaseError& e) {
        query.RollbackWrite();
        db.Log().Note("route " + number + ": a rule was not written: " + e.what());
      }
    }
  } catch (const DatabaseError& e) {
    db.Log().Note("route " + number + ": rules not read: " + e.what());
  }
}

// Stores route.table_n (above 0): its ROUTE row, found and updated or inserted with 15 rules, then
// every rule with the values of its condition. False when the ROUTE row is not there.
bool WriteRoute(Database& db, TSiirtoKalenteri& route) {
  const std::string number = std::to_string(route.table_n);
  const std::string& name = route.route_name;
  LiveQuery& query = db.SecondQuery();
  bool present = false;
  try {
    if (db.OpenQueryWithRetry(query, "SELECT * FROM Route WHERE TableN = " + number)) {
      query.Edit();
      query.SetField("RouteName", name);
      query.SetField("IsActive", std::int64_t{1});
      query.SetField("AllTypes", std::int64_t{route.all_types ? 1 : 0});
      if (!query.TryApplyRowChanges()) db.Log().Note("route " + number + " not renamed");
      present = true;
    }
  } catch (const DatabaseError& e) {
    db.Log().Note("route " + number + " not read: " + e.what());
  }
  if (!present) present = InsertRoute(db, number, name, route.all_types);
  if (present) WriteRules(db, number, route);
  query.Close();
  db.Log().Note("route " + number + " \"" + name + (present ? "\" stored" : "\" not stored"));
  return present;
}

}  // namespace

int NextCounterValue(Database& db, std::string_view name) {
  LiveQuery& query = db.SecondQuery();
  int value = -1;
  try {
    OpenWithRetry(db, query,
                  "SELECT Name, Val FROM Counter WHERE Name = " + engine::QuotedSqlText(name));
    std::int64_t next = 1;
    if (!query.IsEmpty()) {
      next = query.AsInteger("Val") + 1;
      query.Edit();
    } else {
      query.Insert();
      query.SetField("Name", std::string(name));
    }
    query.SetField("Val", next);
    query.ApplyRowChanges();  // committed before the next call reads it
    value = static_cast<int>(next);
  } catch (const DatabaseError& e) {
    db.Log().Note("counter " + std::string(name) + " not advanced: " + e.what());
  }
  query.Close();
  return value;
}

int StoreRoute(Database& db, std::string_view name, TSiirtoKalenteri& route) {
  const int n = NextCounterValue(db, kRouteCounter);
  route.table_n = n;
  route.route_name = name;
  if (n <= 0 || !WriteRoute(db, route)) route.table_n = -1;
  return route.table_n;
}

int FindStoredRoute(Database& db, std::string_view name, const TSiirtoKalenteri& route) {
  LiveQuery& query = db.SecondQuery();
  int found = 0;
  try {
    if (db.OpenQueryWithRetry(
            query,
            "SELECT r.TableN FROM Route r JOIN RouteRules u ON u.RouteN = r.TableN AND u.SubPos = "
            "1 "
            "WHERE r.RouteName = " +
                engine::QuotedSqlText(name) + " AND r.AllTypes = " + (route.all_types ? "1" : "0") +
                " AND u.FwdSystem = " + std::to_string(route.conditions[0].fwd_system) +
                " ORDER BY r.TableN")) {
      found = static_cast<int>(query.AsInteger("TableN"));
    }
  } catch (const DatabaseError& e) {
    db.Log().Note("routes of an earlier run not read: " + std::string(e.what()));
  }
  query.Close();
  return found;
}

int StoreRouteOnce(Database& db, std::string_view name, TSiirtoKalenteri& route) {
  const int stored = FindStoredRoute(db, name, route);
  if (stored <= 0) return StoreRoute(db, name, route);
  db.Log().Note("route " + std::to_string(stored) + " \"" + std::string(name) +
                "\" of an earlier run is stored again");
  route.table_n = stored;
  route.route_name = name;
  if (!WriteRoute(db, route)) route.table_n = -1;
  return route.table_n;
}

}  // namespace harbo::steps

// Routes as step 3501 stores them: a ROUTE row and its 15 ROUTERULES rows, numbered from the
// COUNTER row "ROUTE". Every operation here uses the second query of the main database.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/database.h"

namespace harbo::steps {

// One condition of a route. A cleared condition has every number 0 and no recipients.
struct TSiirtoEhto {
  std::int32_t days = 0;
  std::int32_t start_time = 0;
  std::int32_t end_time = 0;
  std::int32_t fwd_system = 0;
  std::string recipients;
  std::int32_t repetitions = 0;
};

// A route: its number, name, whether it applies to all alarm types, and conditions 1..15.
struct TSiirtoKalenteri {
  static constexpr int kConditionCount = 15;

  std::int32_t table_n = 0;
  std::string route_name;
  bool all_types = false;
  std::array<TSiirtoEhto, kConditionCount> conditions;

  // Condition `position`, counted from 1 as ROUTERULES.SUBPOS counts.
  TSiirtoEhto& Condition(int position) { return conditions.at(position - 1); }
};

// The next value of the COUNTER row `name` (1 when there is no row yet; the row is then made),
// committed before it is returned; -1 when it cannot be read or written.
int NextCounterValue(engine::Database& db, std::string_view name);

// Numbers the route from the counter "ROUTE", names it, and stores its ROUTE row and its 15
// ROUTERULES rows, all active, each with the values of its condition. Returns the route number,
// also left in route.table_n, or -1 when the route is not stored: the counter failed, or its
// ROUTE row is missing and cannot be inserted (no rules are written then; the number handed out
// stays unused). A rule that cannot be written is logged and keeps its stored values.
int StoreRoute(engine::Database& db, std::string_view name, TSiirtoKalenteri& route);

// The route that an earlier run of step 3501, which failed further on, stored for the same
// purpose: a ROUTE row named `name` with route.all_types whose rule 1 forwards to the system of
// route's condition 1 (the lowest such number). 0 when there is none or ROUTE cannot be read.
int FindStoredRoute(engine::Database& db, std::string_view name, const TSiirtoKalenteri& route);

// StoreRoute for a step that is run again after a failure: a route FindStoredRoute finds is
// stored again under its own number (its row and rules take the route's values) instead of
// numbering a second one. -1, as from StoreRoute, when the route is not stored.
int StoreRouteOnce(engine::Database& db, std::string_view name, TSiirtoKalenteri& route);

}  // namespace harbo::steps

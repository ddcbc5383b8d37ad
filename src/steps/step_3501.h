// Upgrade step 3501: from forwarding straight to transfer systems to routes. Adds the route
// tables, the e-mail and SMS transfer systems of the legacy settings key, the routes "Main",
// "System alarms" and one "CAL <system>" route per transfer system that objects use, and the
// manual filter times in seconds.
#pragma once

#include "engine/database.h"
#include "engine/version_chain.h"

namespace harbo::steps {

// Step 3501 -> 4000. It first reads and checks every value it needs; a registry value of another
// type than the key's layout says, objects that cannot be read or a manual filter code that is
// not a whole number stop it there with false and nothing changed. A route that cannot be stored
// (the route counter or the ROUTE insert failing) stops it with false before anything points to
// that route: "Main" or "System alarms" before the legacy key changes, a "CAL" route before any
// object changes. Such a later failure, or a database or disk error, leaves a state from which
// running the step again converts every object once and adds no second system or route.
bool Step3501(engine::StepContext& context);

// Adds ADPUserDefManualFilterSec<i> and ADPActManualFilterSec<i> (i = 1..3) beside the code rows
// ADPUserDefManualFilter<i> and ADPActManualFilter<i> that exist. Every code is read first: false,
// with nothing added, when one is not a whole number or a query fails. A seconds row that exists
// already keeps its value (its insert fails on the key).
bool ConvertManualFilterCodes(engine::Database& db);

}  // namespace harbo::steps

// Upgrade step 3501: from forwarding straight to transfer systems to routes. Adds the route
// tables, the e-mail and SMS transfer systems of the legacy settings key, the routes "Main",
// "System alarms" and one "CAL <system>" route per transfer system that objects use, and the
// manual filter times in seconds.
#pragma once

#include "engine/database.h"
#include "engine/version_chain.h"

namespace harbo::steps {

// Step 3501 -> 4000. False when a registry value has another type than the key's layout says
// (nothing of the registry is saved then), when the objects cannot be read, or when
// ConvertManualFilterCodes fails; what the database already committed stays.
bool Step3501(engine::StepContext& context);

// Adds ADPUserDefManualFilterSec<i> and ADPActManualFilterSec<i> (i = 1..3) beside the code rows
// ADPUserDefManualFilter<i> and ADPActManualFilter<i> that exist. False when a code is not a
// whole number or a query fails; the passes before it stay.
bool ConvertManualFilterCodes(engine::Database& db);

}  // namespace harbo::steps

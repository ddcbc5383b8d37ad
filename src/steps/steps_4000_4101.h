// Upgrade steps 4000 to 4101: the daily calculations of every object and their schedule, the
// DontStop option of route rules, alarm-type names in seven languages, object groups, access
// rights, object status rows, and two transfer systems in the legacy settings key.
#pragma once

#include <cstdint>
#include <optional>

#include "engine/version_chain.h"

namespace harbo::steps {

bool Step4000(engine::StepContext& context);
bool Step4001(engine::StepContext& context);
bool Step4101(engine::StepContext& context);

// The day an object's calculations start, from the first and last day of its curve rows of row
// type 1 (none when it has no such rows) and today; all are day numbers (day 0 = 30 Dec 1899).
std::int64_t CalculationStartDay(std::optional<std::int64_t> first_curve_day,
                                 std::optional<std::int64_t> last_curve_day, std::int64_t today);

}  // namespace harbo::steps

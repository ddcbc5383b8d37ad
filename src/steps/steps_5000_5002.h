// Upgrade steps 5000 to 5002: the unit-type mask of every alarm type, the extra columns of
// events, and the tables and counters of the graphical maps.
#pragma once

#include "engine/version_chain.h"

namespace harbo::steps {

bool Step5000(engine::StepContext& context);
bool Step5001(engine::StepContext& context);
bool Step5002(engine::StepContext& context);

// The unit types (bit k = unit type k) that alarm type `type_number` applies to: 255, all of
// them, for the numbers the table does not list (above 70, and below 1).
int UnitTypeMask(int type_number);

}  // namespace harbo::steps

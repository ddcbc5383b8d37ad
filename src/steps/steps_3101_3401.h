// Upgrade steps 3101 to 3401: event and curve indexes, nurse columns, the object type
// conversion, activity-detection settings and the radio level of events.
#pragma once

#include "engine/version_chain.h"

namespace harbo::steps {

bool Step3101(engine::StepContext& context);
bool Step3111(engine::StepContext& context);
bool Step3201(engine::StepContext& context);
bool Step3301(engine::StepContext& context);
bool Step3401(engine::StepContext& context);

// Object type codes of OBJECT.WCTYPE before 3301 -> the new code and its object group.
struct ObjectTypeConversion {
  int type;
  int group;
};
ObjectTypeConversion ConvertedObjectType(int old_type);

// Converts WCTYPE and sets GROUPNBR of every object, all rows in one transaction: codes 4 and 5
// trade places, so a conversion that stopped half-way could not tell converted rows from the
// others when it runs again. False, with nothing converted, when an object's type is unreadable
// or the change cannot be committed.
bool ConvertObjectTypes(engine::Database& db);

}  // namespace harbo::steps

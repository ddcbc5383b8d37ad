// The legacy settings import: carries the settings that servers before database version 5500
// kept in HKEY_CURRENT_USER\SOFTWARE\QXR\QXRHarbo\1.0 into PARAM. Step 5500 runs it once.
#pragma once

#include "engine/version_chain.h"

namespace harbo::legacy {

// Reads the legacy settings key of context.current_user (what it lacks takes the old defaults)
// and writes one PARAM row per setting, 310 rows plus 34 per transfer system; existing rows of
// those names are updated. The hive is only read.
// Throws platform::RegistryTypeError for a registry value of another type than its setting, and
// engine::DatabaseError when the objects cannot be counted; rows written before stay. A PARAM
// write that fails is not reported (the upgrade log has it).
void ImportLegacySettings(engine::StepContext& context);

}  // namespace harbo::legacy

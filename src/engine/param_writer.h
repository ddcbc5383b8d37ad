// Settings rows of PARAM (NAME, VAL and, from version 7000 on, ORGID), written through the
// settings query: the row of that name is updated, or inserted when there is none. Names are
// stored in upper case. A write that fails is lost silently, by design of the callers, but the
// upgrade log shows it.
#pragma once

#include <string_view>

#include "engine/database.h"

namespace harbo::engine {

void WriteParamText(Database& db, std::string_view name, std::string_view value);
void WriteParamBool(Database& db, std::string_view name, bool flag);
void WriteParamInt(Database& db, std::string_view name, int number);

}  // namespace harbo::engine

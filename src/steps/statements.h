// Running a step's literal statements: each through ExecuteStatement, in order. Their results
// are not used (a statement that fails, typically because an earlier run already made the
// column or index, does not stop the step); the upgrade log keeps every outcome.
#pragma once

#include <span>
#include <string_view>

#include "engine/database.h"

namespace harbo::steps {

inline void RunStatements(engine::Database& db, std::span<const std::string_view> statements) {
  for (std::string_view sql : statements) db.ExecuteStatement(sql);
}

}  // namespace harbo::steps

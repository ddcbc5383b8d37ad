// SQL script files (the fixture sources in db/): statements end with the terminator, ";" unless
// isql's "SET TERM" changed it, outside quotes and comments.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace harbo::engine {

struct ScriptStatement {
  std::string sql;
  int line = 0;  // where the statement starts, counted from 1
};

// Throws std::runtime_error naming the line for an unterminated quote or comment, or a last
// statement without its terminator.
std::vector<ScriptStatement> SplitSqlScript(std::string_view script);

}  // namespace harbo::engine

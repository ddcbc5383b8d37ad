#include "engine/sql_script.h"

#include <cctype>
#include <stdexcept>

namespace harbo::engine {
namespace {

std::string Trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return std::string(s);
}

// "SET TERM ^ ;" (with the current terminator) gives "^".
bool IsSetTerm(const std::string& statement, std::string& terminator) {
  std::string upper;
  for (char c : statement) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (upper.rfind("SET TERM", 0) != 0) return false;
  terminator = Trim(std::string_view(statement).substr(8));
  if (terminator.empty()) throw std::runtime_error("SET TERM without a terminator");
  return true;
}

}  // namespace

std::vector<ScriptStatement> SplitSqlScript(std::string_view script) {
  std::vector<ScriptStatement> statements;
  std::string terminator = ";";
  std::string current;
  int line = 1, start_line = 0;
  for (std::size_t i = 0; i < script.size();) {
    const char c = script[i];
    if (c == '\'' || c == '"') {
      const int quote_line = line;
      std::size_t end = i + 1;
      for (;; ++end) {
        if (end >= script.size()) {
          throw std::runtime_error("line " + std::to_string(quote_line) + ": unterminated quote");
        }
        if (script[end] == '\n') ++line;
        if (script[end] == c) {
          if (end + 1 < script.size() && script[end + 1] == c) {
            ++end;  // a doubled quote stands for itself
            continue;
          }
          break;
        }
      }
      if (start_line == 0) start_line = quote_line;
      current.append(script.substr(i, end + 1 - i));
      i = end + 1;
    } else if (script.substr(i, 2) == "--") {
      while (i < script.size() && script[i] != '\n') ++i;
    } else if (script.substr(i, 2) == "/*") {
      const std::size_t end = script.find("*/", i + 2);
      if (end == std::string_view::npos) {
        throw std::runtime_error("line " + std::to_string(line) + ": unterminated comment");
      }
      for (std::size_t k = i; k < end; ++k) line += script[k] == '\n';
      i = end + 2;
    } else if (script.substr(i, terminator.size()) == terminator) {
      i += terminator.size();
      std::string statement = Trim(current);
      if (!statement.empty()) {
        std::string new_terminator;
        if (IsSetTerm(statement, new_terminator)) {
          terminator = new_terminator;
        } else {
          statements.push_back({statement, start_line});
        }
      }
      current.clear();
      start_line = 0;
    } else {
      if (c == '\n') ++line;
      if (start_line == 0 && !std::isspace(static_cast<unsigned char>(c))) start_line = line;
      current += c;
      ++i;
    }
  }
  if (!Trim(current).empty()) {
    throw std::runtime_error("line " + std::to_string(start_line) +
                             ": statement without terminator at the end of the script");
  }
  return statements;
}

}  // namespace harbo::engine

#include "database_builder.h"

#include <fstream>
#include <sstream>

#include "engine/database.h"
#include "engine/database_error.h"
#include "engine/firebird_client.h"
#include "engine/sql_script.h"
#include "platform/text_encoding.h"

namespace harbo::fixtures {
namespace {

engine::ConnectionParameters ServerLogin(const std::filesystem::path& database) {
  engine::ConnectionParameters p;
  p.server = engine::kDatabaseServer;
  p.database_path = std::filesystem::absolute(database).string();
  p.user = engine::kDatabaseUser;
  p.password = engine::kDatabasePassword;
  return p;
}

std::string ReadScript(const std::filesystem::path& script) {
  std::ifstream in(script, std::ios::binary);
  if (!in) throw BuildError(script.string() + ": cannot read the file");
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void RunScript(engine::Connection& connection, const std::filesystem::path& script) {
  std::vector<engine::ScriptStatement> statements;
  try {
    statements = engine::SplitSqlScript(ReadScript(script));
  } catch (const std::runtime_error& e) {
    throw BuildError(script.string() + ": " + e.what());
  }
  for (const auto& statement : statements) {
    const std::string where = script.string() + ":" + std::to_string(statement.line) + ": ";
    const auto sql = platform::Utf8ToWindows1252(statement.sql);
    if (!sql) throw BuildError(where + "text that Windows-1252 cannot hold");
    engine::Transaction transaction(connection, false);
    try {
      engine::PreparedStatement prepared(connection, transaction, *sql);
      prepared.Execute(transaction);
      transaction.Commit();
    } catch (const engine::DatabaseError& e) {
      throw BuildError(where + e.what());
    }
  }
}

}  // namespace

void BuildDatabase(const std::filesystem::path& database,
                   const std::vector<std::filesystem::path>& scripts, bool forced_writes) {
  std::error_code ignored;
  std::filesystem::remove(database, ignored);
  engine::Connection connection(ServerLogin(database));
  try {
    connection.CreateDatabase(forced_writes);
  } catch (const engine::DatabaseError& e) {
    throw BuildError(database.string() + ": cannot create the database: " + e.what());
  }
  try {
    for (const auto& script : scripts) RunScript(connection, script);
  } catch (...) {
    connection.Detach();
    std::filesystem::remove(database, ignored);
    throw;
  }
}

void ApplyScripts(const std::filesystem::path& database,
                  const std::vector<std::filesystem::path>& scripts) {
  engine::Connection connection(ServerLogin(database));
  try {
    connection.Attach();
  } catch (const engine::DatabaseError& e) {
    throw BuildError(database.string() + ": cannot attach: " + e.what());
  }
  for (const auto& script : scripts) RunScript(connection, script);
}

std::filesystem::path PrepareServerFolder(const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  std::filesystem::permissions(folder,
                               std::filesystem::perms::all | std::filesystem::perms::sticky_bit);
  return folder;
}

}  // namespace harbo::fixtures

#include "test_database.h"

#include <fstream>

#include "database_builder.h"
#include "engine/database_error.h"
#include "engine/firebird_client.h"
#include "platform/text_encoding.h"

namespace harbo::testing {
namespace {

std::filesystem::path WriteScript(const std::filesystem::path& database, std::string_view sql) {
  auto script = database;
  script.replace_extension(".sql");
  std::ofstream(script, std::ios::binary) << sql;
  return script;
}

engine::ConnectionParameters Login(const std::filesystem::path& path) {
  engine::ConnectionParameters p;
  p.server = engine::kDatabaseServer;
  p.database_path = path.string();
  p.user = engine::kDatabaseUser;
  p.password = engine::kDatabasePassword;
  return p;
}

}  // namespace

std::filesystem::path TestDatabaseFolder() {
  static const auto folder =
      fixtures::PrepareServerFolder(std::filesystem::path(HARBO_BINARY_DIR) / "testdb");
  return folder;
}

std::filesystem::path FixtureFolder() { return std::filesystem::path(HARBO_SOURCE_DIR) / "db"; }

TestDatabase::TestDatabase(std::string_view name, std::string_view sql)
    : path_(TestDatabaseFolder() / (std::string(name) + ".fdb")) {
  fixtures::PrepareServerFolder(path_.parent_path());
  fixtures::BuildDatabase(path_, {WriteScript(path_, sql)});
}

TestDatabase::TestDatabase(std::string_view name, const std::vector<std::string>& fixture_names,
                           std::string_view sql)
    : path_(TestDatabaseFolder() / (std::string(name) + ".fdb")) {
  fixtures::PrepareServerFolder(path_.parent_path());
  std::vector<std::filesystem::path> scripts;
  for (const auto& f : fixture_names) scripts.push_back(FixtureFolder() / f);
  if (!sql.empty()) scripts.push_back(WriteScript(path_, sql));
  fixtures::BuildDatabase(path_, scripts);
}

TestDatabase TestDatabase::At(std::filesystem::path existing) {
  TestDatabase db;
  db.path_ = std::move(existing);
  return db;
}

void TestDatabase::Run(std::string_view sql) const {
  fixtures::ApplyScripts(path_, {WriteScript(path_, sql)});
}

std::vector<std::vector<engine::FieldValue>> TestDatabase::Rows(std::string_view sql) const {
  engine::Connection connection(Login(path_));
  connection.Attach();
  engine::Transaction transaction(connection, true);
  engine::PreparedStatement statement(connection, transaction, platform::Cp1252(sql));
  statement.OpenCursor(transaction);
  std::vector<std::vector<engine::FieldValue>> rows;
  std::vector<engine::FieldValue> row;
  while (statement.FetchRow(transaction, row)) rows.push_back(row);
  return rows;
}

std::string TestDatabase::Text(std::string_view sql) const {
  const auto rows = Rows(sql);
  return rows.empty() ? std::string() : engine::ValueAsText(rows[0][0]);
}

long long TestDatabase::Integer(std::string_view sql) const {
  const auto rows = Rows(sql);
  return rows.empty() ? 0 : engine::ValueAsInteger(rows[0][0]);
}

namespace {

std::filesystem::path FreshMachineRoot(const TestDatabase& main) {
  auto root = main.Path();
  root.replace_extension(".machine");
  std::filesystem::remove_all(root);
  std::filesystem::create_directories(root);
  return root;
}

}  // namespace

EngineHarness::EngineHarness(const TestDatabase& main, std::string setup_folder)
    : machine(FreshMachineRoot(main)),
      db(state, machine, clock, log),
      current_user(platform::RegistryHive::CurrentUser(machine)) {
  state.main_database_path = main.Path().string();
  state.setup_folder = setup_folder;
}

}  // namespace harbo::testing

namespace harbo::testing {

void EngineHarness::ReplaceCurrentUserFile(std::string_view file_bytes) {
  std::ofstream(machine.CurrentUserHive(), std::ios::binary) << file_bytes;
  current_user = platform::RegistryHive::CurrentUser(machine);
}

}  // namespace harbo::testing

// Databases for tests: made on the local server from SQL text or fixture scripts, in a folder
// of the build tree that the server can write, and read back through a connection of their own.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "engine/database.h"
#include "engine/field_value.h"
#include "engine/version_chain.h"
#include "platform/clock.h"
#include "platform/registry_hive.h"

namespace harbo::testing {

// The folder the test databases live in.
std::filesystem::path TestDatabaseFolder();
// db/ of the source tree.
std::filesystem::path FixtureFolder();

class TestDatabase {
 public:
  // `name` may hold folders: "setup/upddata/common" is <folder>/setup/upddata/common.fdb.
  // A new database `name`.fdb made from the given SQL (UTF-8, statements ending with ';').
  TestDatabase(std::string_view name, std::string_view sql);
  // A new database made from fixture scripts of db/ (e.g. "schema_3101.sql"), then `sql`.
  TestDatabase(std::string_view name, const std::vector<std::string>& fixtures,
               std::string_view sql = {});

  // A database made elsewhere (by the program under test), to read.
  static TestDatabase At(std::filesystem::path existing);

  const std::filesystem::path& Path() const { return path_; }
  // Runs more statements (UTF-8) on it.
  void Run(std::string_view sql) const;
  // The rows of a query, read by a connection of the test's own.
  std::vector<std::vector<engine::FieldValue>> Rows(std::string_view sql) const;
  // The first column of the first row as text ("" when there is no row).
  std::string Text(std::string_view sql) const;
  long long Integer(std::string_view sql) const;

 private:
  TestDatabase() = default;
  std::filesystem::path path_;
};

// A clock at a fixed time that records pauses instead of sleeping.
class FakeClock final : public platform::Clock {
 public:
  platform::LocalDateTime now{2026, 12, 11, 9, 30, 0, 0};
  std::vector<std::chrono::milliseconds> pauses;
  platform::LocalDateTime Now() const override { return now; }
  void Sleep(std::chrono::milliseconds pause) override { pauses.push_back(pause); }
};

// Everything a Database and a step need, pointed at one test database. The machine root is a
// folder of its own next to the database (<name>.machine/), emptied by the constructor: its
// registry hives are missing files, i.e. empty hives, until ReplaceCurrentUserFile gives one.
struct EngineHarness {
  explicit EngineHarness(const TestDatabase& main, std::string setup_folder = {});

  engine::StepContext Context() { return {db, state, current_user, clock, machine}; }
  // Writes user.reg of the machine root (bytes as a regedit file holds them) and loads it.
  void ReplaceCurrentUserFile(std::string_view file_bytes);

  engine::RunState state;
  platform::MachineRoot machine;
  FakeClock clock;
  engine::RecordingUpgradeLog log;
  engine::Database db;
  platform::RegistryHive current_user;
};

}  // namespace harbo::testing

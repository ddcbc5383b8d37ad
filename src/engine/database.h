// The main and reference databases of a run and the named operations over them. The named
// operations report by their result and never throw; row access on the queries throws
// DatabaseError for the caller to catch.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "engine/firebird_client.h"
#include "engine/live_query.h"
#include "engine/run_state.h"
#include "engine/upgrade_log.h"
#include "platform/clock.h"
#include "platform/machine_root.h"

namespace harbo::engine {

// The fixed login of the product's databases.
inline constexpr std::string_view kDatabaseServer = "127.0.0.1";
inline constexpr std::string_view kDatabaseUser = "SYSDBA";
inline constexpr std::string_view kDatabasePassword = "82Tq5n-7!LDx41R";

class Database {
 public:
  Database(RunState& state, const platform::MachineRoot& machine, platform::Clock& clock,
           UpgradeLog& log);
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // Attaches the main database of the run state and reads PARAM once as a test.
  bool OpenMainDatabase();
  // Attaches setup folder + reference_path (the default reference path when empty) read only.
  // On failure an earlier reference database stays in use.
  bool OpenReferenceDatabase(std::string_view reference_path = {});
  // Each runs one statement in its own committed transaction; false when it failed (rolled back).
  bool ExecuteStatement(std::string_view sql);
  bool ExecuteStatement2(std::string_view sql);
  bool ExecuteOnQuery(LiveQuery& query, std::string_view sql);
  // Opens the query, trying again after 50 ms and after 200 ms; true when open with a row.
  bool OpenQueryWithRetry(LiveQuery& query, std::string_view sql);
  // The generator's next value, or -1.
  int NextGeneratorValue(LiveQuery& query, std::string_view generator);
  void ReconnectMainDatabase();
  void CommitMainDatabase();
  void CloseDatabases();

  LiveQuery& MainQuery() { return *main_query_; }
  LiveQuery& SecondQuery() { return *second_query_; }
  LiveQuery& SettingsQuery() { return *settings_query_; }
  // Throws DatabaseError when no reference database is open.
  LiveQuery& ReferenceQuery();

  RunState& State() { return state_; }
  UpgradeLog& Log() { return log_; }
  platform::Clock& GetClock() { return clock_; }
  const platform::MachineRoot& Machine() const { return machine_; }
  // The host path of the reference file for a reference path (below the setup folder).
  std::string ReferenceHostPath(std::string_view reference_path) const;

 private:
  bool OpenWithRetry(LiveQuery& query, std::string_view sql);
  void EndMainWork() noexcept;

  RunState& state_;
  const platform::MachineRoot& machine_;
  platform::Clock& clock_;
  UpgradeLog& log_;

  Connection main_;
  Transaction default_transaction_;  // the connection's own; nothing of ours starts it
  std::unique_ptr<LiveQuery> main_query_, second_query_, settings_query_;
  std::unique_ptr<Connection> reference_;
  std::unique_ptr<LiveQuery> reference_query_;
};

}  // namespace harbo::engine

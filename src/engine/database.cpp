#include "engine/database.h"

#include <chrono>
#include <filesystem>

#include "engine/database_error.h"

namespace harbo::engine {
namespace {

// The server resolves a relative path against its own folder, not ours.
ConnectionParameters LoginTo(const std::filesystem::path& path) {
  ConnectionParameters p;
  p.server = kDatabaseServer;
  p.database_path = path.empty() ? std::string() : std::filesystem::absolute(path).string();
  p.user = kDatabaseUser;
  p.password = kDatabasePassword;
  return p;
}

}  // namespace

Database::Database(RunState& state, const platform::MachineRoot& machine, platform::Clock& clock,
                   UpgradeLog& log)
    : state_(state),
      machine_(machine),
      clock_(clock),
      log_(log),
      main_(LoginTo({})),
      default_transaction_(main_, false),
      main_query_(std::make_unique<LiveQuery>("main", main_, log)),
      second_query_(std::make_unique<LiveQuery>("second", main_, log)),
      settings_query_(std::make_unique<LiveQuery>("settings", main_, log)) {}

Database::~Database() { CloseDatabases(); }

std::string Database::ReferenceHostPath(std::string_view reference_path) const {
  std::string relative(reference_path);
  for (char& c : relative) {
    if (c == '\\') c = '/';
  }
  return machine_.HostPath(state_.setup_folder).string() + relative;
}

bool Database::OpenMainDatabase() {
  EndMainWork();
  main_.Reset(LoginTo(machine_.HostPath(state_.main_database_path)));
  try {
    main_.Attach();
    log_.Note("attached " + main_.ConnectionString());
  } catch (const DatabaseError& e) {
    log_.Note("cannot attach " + main_.ConnectionString() + ": " + e.what());
  }
  try {
    main_query_->Open("select * from param");
    main_query_->Close();
    return true;
  } catch (const DatabaseError&) {
    main_query_->Close();
    return false;
  }
}

bool Database::OpenReferenceDatabase(std::string_view reference_path) {
  const std::string path(reference_path.empty() ? std::string_view(state_.default_reference_path)
                                                : reference_path);
  auto connection = std::make_unique<Connection>(LoginTo(ReferenceHostPath(path)));
  try {
    connection->Attach();
  } catch (const DatabaseError& e) {
    log_.Note("cannot attach reference database " + connection->ConnectionString() + ": " +
              e.what());
    return false;
  }
  auto query = std::make_unique<LiveQuery>("reference", *connection, log_, true);
  try {
    query->Open("select * from param");
    query->Close();
  } catch (const DatabaseError&) {
    return false;
  }
  if (reference_query_) reference_query_.reset();
  if (reference_) reference_->Detach();
  reference_ = std::move(connection);
  reference_query_ = std::move(query);
  log_.Note("reference database " + reference_->ConnectionString());
  return true;
}

LiveQuery& Database::ReferenceQuery() {
  if (!reference_query_) throw DatabaseError("no reference database is open");
  return *reference_query_;
}

bool Database::ExecuteOnQuery(LiveQuery& query, std::string_view sql) {
  query.Close();
  Transaction& write = query.WriteTransaction();
  try {
    PreparedStatement statement(query.GetConnection(), write, sql);
    if (statement.ReturnsRows()) {
      statement.OpenCursor(write);
      statement.CloseCursor();
    } else {
      statement.Execute(write);
    }
    write.Commit();
    log_.Statement(sql, true);
    return true;
  } catch (const DatabaseError& e) {
    write.Rollback();
    log_.Statement(sql, false, e.what());
    return false;
  }
}

bool Database::ExecuteStatement(std::string_view sql) { return ExecuteOnQuery(*main_query_, sql); }

bool Database::ExecuteStatement2(std::string_view sql) {
  return ExecuteOnQuery(*second_query_, sql);
}

bool Database::OpenWithRetry(LiveQuery& query, std::string_view sql) {
  using std::chrono::milliseconds;
  // A statement can fail on a passing lock conflict; two more tries cover that.
  constexpr milliseconds kPauses[] = {milliseconds(50), milliseconds(200)};
  query.Close();
  for (int attempt = 0;; ++attempt) {
    try {
      query.Open(sql);
      return true;
    } catch (const DatabaseError&) {
      query.Close();
      if (attempt == 2) return false;
      clock_.Sleep(kPauses[attempt]);
    }
  }
}

bool Database::OpenQueryWithRetry(LiveQuery& query, std::string_view sql) {
  if (OpenWithRetry(query, sql) && !query.IsEmpty()) return true;
  query.Close();
  return false;
}

int Database::NextGeneratorValue(LiveQuery& query, std::string_view generator) {
  int value = -1;
  const std::string sql = "SELECT CAST(GEN_ID (" + std::string(generator) +
                          ", 1) AS INTEGER) AS NEXT_CNT FROM RDB$DATABASE";
  try {
    if (OpenWithRetry(query, sql) && !query.IsEmpty()) {
      value = static_cast<int>(query.AsInteger("NEXT_CNT"));
    }
  } catch (const DatabaseError&) {
    value = -1;
  }
  query.Close();
  return value;
}

void Database::EndMainWork() noexcept {
  main_query_->Close();
  second_query_->Close();
  settings_query_->Close();
  default_transaction_.Rollback();
}

void Database::ReconnectMainDatabase() {
  // Detaching with a transaction open would lose its work; end everything first.
  EndMainWork();
  main_.Detach();
  try {
    main_.Attach();
    log_.Note("reattached " + main_.ConnectionString());
  } catch (const DatabaseError& e) {
    log_.Note("cannot reattach " + main_.ConnectionString() + ": " + e.what());
  }
}

void Database::CommitMainDatabase() {
  try {
    default_transaction_.Commit();
  } catch (const DatabaseError& e) {
    default_transaction_.Rollback();
    log_.Note(std::string("commit of the main connection failed: ") + e.what());
  }
}

void Database::CloseDatabases() {
  if (reference_query_) reference_query_->Close();
  if (reference_) reference_->Detach();
  EndMainWork();
  main_.Detach();
}

}  // namespace harbo::engine

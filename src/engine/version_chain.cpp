#include "engine/version_chain.h"

#include <array>
#include <string>

#include "engine/database_error.h"
#include "engine/reference_data.h"

namespace harbo::engine {
namespace {

// The languages whose alarm-type texts the chain refreshes at its end, in this order.
constexpr std::array<std::string_view, 8> kRefreshLanguages = {"fin", "eng", "swe", "fra",
                                                               "ger", "dut", "hun", "nor"};

constexpr std::int32_t kEntryOf6410Flag = 6410;

std::int32_t VersionFromRow(Database& db, std::string_view name) {
  LiveQuery& query = db.MainQuery();
  std::int32_t version = 0;
  try {
    query.Open("SELECT * FROM PARAM WHERE NAME = \"" + std::string(name) + "\"");
    if (!query.IsEmpty()) {
      const std::int64_t value = ValueAsInteger(query.Value("Val"));
      if (value >= INT32_MIN && value <= INT32_MAX) version = static_cast<std::int32_t>(value);
    }
  } catch (const DatabaseError&) {
  }
  query.Close();
  return version;
}

}  // namespace

std::int32_t ReadDatabaseVersion(Database& db) {
  const std::int32_t version = VersionFromRow(db, "DBVERSION");
  return version != 0 ? version : VersionFromRow(db, "DBVersion");
}

bool WriteDatabaseVersion(Database& db, std::int32_t version) {
  return db.ExecuteStatement("Update param set VAL = " + std::to_string(version) +
                             " WHERE NAME = \"DBVERSION\" or NAME = \"DBVersion\"");
}

std::vector<StepEntry> PlannedSteps(std::span<const StepEntry> table, std::int32_t version) {
  std::vector<StepEntry> planned;
  for (const StepEntry& entry : table) {
    if (entry.Matches(version)) {
      planned.push_back(entry);
      version = entry.successor;
    }
  }
  return planned;
}

bool RunVersionChain(Database& db, platform::RegistryHive& current_user,
                     std::span<const StepEntry> table, ChainView& view) {
  RunState& state = db.State();
  view.SetMessageText("Updating database file...");
  view.ProcessPendingEvents();
  const platform::LocalDateTime now = db.GetClock().Now();
  db.Log().Note(
      "upgrade of " + state.main_database_path + ", " +
      DateTime{now.year, now.month, now.day, now.hour, now.minute, now.second, 0}.ToSqlText());

  if (!db.OpenMainDatabase()) {
    view.ShowErrorBox("Error in connecting to Harbo database in " + state.main_database_path);
    return false;
  }
  if (!db.OpenReferenceDatabase()) {
    view.ShowErrorBox("Error in connecting to Harbo update database in " +
                      db.ReferenceHostPath(state.default_reference_path) + ".\r" +
                      "Try placing the installation/update package in a simple folder name such "
                      "as C:\\HarboUpdate");
    return false;
  }
  state.database_version = ReadDatabaseVersion(db);
  if (state.database_version == 0) {
    view.ShowErrorBox("Error in connecting to Harbo database in " + state.main_database_path);
    return false;
  }
  if (state.database_version < kOldestVersion) {
    view.ShowErrorBox("Unable to update database. Previous version is too old: " +
                      std::to_string(state.database_version));
    return false;
  }
  db.Log().Note("database version " + std::to_string(state.database_version));

  const int count = static_cast<int>(PlannedSteps(table, state.database_version).size());
  int number = 0;
  StepContext context{db, state, current_user, db.GetClock(), db.Machine()};
  try {
    for (const StepEntry& entry : table) {
      if (!entry.Matches(state.database_version)) continue;
      if (entry.second_version == kEntryOf6410Flag && state.database_version == kEntryOf6410Flag) {
        state.entered_at_6410 = true;
      }
      view.StepStarting(entry, ++number, count);
      if (entry.routine == nullptr) {
        db.Log().Note("step " + std::to_string(entry.version) +
                      " is not built yet: the upgrade stops at version " +
                      std::to_string(state.database_version));
        view.StepFinished(entry, ChainView::StepOutcome::kNotBuilt);
        return false;
      }
      db.Log().Note("step " + std::to_string(entry.version) + " starts");
      bool done = false;
      try {
        done = entry.routine(context);
      } catch (const std::exception& e) {
        db.Log().Note("step " + std::to_string(entry.version) + " stopped: " + e.what());
      }
      if (!done) {
        db.Log().Note("step " + std::to_string(entry.version) + " failed; the database stays at " +
                      std::to_string(state.database_version));
        view.StepFinished(entry, ChainView::StepOutcome::kFailed);
        return false;
      }
      state.database_version = entry.successor;
      if (!WriteDatabaseVersion(db, state.database_version)) {
        db.Log().Note("step " + std::to_string(entry.version) + " is done, but the new version " +
                      std::to_string(entry.successor) + " could not be stored: the upgrade stops");
        state.database_version = entry.version;  // what the database still says
        view.StepFinished(entry, ChainView::StepOutcome::kFailed);
        return false;
      }
      db.Log().Note("step " + std::to_string(entry.version) + " done: version " +
                    std::to_string(state.database_version));
      view.StepFinished(entry, ChainView::StepOutcome::kDone);
    }
    if (state.alarm_text_refresh) {
      for (std::string_view language : kRefreshLanguages) {
        db.Log().Note("alarm-type texts of " + std::string(language) +
                      " from the reference database");
        CopyAlarmTypeLanguage(db, language);
      }
    }
  } catch (const std::exception& e) {
    db.Log().Note(std::string("the upgrade stopped: ") + e.what());
    return false;
  }
  db.CloseDatabases();
  return true;
}

}  // namespace harbo::engine

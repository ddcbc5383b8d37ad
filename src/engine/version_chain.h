// The version chain: reads the database version from PARAM and runs every upgrade step from it
// on, in the order of the step table, writing the new version after each step. The step table
// itself lives with the steps and is handed in, so the engine knows no step.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "engine/database.h"
#include "platform/clock.h"
#include "platform/machine_root.h"
#include "platform/registry_hive.h"

namespace harbo::engine {

// What a step may use. A step returns true when it has done its work; the chain then sets the
// database version to the step's successor.
struct StepContext {
  Database& db;
  RunState& state;
  // HKEY_CURRENT_USER, where old installations kept their settings. A step that writes to it
  // saves it before it returns.
  platform::RegistryHive& current_user;
  platform::Clock& clock;
  const platform::MachineRoot& machine;
};
using StepRoutine = bool (*)(StepContext&);

struct StepEntry {
  std::int32_t version;
  std::int32_t second_version;  // 0, or a second version that runs the same step
  std::int32_t successor;
  StepRoutine routine;  // nullptr while the step is not built yet

  bool Matches(std::int32_t v) const {
    return v == version || (second_version != 0 && v == second_version);
  }
};

// The oldest database version the chain accepts.
inline constexpr std::int32_t kOldestVersion = 3101;

// The window operations the chain uses, and progress reports for front ends that show them.
class ChainView {
 public:
  enum class StepOutcome { kDone, kFailed, kNotBuilt };
  virtual ~ChainView() = default;
  virtual void SetMessageText(std::string_view text) = 0;
  virtual void ProcessPendingEvents() = 0;
  virtual void ShowErrorBox(std::string_view text) = 0;
  virtual void StepStarting(const StepEntry& /*step*/, int /*number*/, int /*count*/) {}
  virtual void StepFinished(const StepEntry& /*step*/, StepOutcome /*outcome*/) {}
};

// The stored version (DBVERSION, or DBVersion in older databases); 0 when it cannot be read.
std::int32_t ReadDatabaseVersion(Database& db);
// True when the version was stored. The chain stops when it was not: a later run would repeat
// steps that already ran, and some of them (3201, 3501) must not run twice.
bool WriteDatabaseVersion(Database& db, std::int32_t version);

// The entries that a database at `version` runs, in order.
std::vector<StepEntry> PlannedSteps(std::span<const StepEntry> table, std::int32_t version);

// Opens both databases, runs the steps and, when a step asked for it, refreshes the alarm-type
// texts from the reference database. True when the chain ran to its end.
bool RunVersionChain(Database& db, platform::RegistryHive& current_user,
                     std::span<const StepEntry> table, ChainView& view);

}  // namespace harbo::engine

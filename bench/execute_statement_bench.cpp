// Cost of the one-statement-one-transaction rule: N statements through ExecuteStatement, each
// committed by itself, and the same N rows through one live query apply each.
//   harbo-bench-statements [N] [--forced-writes]   (N default 1000; needs the local server)
// The fixtures are made with forced writes off; customers' databases have them on.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "database_builder.h"
#include "engine/database.h"
#include "platform/clock.h"
#include "platform/machine_root.h"

int main(int argc, char** argv) {
  using Clock = std::chrono::steady_clock;
  int count = 1000;
  bool forced_writes = false;
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--forced-writes") {
      forced_writes = true;
    } else {
      count = std::atoi(argv[i]);
    }
  }
  if (count <= 0) {
    std::fprintf(stderr, "usage: harbo-bench-statements [N] [--forced-writes]\n");
    return 2;
  }
  const auto folder =
      harbo::fixtures::PrepareServerFolder(std::filesystem::current_path() / "bench-db");
  const auto path = folder / "statements.fdb";
  const auto script = folder / "statements.sql";
  {
    std::FILE* f = std::fopen(script.c_str(), "w");
    std::fputs(
        "CREATE TABLE PARAM (NAME VARCHAR(60) NOT NULL PRIMARY KEY, VAL VARCHAR(250));\n"
        "CREATE TABLE T (ID INTEGER NOT NULL PRIMARY KEY, VAL VARCHAR(40));\n",
        f);
    std::fclose(f);
  }
  harbo::fixtures::BuildDatabase(path, {script}, forced_writes);

  harbo::engine::RunState state;
  state.main_database_path = path.string();
  harbo::platform::MachineRoot machine(folder);
  harbo::platform::SystemClock clock;
  harbo::engine::NullUpgradeLog log;
  harbo::engine::Database db(state, machine, clock, log);
  if (!db.OpenMainDatabase()) {
    std::fprintf(stderr, "cannot open %s\n", path.c_str());
    return 1;
  }

  auto start = Clock::now();
  int failed = 0;
  for (int i = 0; i < count; ++i) {
    failed += !db.ExecuteStatement("INSERT INTO T (ID, VAL) VALUES (" + std::to_string(i) +
                                   ", \"row " + std::to_string(i) + "\")");
  }
  const double insert_ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();

  start = Clock::now();
  auto& query = db.MainQuery();
  for (query.Open("SELECT * FROM T ORDER BY ID"); !query.Eof(); query.Next()) {
    query.Edit();
    query.SetField("VAL", std::string("changed"));
    failed += !query.TryApplyRowChanges();
  }
  query.Close();
  const double apply_ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  db.CloseDatabases();

  std::printf("forced writes %s\n", forced_writes ? "on" : "off");
  std::printf("ExecuteStatement x %d: %.1f ms total, %.3f ms per statement\n", count, insert_ms,
              insert_ms / count);
  std::printf("live query edit + ApplyRowChanges x %d: %.1f ms total, %.3f ms per row\n", count,
              apply_ms, apply_ms / count);
  std::printf("failed: %d\n", failed);
  return failed == 0 ? 0 : 1;
}

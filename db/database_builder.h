// Makes a database on the local server from SQL script files (the fixture sources of this
// folder): the build makes the reference databases of the setup package with it, the tests and
// the demonstration their databases.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <vector>

namespace harbo::fixtures {

class BuildError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Creates `database` (a path the server can write; an existing file is replaced) and runs every
// statement of the scripts in order, each committed by itself. The scripts are UTF-8 and are
// stored as Windows-1252. Throws BuildError naming the script and line of the first failure;
// the half-made database is removed then.
// Forced writes are off unless asked for (they are on in customers' databases).
void BuildDatabase(const std::filesystem::path& database,
                   const std::vector<std::filesystem::path>& scripts, bool forced_writes = false);

// Runs the statements of more scripts on an existing database, as BuildDatabase does.
void ApplyScripts(const std::filesystem::path& database,
                  const std::vector<std::filesystem::path>& scripts);

// A folder the server (user firebird) can create databases in: made if missing, with the
// sticky bit and write access for everyone, as /tmp has.
std::filesystem::path PrepareServerFolder(const std::filesystem::path& folder);

}  // namespace harbo::fixtures

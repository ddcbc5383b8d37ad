// The state of one run of the upgrade, owned by the program and handed to the engine and the steps.
#pragma once

#include <cstdint>
#include <string>

namespace harbo::engine {

struct RunState {
  // The main database as the user gave it: a Windows drive path or a host path.
  std::string main_database_path = "C:\\HarboServer\\harbo.fdb";
  // The folder of the setup package, with a trailing separator.
  std::string setup_folder;
  // Where the reference database lies below the setup folder unless a step names another file.
  std::string default_reference_path = "upddata\\common.fdb";

  std::int32_t database_version = 0;
  // Raised by steps that changed alarm types; the chain then copies their texts at its end.
  bool alarm_text_refresh = false;
  // The database entered the 6400 step at version 6410.
  bool entered_at_6410 = false;
};

}  // namespace harbo::engine

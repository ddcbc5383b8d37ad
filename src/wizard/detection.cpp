#include "wizard/detection.h"

#include "platform/registry_hive.h"

namespace harbo::wizard {
namespace {

bool FileExists(const platform::MachineRoot& machine, const std::string& windows_path) {
  std::error_code error;
  return std::filesystem::is_regular_file(machine.HostPath(windows_path), error);
}

}  // namespace

std::string SetupFolderOf(const std::filesystem::path& program_file) {
  std::string folder = program_file.parent_path().string();
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

std::string ProgramFilesFolder(const platform::MachineRoot& machine) {
  try {
    const auto hive = platform::RegistryHive::LocalMachine(machine);
    if (const auto key = hive.OpenKey("SOFTWARE\\Microsoft\\Windows\\CurrentVersion")) {
      if (auto folder = hive.ReadString(*key, "ProgramFilesDir")) return std::move(*folder);
    }
  } catch (const platform::RegistryError&) {
    // An unreadable hive is a registry without the value.
  }
  return std::string(kDefaultProgramFilesFolder);
}

bool IsHarboInstalled(const platform::MachineRoot& machine) {
  return FileExists(machine, std::string(kInstalledDatabase));
}

bool IsOldLayoutPresent(const platform::MachineRoot& machine, std::string_view program_files) {
  return FileExists(machine,
                    std::string(program_files) + std::string(kOldLayoutFolder) + "\\harbo.gdb");
}

bool IsFirebird21Present(const platform::MachineRoot& machine, std::string_view program_files) {
  return FileExists(machine,
                    std::string(program_files) + "\\Firebird\\Firebird_2_1\\bin\\fbserver.exe");
}

bool IsFirebird30Present(const platform::MachineRoot& machine, std::string_view program_files) {
  return FileExists(machine, std::string(program_files) + "\\Firebird\\Firebird_3_0\\firebird.exe");
}

}  // namespace harbo::wizard

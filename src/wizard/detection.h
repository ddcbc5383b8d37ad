// What the wizard finds on the machine: the setup folder, the program files folder, and which
// installations are present (the product's database in its current or old place, Firebird 2.1
// or 3.0). Windows paths are looked up below the machine root.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/machine_root.h"

namespace harbo::wizard {

// Fixed places of an installation.
inline constexpr std::string_view kServerFolder = "C:\\HarboServer\\";
inline constexpr std::string_view kInstalledDatabase = "C:\\HarboServer\\harbo.fdb";
inline constexpr std::string_view kOldLayoutFolder = "\\QXR\\Harbo";  // below program files
// The program files folder when the registry does not name one.
inline constexpr std::string_view kDefaultProgramFilesFolder = "C:\\Progra~1";

// The folder of the program file, with a trailing separator.
std::string SetupFolderOf(const std::filesystem::path& program_file);

// The value "ProgramFilesDir" of HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion, or
// "C:\Progra~1" when the hive cannot be read or has no such text value.
std::string ProgramFilesFolder(const platform::MachineRoot& machine);

// Each is true when a file (not a folder) of that name exists:
// C:\HarboServer\harbo.fdb.
bool IsHarboInstalled(const platform::MachineRoot& machine);
// <program files>\QXR\Harbo\harbo.gdb: an installation older than version 6.0.
bool IsOldLayoutPresent(const platform::MachineRoot& machine, std::string_view program_files);
// <program files>\Firebird\Firebird_2_1\bin\fbserver.exe.
bool IsFirebird21Present(const platform::MachineRoot& machine, std::string_view program_files);
// <program files>\Firebird\Firebird_3_0\firebird.exe.
bool IsFirebird30Present(const platform::MachineRoot& machine, std::string_view program_files);

}  // namespace harbo::wizard

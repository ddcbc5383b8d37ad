// The machine root: a host folder that stands for the Windows machine the setup program was written
// for. Drive C: is <root>/drive_c, the registry hives are regedit export files in the root. Every
// file path the program touches goes through HostPath.
#pragma once

#include <filesystem>
#include <string_view>

namespace harbo::platform {

class MachineRoot {
 public:
  // The folder used when HARBO_ROOT is not set.
  static constexpr std::string_view kDefaultRoot = "/var/lib/harbo";

  explicit MachineRoot(std::filesystem::path root);
  // $HARBO_ROOT, or kDefaultRoot when it is unset or empty.
  static MachineRoot FromEnvironment();

  const std::filesystem::path& Root() const { return root_; }

  // "C:\HarboServer\harbo.fdb" -> <root>/drive_c/HarboServer/harbo.fdb (any drive letter, either
  // slash, case kept). A path without a drive letter is a host path and is returned as it is,
  // except that backslashes become slashes.
  std::filesystem::path HostPath(std::string_view path) const;

  std::filesystem::path CurrentUserHive() const { return root_ / "user.reg"; }
  std::filesystem::path LocalMachineHive() const { return root_ / "system.reg"; }

 private:
  std::filesystem::path root_;
};

}  // namespace harbo::platform

// The wizard's hands on the machine: starting an external installer and waiting for it, and
// copying files. Behind an interface so that tests can put a fake where a real process or copy
// is not the point; SystemPrograms is the real one.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/machine_root.h"
#include "wizard/wizard_view.h"

namespace harbo::wizard {

// The wait for an external program is cut into slices of this length; the view's pending events
// are handled after each slice the program outlives.
inline constexpr std::chrono::milliseconds kWaitSlice{200};

// The Firebird 3.0 installer of the setup package, run silently with the product's login.
inline constexpr std::string_view kFirebirdInstallerCommandLine =
    "Firebird_3_0\\Firebird-3.0.3.32900_0_Win32.exe /SYSDBANAME=\"SYSDBA\" "
    "/SYSDBAPASSWORD=\"82Tq5n-7!LDx41R\" /silent -SMS";

// The client installer's command line for a server address. The address reaches the installer
// as one argument whatever it holds: a quote in it cannot end the quoted part early.
std::string ClientInstallerCommandLine(std::string_view server_address);

class ExternalPrograms {
 public:
  virtual ~ExternalPrograms() = default;
  // Starts the program of a Windows command line and waits until it has ended. True when it
  // could be started and has ended; its exit code is not examined.
  virtual bool RunAndWait(std::string_view command_line, WizardView& view) = 0;
  // Copies `source` (a Windows path, its last part possibly a wildcard pattern such as "*.tms")
  // into the folder `destination`, made when missing; the view answers before a file is
  // replaced. True when it succeeded (platform::CopyFiles).
  virtual bool CopyFiles(std::string_view source, std::string_view destination,
                         WizardView& view) = 0;
};

// Real processes and files below the machine root. A relative program name is resolved against
// `working_folder`, the folder the setup program runs in.
class SystemPrograms final : public ExternalPrograms {
 public:
  SystemPrograms(const platform::MachineRoot& machine, std::filesystem::path working_folder);

  bool RunAndWait(std::string_view command_line, WizardView& view) override;
  bool CopyFiles(std::string_view source, std::string_view destination, WizardView& view) override;

 private:
  const platform::MachineRoot& machine_;
  std::filesystem::path working_folder_;
};

}  // namespace harbo::wizard

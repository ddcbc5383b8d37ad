#include "wizard/external_programs.h"

#include "platform/file_copy.h"
#include "platform/process.h"

namespace harbo::wizard {

std::string ClientInstallerCommandLine(std::string_view server_address) {
  return "clientsetup\\clientsetup.exe /V\"FOOBAR=" + platform::EscapeInsideQuotes(server_address) +
         "\" -SMS";
}

SystemPrograms::SystemPrograms(const platform::MachineRoot& machine,
                               std::filesystem::path working_folder)
    : machine_(machine), working_folder_(std::move(working_folder)) {}

bool SystemPrograms::RunAndWait(std::string_view command_line, WizardView& view) {
  std::vector<std::string> tokens = platform::SplitCommandLine(command_line);
  if (tokens.empty() || tokens.front().empty()) return false;
  const auto program = platform::ResolveProgram(tokens.front(), machine_, working_folder_);
  tokens.erase(tokens.begin());
  auto child = platform::ChildProcess::Start(program, tokens);
  if (!child) return false;
  while (!child->WaitFor(kWaitSlice)) view.ProcessPendingEvents();
  return true;
}

bool SystemPrograms::CopyFiles(std::string_view source, std::string_view destination,
                               WizardView& view) {
  return platform::CopyFiles(
      machine_.HostPath(source), machine_.HostPath(destination),
      [&view](const std::filesystem::path& existing) { return view.ConfirmReplace(existing); });
}

}  // namespace harbo::wizard

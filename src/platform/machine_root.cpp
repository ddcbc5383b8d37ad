#include "platform/machine_root.h"

#include <cctype>
#include <cstdlib>
#include <string>

namespace harbo::platform {

MachineRoot::MachineRoot(std::filesystem::path root) : root_(std::move(root)) {}

MachineRoot MachineRoot::FromEnvironment() {
  const char* root = std::getenv("HARBO_ROOT");
  return MachineRoot(root != nullptr && *root != '\0' ? std::filesystem::path(root)
                                                      : std::filesystem::path(kDefaultRoot));
}

std::filesystem::path MachineRoot::HostPath(std::string_view path) const {
  std::string text(path);
  for (char& c : text) {
    if (c == '\\') c = '/';
  }
  const bool drive_path = text.size() >= 2 && std::isalpha(static_cast<unsigned char>(text[0])) &&
                          text[1] == ':';
  if (!drive_path) return text;
  std::string drive = "drive_";
  drive += static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
  std::string rest = text.substr(2);
  while (!rest.empty() && rest.front() == '/') rest.erase(0, 1);
  return rest.empty() ? root_ / drive : root_ / drive / rest;
}

}  // namespace harbo::platform

#include "steps/step_3501_transfer_key.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <optional>
#include <vector>

#include "legacy/registry_reader.h"

namespace harbo::steps {
namespace {

// Key and value names below are those the installed servers read: never rename them.
std::uint32_t Flag(bool on) { return on ? 1 : 0; }

constexpr std::string_view kSystemsKey = "Transfer\\Systems";
constexpr std::string_view kSystemPrefix = "Syst";

// n of a subkey named Syst<n> as systems are named (decimal, no leading zero, n above 0); nothing
// for any other name. A number too long for 64 bits counts as the largest one.
std::optional<std::int64_t> SystemNumber(std::string_view name) {
  if (name.size() <= kSystemPrefix.size()) return std::nullopt;
  for (std::size_t i = 0; i < kSystemPrefix.size(); ++i) {
    // Key names compare without letter case.
    if (std::tolower(static_cast<unsigned char>(name[i])) !=
        std::tolower(static_cast<unsigned char>(kSystemPrefix[i]))) {
      return std::nullopt;
    }
  }
  const std::string_view digits = name.substr(kSystemPrefix.size());
  if (digits.front() == '0') return std::nullopt;
  std::int64_t n = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    constexpr std::int64_t kLargest = std::numeric_limits<std::int64_t>::max();
    n = n > (kLargest - 9) / 10 ? kLargest : n * 10 + (c - '0');
  }
  return n;
}

// The subkeys of \Transfer\Systems that are systems, with their numbers.
std::vector<std::pair<std::int64_t, std::string>> SystemKeys(const platform::RegistryHive& hive) {
  std::vector<std::pair<std::int64_t, std::string>> systems;
  const auto key = hive.OpenKey(legacy::LegacyKeyPath(kSystemsKey));
  if (!key) return systems;
  for (std::string& name : hive.SubkeyNames(*key)) {
    if (const auto n = SystemNumber(name)) systems.emplace_back(*n, std::move(name));
  }
  return systems;
}

}  // namespace

std::string TransferSystemKeyPath(std::int64_t n) {
  return legacy::LegacyKeyPath(std::string(kSystemsKey) + "\\" + std::string(kSystemPrefix) +
                               std::to_string(n));
}

std::int64_t HighestTransferSystemNumber(const platform::RegistryHive& hive) {
  std::int64_t highest = 0;
  for (const auto& [n, name] : SystemKeys(hive)) highest = std::max(highest, n);
  return highest;
}

bool HasSystemWithProtocol(const platform::RegistryHive& hive, std::string_view protocol) {
  for (const auto& [n, name] : SystemKeys(hive)) {
    const auto key = hive.OpenKey(legacy::LegacyKeyPath(std::string(kSystemsKey) + "\\" + name));
    if (key && hive.ValueType(*key, "Protocol") == platform::kRegSz &&
        hive.ReadString(*key, "Protocol") == protocol) {
      return true;
    }
  }
  return false;
}

void WriteTransferProtocol(platform::RegistryHive& hive, std::string_view code,
                           const TEDSProtokolla& protocol) {
  const platform::RegistryKey key =
      hive.CreateKey(legacy::LegacyKeyPath("Transfer\\Protocols\\" + std::string(code)));
  hive.WriteString(key, "Code", protocol.code);
  hive.WriteString(key, "Name", protocol.name);
  hive.WriteDword(key, "HasCenter", Flag(protocol.has_center));
  hive.WriteString(key, "TMSFileName", protocol.tms_file_name);
  hive.WriteDword(key, "CallType", protocol.call_type);
}

void WriteTransferSystem(platform::RegistryHive& hive, std::int64_t n, const TSiirtoSyst& system) {
  if (n < 1 || n > std::numeric_limits<std::uint8_t>::max()) {
    throw platform::RegistryError("no transfer system number is free for \"" + system.name +
                                  "\": Syst" + std::to_string(n) + " is above Syst255");
  }
  const platform::RegistryKey key = hive.CreateKey(TransferSystemKeyPath(n));
  hive.WriteString(key, "Name", system.name);
  hive.WriteDword(key, "SerPort", system.ser_port);
  hive.WriteDword(key, "AckDoubles", Flag(system.ack_doubles));
  hive.WriteString(key, "Protocol", system.protocol);
  hive.WriteDword(key, "SuccessClose", Flag(system.success_close));
  hive.WriteDword(key, "SuccessAck", Flag(system.success_ack));
  hive.WriteDword(key, "Reminder", Flag(system.reminder));
  hive.WriteDword(key, "RemindTimes", static_cast<std::uint32_t>(system.remind_times));
  hive.WriteDword(key, "RemindInterval", static_cast<std::uint32_t>(system.remind_interval));
  hive.WriteDword(key, "AttemptInterval", static_cast<std::uint32_t>(system.attempt_interval));
  hive.WriteString(key, "ServerAddress", system.server_address);
  hive.WriteString(key, "Num5", system.num5);
  hive.WriteString(key, "Num6", system.num6);
}

}  // namespace harbo::steps

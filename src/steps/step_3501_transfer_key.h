// Transfer systems and protocols in the legacy settings key (HKEY_CURRENT_USER), as step 3501
// reads and writes them and step 4101 writes them again. The hive holds the changes until the
// step saves it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry_hive.h"

namespace harbo::steps {

// Where old installations kept their settings; the paths below are relative to it.
inline constexpr std::string_view kLegacySettingsKey = "SOFTWARE\\QXR\\QXRHarbo\\1.0";

// One transfer system of the key: its number n of Syst<n> and its Name.
struct TransferSystemName {
  std::int32_t number = 0;
  std::string name;
};
// The transfer systems of the key, in ascending number.
using TSysteemiNimet = std::vector<TransferSystemName>;

// A transfer protocol (\Transfer\Protocols\<code>).
struct TEDSProtokolla {
  std::string code;
  std::string name;
  bool has_center = false;
  std::string tms_file_name;
  std::uint8_t call_type = 0;
};

// A transfer system (\Transfer\Systems\Syst<n>), the fields the upgrade steps write.
struct TSiirtoSyst {
  std::int32_t number = 0;
  std::string name;
  std::uint8_t ser_port = 0;
  bool ack_doubles = false;
  std::string protocol;
  bool success_close = false;
  bool success_ack = false;
  bool reminder = false;
  std::int32_t remind_times = 0;
  std::int32_t remind_interval = 0;
  std::string server_address;
  std::int32_t attempt_interval = 0;
  std::string num5;
  std::string num6;
};

// The path of \Transfer\Systems\Syst<n> below the root, for opening it.
std::string TransferSystemKeyPath(int n);

// The systems Syst1 .. Syst99 that exist, each with its Name ("" when it has none). Throws
// platform::RegistryTypeError when a Name is not a REG_SZ.
TSysteemiNimet ReadTransferSystemList(const platform::RegistryHive& hive);

// Writes the protocol into \Transfer\Protocols\<code>, creating the key.
void WriteTransferProtocol(platform::RegistryHive& hive, std::string_view code,
                           const TEDSProtokolla& protocol);

// Writes the system into \Transfer\Systems\Syst<n>, creating the key.
void WriteTransferSystem(platform::RegistryHive& hive, std::uint8_t n, const TSiirtoSyst& system);

}  // namespace harbo::steps

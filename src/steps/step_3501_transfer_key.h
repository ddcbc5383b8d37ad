// Transfer systems and protocols that steps 3501 and 4101 write into the legacy settings key
// (HKEY_CURRENT_USER). The key itself, its path helper and ReadTransferSystemList are those of
// the legacy settings import (legacy/). The hive holds the changes until the step saves it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "legacy/settings_records.h"
#include "platform/registry_hive.h"

namespace harbo::steps {

// A transfer protocol (\Transfer\Protocols\<code>).
struct TEDSProtokolla {
  std::string code;
  std::string name;
  bool has_center = false;
  std::string tms_file_name;
  std::uint8_t call_type = 0;
};

// A transfer system (\Transfer\Systems\Syst<n>) as the upgrade steps write it. Unlike the import's
// legacy::TSiirtoSyst (SerPort 32-bit, Num1..Num23) it holds SerPort as a byte and only Num5, Num6.
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

// Whether one of the listed systems has the Protocol `protocol`. A Protocol value of another type
// than REG_SZ counts as another protocol: the steps that ask never read it otherwise.
bool HasSystemWithProtocol(const platform::RegistryHive& hive,
                           const legacy::TSysteemiNimet& systems, std::string_view protocol);

// Writes the protocol into \Transfer\Protocols\<code>, creating the key.
void WriteTransferProtocol(platform::RegistryHive& hive, std::string_view code,
                           const TEDSProtokolla& protocol);

// Writes the system into \Transfer\Systems\Syst<n>, creating the key.
void WriteTransferSystem(platform::RegistryHive& hive, std::uint8_t n, const TSiirtoSyst& system);

}  // namespace harbo::steps

// Transfer systems and protocols that steps 3501 and 4101 write into the legacy settings key
// (HKEY_CURRENT_USER), and the Syst<n> keys found there. The key itself and its path helper are
// those of the legacy settings import (legacy/). The hive holds the changes until the step saves
// it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

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
std::string TransferSystemKeyPath(std::int64_t n);

// The highest n of the \Transfer\Systems\Syst<n> keys, 0 when there is none. Every subkey is
// looked at: the system list of legacy::ReadTransferSystemList stops at Syst99, and a system added
// above it must not be written over.
std::int64_t HighestTransferSystemNumber(const platform::RegistryHive& hive);

// Whether one of the \Transfer\Systems\Syst<n> keys (any n) has the Protocol `protocol`. A
// Protocol value of another type than REG_SZ counts as another protocol: the steps that ask never
// read it otherwise.
bool HasSystemWithProtocol(const platform::RegistryHive& hive, std::string_view protocol);

// Writes the protocol into \Transfer\Protocols\<code>, creating the key.
void WriteTransferProtocol(platform::RegistryHive& hive, std::string_view code,
                           const TEDSProtokolla& protocol);

// Writes the system into \Transfer\Systems\Syst<n>, creating the key. A system is numbered by a
// byte: n outside 1..255 throws platform::RegistryError and writes nothing, where a wrapped number
// would write over Syst0 or Syst1.
void WriteTransferSystem(platform::RegistryHive& hive, std::int64_t n, const TSiirtoSyst& system);

}  // namespace harbo::steps

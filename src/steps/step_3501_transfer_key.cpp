#include "steps/step_3501_transfer_key.h"

#include "legacy/registry_reader.h"

namespace harbo::steps {
namespace {

// Key and value names below are those the installed servers read: never rename them.
std::uint32_t Flag(bool on) { return on ? 1 : 0; }

}  // namespace

std::string TransferSystemKeyPath(int n) {
  return legacy::LegacyKeyPath("Transfer\\Systems\\Syst" + std::to_string(n));
}

bool HasSystemWithProtocol(const platform::RegistryHive& hive,
                           const legacy::TSysteemiNimet& systems, std::string_view protocol) {
  for (const legacy::TransferSystemName& listed : systems) {
    const auto key = hive.OpenKey(TransferSystemKeyPath(listed.number));
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

void WriteTransferSystem(platform::RegistryHive& hive, std::uint8_t n, const TSiirtoSyst& system) {
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

#include "legacy/registry_reader.h"

#include <algorithm>
#include <optional>

namespace harbo::legacy {
namespace {

// Key and value names below are those the old servers wrote: never rename them.
constexpr int kHighestSystemNumber = 99;  // Syst1 .. Syst99

// Values of one key, each read into a field only when present. Every read throws
// platform::RegistryTypeError for a value of another type.
class KeyReader {
 public:
  KeyReader(const platform::RegistryHive& hive, platform::RegistryKey key)
      : hive_(hive), key_(std::move(key)) {}

  // The key at `relative`, or nothing when it does not exist.
  static std::optional<KeyReader> Open(const platform::RegistryHive& hive,
                                       std::string_view relative) {
    auto key = hive.OpenKey(LegacyKeyPath(relative));
    if (!key) return std::nullopt;
    return KeyReader(hive, std::move(*key));
  }

  std::optional<std::uint32_t> Dword(std::string_view name) const {
    return hive_.ReadDword(key_, name);
  }
  std::optional<std::string> String(std::string_view name) const {
    return hive_.ReadString(key_, name);
  }

  void Flag(std::string_view name, bool& field) const {
    if (const auto value = Dword(name)) field = *value != 0;
  }
  void Integer(std::string_view name, std::int32_t& field) const {
    if (const auto value = Dword(name)) field = static_cast<std::int32_t>(*value);
  }
  // An unsigned byte setting keeps the low byte of the value.
  void Byte(std::string_view name, std::uint8_t& field) const {
    if (const auto value = Dword(name)) field = static_cast<std::uint8_t>(*value);
  }
  void Text(std::string_view name, std::string& field) const {
    if (auto value = String(name)) field = std::move(*value);
  }

 private:
  const platform::RegistryHive& hive_;
  platform::RegistryKey key_;
};

std::string Numbered(std::string_view base, int n) { return std::string(base) + std::to_string(n); }

std::string TransferSystemKey(int n) { return Numbered("Transfer\\Systems\\Syst", n); }

}  // namespace

std::string LegacyKeyPath(std::string_view relative) {
  std::string path(kLegacySettingsKey);
  if (!relative.empty()) path.append("\\").append(relative);
  return path;
}

void ReadGeneralSettings(const platform::RegistryHive& hive, TAsetukset& settings,
                         ShowUnitTypeFlags& show_unit_types) {
  const auto key = KeyReader::Open(hive, "");
  if (!key) return;
  key->Flag("AlarmNotify", settings.alarm_notify);
  key->Flag("SoundON", settings.sound_on);
  key->Flag("TransEndNotify", settings.trans_end_notify);
  key->Text("UserPassword", settings.user_password);
  key->Text("AdminPassword", settings.admin_password);
  key->Byte("CustomerSort", settings.customer_sort);
  key->Flag("ShowCustSort", settings.show_cust_sort);
  key->Flag("ShowCustColors", settings.show_cust_colors);
  key->Text("AlarmSoundFile", settings.alarm_sound_file);
  key->Byte("AlarmViewType", settings.alarm_view_type);
  key->Flag("ShowAlarmType", settings.show_alarm_type);
  key->Flag("ShowAlaButtons", settings.show_ala_buttons);
  key->Integer("Language", settings.language);
  key->Integer("shoutport", settings.shoutport);
  key->Flag("ResizeAlarmCols", settings.resize_alarm_cols);
  key->Flag("CustomerProtect", settings.customer_protect);
  key->Flag("CurveProtect", settings.curve_protect);
  key->Flag("AdminCustomerRemove", settings.admin_customer_remove);
  key->Flag("AllGroupAdmin", settings.all_group_admin);
  for (int i = 0; i < kUnitTypeCount; ++i) {
    key->Flag(Numbered("ShowUnitType", i), show_unit_types.shown[i]);
  }
}

void ReadAlarmSettings(const platform::RegistryHive& hive, TAlarmSettings& settings) {
  const auto key = KeyReader::Open(hive, "Alarms");
  if (!key) return;
  key->Flag("NurseAckON", settings.nurse_ack_on);
  key->Integer("NurseAckColor", settings.nurse_ack_color);
  key->Integer("NurseAckMaxTime", settings.nurse_ack_max_time);
  key->Integer("NurseAckDelay", settings.nurse_ack_delay);
  key->Flag("NurseAckReqTransf", settings.nurse_ack_req_transf);
  key->Flag("WUTechSystemTransf", settings.wu_tech_system_transf);
  key->Flag("AllowAlarmAck", settings.allow_alarm_ack);
  key->Flag("AckAlarmOnACOnly", settings.ack_alarm_on_ac_only);
  key->Flag("CARun", settings.ca_run);
  key->Flag("GenerateAlarmAck", settings.generate_alarm_ack);
  // The filters are seconds in the registry and milliseconds in memory (32-bit, as the server).
  if (const auto seconds = key->Dword("ACFilterSameML")) {
    settings.ac_filter_same_ml = static_cast<std::int32_t>(*seconds * 1000u);
  }
  if (const auto seconds = key->Dword("ACFilterSecondML")) {
    settings.ac_filter_second_ml = static_cast<std::int32_t>(*seconds * 1000u);
  }
  key->Flag("ESPAWithRoomPhone", settings.espa_with_room_phone);
  for (int i = 0; i < 3; ++i) key->Integer(Numbered("CAInterval", i + 1), settings.ca_interval[i]);
  for (int k = 1; k <= kCaYaLimitCount; ++k) {
    if (const auto hundredths = key->Dword(Numbered("CAYALimit", k))) {
      settings.ca_ya_limit[k - 1] = static_cast<std::int32_t>(*hundredths) / 100.0;
    }
  }
  key->Flag("CAKeepAlerts", settings.ca_keep_alerts);
}

void ReadDeviceSettings(const platform::RegistryHive& hive, TLaiteAsetukset& settings) {
  const auto key = KeyReader::Open(hive, "");
  if (!key) return;
  key->Integer("RelayToggleTime", settings.relay_toggle_time);
  key->Flag("TelnetInstalled", settings.telnet_installed);
  key->Flag("EmailInstalled", settings.email_installed);
  key->Flag("OXEInstalled", settings.oxe_installed);
  key->Flag("ReceiveIPMess", settings.receive_ip_mess);
  key->Text("EmailServer", settings.email_server);
  key->Text("EmailFrom", settings.email_from);
  key->Integer("EmailPort", settings.email_port);
  key->Integer("HiPathBaseAddr", settings.hi_path_base_addr);
  key->Integer("HiPathAddrCount", settings.hi_path_addr_count);
  key->Integer("VoiceConnDevice", settings.voice_conn_device);
  key->Integer("HeadsetMicVol", settings.headset_mic_vol);
  key->Integer("HeadsetSpkVol", settings.headset_spk_vol);
  key->Flag("HDPTraceLog", settings.hdp_trace_log);
  key->Integer("CustCodeVCELength", settings.cust_code_vce_length);
  key->Flag("LowSpeedMode", settings.low_speed_mode);
  key->Integer("VoiceMessageVol", settings.voice_message_vol);
  key->Integer("TransfVCETimeout", settings.transf_vce_timeout);
  key->Integer("HarboLinkPort", settings.harbo_link_port);
}

void ReadSerialPorts(const platform::RegistryHive& hive, SerialPortSettings& ports) {
  ports = SerialPortSettings{};
  if (const auto key = KeyReader::Open(hive, "SerPorts")) {
    for (int i = 0; i < 3; ++i) key->Text(Numbered("InitStr", i + 1), ports.init_strings[i]);
  }
  for (int n = 1; n <= kSerialPortCount; ++n) {
    TSerialPort& port = ports.ports[n - 1];
    const auto key = KeyReader::Open(hive, Numbered("SerPorts\\COM", n));
    if (!key) continue;
    key->Flag("Installed", port.installed);
    key->Byte("UnitType", port.unit_type);
    // Capped on the value as stored, so that 256 becomes 8 rather than its low byte 0.
    if (const auto receive = key->Dword("Receive")) {
      port.receive = static_cast<std::uint8_t>(std::min<std::uint32_t>(*receive, kMaxReceive));
    }
    key->Byte("Speed", port.speed);
    if (auto format = key->String("ComFormat"))
      port.com_format = format->substr(0, kComFormatLength);
    key->Flag("CanTransfer", port.can_transfer);
  }
}

void ReadTransferSettings(const platform::RegistryHive& hive, TTransferSettings& settings) {
  const auto key = KeyReader::Open(hive, "Transfer");
  if (!key) return;
  key->Flag("State", settings.state);
  key->Flag("Timing", settings.timing);
  key->Flag("SATiming", settings.sa_timing);
  key->Integer("ActType", settings.act_type);
  key->Integer("Delay", settings.delay);
  key->Integer("MaxTries", settings.max_tries);
  key->Flag("TransAckd", settings.trans_ackd);
  key->Flag("WarnOnErr", settings.warn_on_err);
  key->Integer("SystAlarms", settings.syst_alarms);
  key->Integer("Calendar", settings.calendar);
  key->Integer("SACalendar", settings.sa_calendar);
  if (const auto separator = key->String("TXTMessSep"); separator && !separator->empty()) {
    settings.txt_mess_sep = separator->front();
  }
}

TSysteemiNimet ReadTransferSystemList(const platform::RegistryHive& hive) {
  TSysteemiNimet systems;
  for (int n = 1; n <= kHighestSystemNumber; ++n) {
    const auto key = KeyReader::Open(hive, TransferSystemKey(n));
    if (!key) continue;
    systems.push_back({n, key->String("Name").value_or("")});
  }
  return systems;
}

bool ReadTransferSystem(const platform::RegistryHive& hive, int n, TSiirtoSyst& system) {
  const auto key = KeyReader::Open(hive, TransferSystemKey(n));
  if (!key) return false;
  system.number = n;
  key->Text("Name", system.name);
  key->Integer("SerPort", system.ser_port);
  key->Flag("AckDoubles", system.ack_doubles);
  for (int k = 1; k <= kEdsNumCount; ++k) {
    system.num[k - 1] = key->String(Numbered("Num", k)).value_or("");
  }
  key->Text("Protocol", system.protocol);
  key->Flag("SuccessClose", system.success_close);
  key->Flag("SuccessAck", system.success_ack);
  system.reminder = key->Dword("Reminder").value_or(0) != 0;
  system.remind_times = static_cast<std::int32_t>(key->Dword("RemindTimes").value_or(3));
  system.remind_interval = static_cast<std::int32_t>(key->Dword("RemindInterval").value_or(10));
  key->Text("ServerAddress", system.server_address);
  system.attempt_interval = static_cast<std::int32_t>(key->Dword("AttemptInterval").value_or(20));
  return true;
}

}  // namespace harbo::legacy

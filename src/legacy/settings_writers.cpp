#include "legacy/settings_writers.h"

#include <cmath>
#include <string>
#include <string_view>

#include "engine/database_error.h"
#include "engine/param_writer.h"
#include "engine/sql_text.h"

namespace harbo::legacy {
namespace {

using engine::TwoDigitText;
using engine::WriteParamBool;
using engine::WriteParamInt;
using engine::WriteParamText;

// The transfer protocols the server knows, written to PARAM as TraPro<code>...; the codes and
// values are read by the server: never change them.
struct TransferProtocol {
  std::string_view code;
  std::string_view name;
  bool has_center;
  std::string_view tms;
  int call_type;
};
constexpr TransferProtocol kTransferProtocols[] = {
    {"ALCATELOXE-SMS", "ALCATELOXE-SMS", false, "ALCATELOXE-SMS", 5},
    {"EMAIL", "Email", false, "email", 4},
    {"ESPA444-A", "ESPA444-A", false, "espaa", 1},
    {"ESPA444-B", "ESPA444-B", false, "espab", 1},
    {"HIPATH-SIMPLE", "HiPath Simple type A", false, "hpthsima", 3},
    {"HIPATH-VCE", "HiPath message with voice", false, "hpthvcea", 3},
    {"SCOPE", "Scope Pager", false, "scope", 1},
    {"SMS", "SMS", false, "sms", 1},
    {"SMS-HIVOICE", "SMS-HIVOICE", false, "sms-hv", 1},
    {"VCE", "Voice Message", false, "vcemsg", 2},
    {"VCE2", "Voice Message 2", false, "vce2", 2},
    {"VCE2-ACB", "Voice Message with autocallback", false, "vce2-acb", 2},
    {"VCE2-ACB-A", "Voice Message with autocallback, includes area", false, "vce2-acb-a", 2},
};

// Unit types whose show flag follows the objects of the database rather than the registry.
constexpr int kCountedUnitTypes[] = {0, 2, 5};

// True when OBJECT has an object of this WCTYPE. The count query always has a row, so a query
// that does not open is an error.
bool HasObjectsOfType(engine::Database& db, int unit_type) {
  const std::string sql =
      "select count (objectn) from object where WCTYPE = " + std::to_string(unit_type);
  engine::LiveQuery& query = db.SettingsQuery();
  if (!db.OpenQueryWithRetry(query, sql)) {
    throw engine::DatabaseError("the count of objects could not be read: " + sql);
  }
  std::int64_t count = 0;
  try {
    count = query.AsInteger("Count");
  } catch (...) {
    query.Close();
    throw;
  }
  query.Close();
  return count > 0;
}

}  // namespace

void WriteGeneralSettings(engine::Database& db, const TAsetukset& settings,
                          const ShowUnitTypeFlags& show_unit_types) {
  WriteParamInt(db, "Language", settings.language);
  ShowUnitTypeFlags shown = show_unit_types;
  for (int unit_type : kCountedUnitTypes) {
    shown.shown[unit_type] = HasObjectsOfType(db, unit_type);
  }
  std::string text;
  for (bool flag : shown.shown) text += flag ? '1' : '0';
  WriteParamText(db, "ShowUnitTypes", text);
}

void WriteAlarmSettings(engine::Database& db, const TAlarmSettings& settings) {
  WriteParamBool(db, "AlarmsNurseAckON", settings.nurse_ack_on);
  WriteParamInt(db, "AlarmsNurseAckColor", settings.nurse_ack_color);
  WriteParamInt(db, "AlarmsNurseAckMaxTime", settings.nurse_ack_max_time);
  WriteParamInt(db, "AlarmsNurseAckDelay", settings.nurse_ack_delay);
  WriteParamBool(db, "AlarmsNurseAckReqTransf", settings.nurse_ack_req_transf);
  WriteParamBool(db, "AlarmsWUTechSystemTransf", settings.wu_tech_system_transf);
  WriteParamBool(db, "AlarmsAllowAlarmAck", settings.allow_alarm_ack);
  WriteParamBool(db, "AlarmsAckAlarmOnACOnly", settings.ack_alarm_on_ac_only);
  WriteParamBool(db, "AlarmsGenerateAlarmAck", settings.generate_alarm_ack);
  // Back to the hundredths the registry held.
  for (int k = 1; k <= kCaYaLimitCount; ++k) {
    WriteParamInt(db, "AlarmsCAYALimit" + std::to_string(k),
                  static_cast<int>(std::lround(settings.ca_ya_limit[k - 1] * 100.0)));
  }
}

void WriteDeviceSettings(engine::Database& db, const TLaiteAsetukset& settings) {
  WriteParamInt(db, "RelayToggleTime", settings.relay_toggle_time);
  // Every server from this version on has telnet and e-mail transfer.
  WriteParamText(db, "TelnetInstalled", "1");
  WriteParamText(db, "EmailInstalled", "1");
  WriteParamBool(db, "OXEInstalled", settings.oxe_installed);
  WriteParamBool(db, "ReceiveIPMess", settings.receive_ip_mess);
  WriteParamText(db, "EmailServer", settings.email_server);
  WriteParamText(db, "EmailFrom", settings.email_from);
  WriteParamInt(db, "EmailPort", settings.email_port);
  WriteParamInt(db, "HiPathBaseAddr", settings.hi_path_base_addr);
  WriteParamInt(db, "HiPathAddrCount", settings.hi_path_addr_count);
  WriteParamInt(db, "VoiceConnDevice", settings.voice_conn_device);
  WriteParamInt(db, "HeadsetMicVol", settings.headset_mic_vol);
  WriteParamInt(db, "HeadsetSpkVol", settings.headset_spk_vol);
  WriteParamInt(db, "CustCodeVCELength", settings.cust_code_vce_length);
  WriteParamBool(db, "LowSpeedMode", settings.low_speed_mode);
  WriteParamInt(db, "VoiceMessageVol", settings.voice_message_vol);
  WriteParamInt(db, "TransfVCETimeout", settings.transf_vce_timeout);
  WriteParamInt(db, "HarboLinkPort", settings.harbo_link_port);
}

void WriteSerialPorts(engine::Database& db, const SerialPortSettings& ports) {
  for (int i = 0; i < 3; ++i) {
    WriteParamText(db, "SerPortsInitStr" + std::to_string(i + 1), ports.init_strings[i]);
  }
  for (int n = 1; n <= kSerialPortCount; ++n) {
    const TSerialPort& port = ports.ports[n - 1];
    const std::string prefix = "SerPortsCOM" + TwoDigitText(n);
    WriteParamBool(db, prefix + "Installed", port.installed);
    WriteParamInt(db, prefix + "UnitType", port.unit_type);
    WriteParamInt(db, prefix + "Receive", port.receive);
    WriteParamInt(db, prefix + "Speed", port.speed);
    WriteParamBool(db, prefix + "CanTransfer", port.can_transfer);
    WriteParamText(db, prefix + "ComFormat", port.com_format);
  }
}

void WriteTransferSettings(engine::Database& db, const TTransferSettings& settings) {
  WriteParamBool(db, "TransferState", settings.state);
  WriteParamBool(db, "TransferTiming", settings.timing);
  WriteParamBool(db, "TransferSATiming", settings.sa_timing);
  WriteParamInt(db, "TransferActType", settings.act_type);
  WriteParamInt(db, "TransferDelay", settings.delay);
  WriteParamInt(db, "TransferMaxTries", settings.max_tries);
  WriteParamBool(db, "TransferTransAckd", settings.trans_ackd);
  WriteParamBool(db, "TransferWarnOnErr", settings.warn_on_err);
  WriteParamInt(db, "TransferSystAlarms", settings.syst_alarms);
  WriteParamInt(db, "TransferCalendar", settings.calendar);
  WriteParamInt(db, "TransferSACalendar", settings.sa_calendar);
}

void WriteProtocolTable(engine::Database& db) {
  for (const TransferProtocol& protocol : kTransferProtocols) {
    const std::string prefix = "TraPro" + std::string(protocol.code);
    WriteParamText(db, prefix + "Code", protocol.code);
    WriteParamText(db, prefix + "Name", protocol.name);
    WriteParamBool(db, prefix + "HasCenter", protocol.has_center);
    WriteParamText(db, prefix + "TMS", protocol.tms);
    WriteParamInt(db, prefix + "CallType", protocol.call_type);
  }
}

void AdjustTransferSystem(TSiirtoSyst& system, const TLaiteAsetukset& device) {
  const std::string base_address = std::to_string(device.hi_path_base_addr);
  std::string& num1 = system.num[0];
  std::string& num5 = system.num[4];
  std::string& num6 = system.num[5];
  const std::string protocol = engine::UpperCase(system.protocol);
  if (protocol == "EMAIL") {
    system.server_address = device.email_server;
  } else if (protocol == "HIPATH-VCE") {
    num5 = base_address;
  } else if (protocol == "HIPATH-SIMPLE") {
    if (num6.empty()) num6 = base_address;
    num5 = num6;
    num6.clear();
  }
  if (engine::UpperCase(num5) == "D2") {
    num1 = "D2";
    num5 = base_address;
  }
}

void WriteTransferSystemParams(engine::Database& db, int number, TSiirtoSyst& system,
                               const TLaiteAsetukset& device) {
  AdjustTransferSystem(system, device);
  const std::string prefix = "TraSystem" + TwoDigitText(number);
  WriteParamText(db, prefix + "Name", system.name);
  WriteParamInt(db, prefix + "SerPort", system.ser_port);
  WriteParamBool(db, prefix + "AckDoubles", system.ack_doubles);
  WriteParamText(db, prefix + "Protocol", system.protocol);
  WriteParamBool(db, prefix + "SuccessClose", system.success_close);
  WriteParamBool(db, prefix + "SuccessAck", system.success_ack);
  WriteParamBool(db, prefix + "Reminder", system.reminder);
  WriteParamInt(db, prefix + "RemindTimes", system.remind_times);
  WriteParamInt(db, prefix + "RemindInterval", system.remind_interval);
  WriteParamInt(db, prefix + "AttemptInterval", system.attempt_interval);
  WriteParamText(db, prefix + "ServerAddress", system.server_address);
  for (int k = 1; k <= kEdsNumCount; ++k) {
    WriteParamText(db, prefix + "Num" + TwoDigitText(k), system.num[k - 1]);
  }
}

}  // namespace harbo::legacy

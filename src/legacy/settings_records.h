// The settings of old installations as the legacy settings import holds them between reading
// the registry and writing PARAM. Each record starts with the values the old server used when
// its registry lacked a setting; the import owns one of each per run.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace harbo::legacy {

// Where old installations kept their settings (HKEY_CURRENT_USER); every key path of this module
// is relative to it. Read by installed servers: never change it.
inline constexpr std::string_view kLegacySettingsKey = "SOFTWARE\\QXR\\QXRHarbo\\1.0";

// General settings: values of the legacy settings key itself.
struct TAsetukset {
  bool alarm_notify = true;
  bool sound_on = true;
  bool trans_end_notify = true;
  std::string user_password = "u";
  std::string admin_password = "a";
  std::uint8_t customer_sort = 0;
  bool show_cust_sort = true;
  bool show_cust_colors = true;
  std::string alarm_sound_file = "ding.wav";
  std::uint8_t alarm_view_type = 0;
  bool show_alarm_type = false;
  bool show_ala_buttons = false;
  std::int32_t language = -1;
  std::int32_t shoutport = 0;
  bool resize_alarm_cols = false;
  bool customer_protect = false;
  bool curve_protect = false;
  bool admin_customer_remove = false;
  bool all_group_admin = false;

  bool operator==(const TAsetukset&) const = default;
};

// Which unit types the client shows (ShowUnitType0 .. ShowUnitType6 of the key itself).
inline constexpr int kUnitTypeCount = 7;
struct ShowUnitTypeFlags {
  std::array<bool, kUnitTypeCount> shown = {false, true, false, true, true, true, true};

  bool operator==(const ShowUnitTypeFlags&) const = default;
};

// Alarm handling settings (\Alarms). The AC filters are held in milliseconds (the registry has
// seconds) and the CA limits as real numbers (the registry has hundredths).
inline constexpr int kCaYaLimitCount = 10;
struct TAlarmSettings {
  bool nurse_ack_on = false;
  std::int32_t nurse_ack_color = 1;
  std::int32_t nurse_ack_max_time = 2;
  std::int32_t nurse_ack_delay = 4;
  bool nurse_ack_req_transf = true;
  bool wu_tech_system_transf = false;
  bool allow_alarm_ack = false;
  bool ack_alarm_on_ac_only = false;
  bool ca_run = false;
  bool generate_alarm_ack = false;
  std::int32_t ac_filter_same_ml = 45000;
  std::int32_t ac_filter_second_ml = 15000;
  bool espa_with_room_phone = false;
  std::array<std::int32_t, 3> ca_interval = {7, 90, 180};
  // ca_ya_limit[k - 1] is CAYALimit<k>.
  std::array<double, kCaYaLimitCount> ca_ya_limit = {1.25, 0.75, 1.25, 0.75,  0.15,
                                                     1.25, 0.75, 1.5,  100.0, 0.75};
  bool ca_keep_alerts = false;

  bool operator==(const TAlarmSettings&) const = default;
};

// Device settings: values of the legacy settings key itself.
struct TLaiteAsetukset {
  std::int32_t relay_toggle_time = 3;
  bool telnet_installed = false;
  bool email_installed = false;
  bool oxe_installed = false;
  bool receive_ip_mess = true;
  std::string email_server = "127.0.0.1";
  std::string email_from = "harbo@localhost";
  std::int32_t email_port = 25;
  std::int32_t hi_path_base_addr = 40000;
  std::int32_t hi_path_addr_count = 10;
  std::int32_t voice_conn_device = 1;
  std::int32_t headset_mic_vol = 1;
  std::int32_t headset_spk_vol = 12;
  bool hdp_trace_log = false;
  std::int32_t cust_code_vce_length = 4;
  bool low_speed_mode = false;
  std::int32_t voice_message_vol = 6;
  std::int32_t transf_vce_timeout = 45;
  std::int32_t harbo_link_port = 22280;

  bool operator==(const TLaiteAsetukset&) const = default;
};

// One serial port (\SerPorts\COM<n>).
inline constexpr std::uint8_t kMaxReceive = 8;
inline constexpr std::size_t kComFormatLength = 3;
struct TSerialPort {
  bool installed = false;
  std::uint8_t unit_type = 0;
  std::uint8_t receive = 0;  // at most kMaxReceive
  std::uint8_t speed = 1;
  std::string com_format = "8N1";  // at most kComFormatLength characters
  bool can_transfer = false;

  bool operator==(const TSerialPort&) const = default;
};

// The modem texts (\SerPorts) and the ports COM1 .. COM32; ports[n - 1] is COM<n>.
inline constexpr int kSerialPortCount = 32;
struct SerialPortSettings {
  std::array<std::string, 3> init_strings = {"AT&FM0S91=10S0=0", "ATX3", "ATDT"};
  std::array<TSerialPort, kSerialPortCount> ports{};

  bool operator==(const SerialPortSettings&) const = default;
};

// Alarm transfer settings (\Transfer).
struct TTransferSettings {
  bool state = false;
  bool timing = false;
  bool sa_timing = false;
  std::int32_t act_type = 0;
  std::int32_t delay = 0;
  std::int32_t max_tries = 10;
  bool trans_ackd = false;
  bool warn_on_err = true;
  std::int32_t syst_alarms = 1;
  std::int32_t calendar = 0;
  std::int32_t sa_calendar = 0;
  char txt_mess_sep = '/';

  bool operator==(const TTransferSettings&) const = default;
};

// One transfer system of the key (\Transfer\Systems\Syst<n>): its number n and its Name.
struct TransferSystemName {
  std::int32_t number = 0;
  std::string name;

  bool operator==(const TransferSystemName&) const = default;
};
// The transfer systems of the key, in ascending number.
using TSysteemiNimet = std::vector<TransferSystemName>;

// The recipient numbers Num1 .. Num23 of a transfer system; num[k - 1] is Num<k>.
inline constexpr int kEdsNumCount = 23;
using EDSNumArr = std::array<std::string, kEdsNumCount>;

// A transfer system as the import reads it. The import reads every system into one record in
// turn, starting cleared (as constructed here), so a value that a system's key lacks keeps the
// value of the system before, except for the fields that have their own fallback (see
// ReadTransferSystem).
struct TSiirtoSyst {
  std::int32_t number = 0;
  std::string name;
  std::int32_t ser_port = 0;
  bool ack_doubles = false;
  EDSNumArr num{};
  std::string protocol;
  bool success_close = false;
  bool success_ack = false;
  bool reminder = false;
  std::int32_t remind_times = 0;
  std::int32_t remind_interval = 0;
  std::string server_address;
  std::int32_t attempt_interval = 0;

  bool operator==(const TSiirtoSyst&) const = default;
};

}  // namespace harbo::legacy

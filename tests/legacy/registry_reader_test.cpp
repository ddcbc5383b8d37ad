// Reading the legacy settings key into the settings records, from hives written as small regedit
// texts in a temporary folder (no database).
#include "legacy/registry_reader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "legacy_key_file.h"
#include "platform/registry_hive.h"
#include "platform/text_encoding.h"

namespace harbo::legacy {
namespace {

namespace fs = std::filesystem;
using platform::Cp1252;
using platform::RegistryHive;
using platform::RegistryTypeError;

// HKEY_CURRENT_USER holding `body` (see LegacyKeyFile). The hive keeps the file's contents, so
// the file goes at once.
RegistryHive HiveOf(std::string_view body) {
  static int count = 0;
  const fs::path file =
      fs::path(::testing::TempDir()) /
      ("legacy_reader_" + std::to_string(getpid()) + "_" + std::to_string(++count) + ".reg");
  std::ofstream(file, std::ios::binary) << LegacyKeyFile(body);
  RegistryHive hive(file, "HKEY_CURRENT_USER");
  fs::remove(file);
  return hive;
}

// Records whose fields differ from the defaults, to see that a read leaves them alone.
struct AlteredRecords {
  AlteredRecords() {
    general.language = 7;
    general.alarm_notify = false;
    general.user_password = "x";
    general.customer_sort = 9;
    show.shown = {true, false, true, false, false, false, false};
    alarms.ac_filter_same_ml = 1;
    alarms.ca_ya_limit[4] = 9.0;
    alarms.nurse_ack_req_transf = false;
    device.email_server = "mail";
    device.hi_path_base_addr = 1;
    device.receive_ip_mess = false;
    transfer.max_tries = 1;
    transfer.warn_on_err = false;
    transfer.txt_mess_sep = ';';
  }
  TAsetukset general;
  ShowUnitTypeFlags show;
  TAlarmSettings alarms;
  TLaiteAsetukset device;
  TTransferSettings transfer;
};

// A missing key or value is no error and leaves the field as it was (here: not the default).
TEST(ReadSettings, MissingKeysAndValuesLeaveTheRecords) {
  const struct {
    const char* name;
    const char* registry;
  } kCases[] = {
      {"no key", ""},
      {"keys without these values",
       "[K]\n\"TelnetAddress\"=\"10.1.1.1\"\n[K\\Alarms]\n[K\\Transfer]\n\"ActSAType\"=dword:"
       "00000003\n"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    const RegistryHive hive = HiveOf(c.registry);
    const AlteredRecords expected;
    AlteredRecords records;
    ReadGeneralSettings(hive, records.general, records.show);
    ReadAlarmSettings(hive, records.alarms);
    ReadDeviceSettings(hive, records.device);
    ReadTransferSettings(hive, records.transfer);
    EXPECT_EQ(records.general, expected.general);
    EXPECT_EQ(records.show, expected.show);
    EXPECT_EQ(records.alarms, expected.alarms);
    EXPECT_EQ(records.device, expected.device);
    EXPECT_EQ(records.transfer, expected.transfer);
    EXPECT_TRUE(ReadTransferSystemList(hive).empty());
  }
}

TEST(ReadSettings, ConvertsTheStoredForms) {
  const RegistryHive hive = HiveOf(
      "[K]\n"
      "\"Language\"=dword:ffffffff\n"
      "\"CustomerSort\"=dword:00000102\n"
      "\"AlarmNotify\"=dword:00000000\n"
      "\"AlarmSoundFile\"=\"hälytys.wav\"\n"
      "\"ShowUnitType0\"=dword:00000001\n"
      "\"ShowUnitType6\"=dword:00000000\n"
      "\"EmailServer\"=\"mail.care.local\"\n"
      "\"HiPathBaseAddr\"=dword:0000a028\n"
      "[K\\Alarms]\n"
      "\"NurseAckON\"=dword:00000002\n"
      "\"ACFilterSameML\"=dword:0000001e\n"
      "\"ACFilterSecondML\"=dword:00000000\n"
      "\"CAYALimit5\"=dword:0000000f\n"
      "\"CAYALimit10\"=dword:00000190\n"
      "\"CAInterval2\"=dword:0000001e\n"
      "[K\\Transfer]\n"
      "\"MaxTries\"=dword:00000005\n"
      "\"TXTMessSep\"=\";,\"\n");
  TAsetukset general;
  ShowUnitTypeFlags show;
  TAlarmSettings alarms;
  TLaiteAsetukset device;
  TTransferSettings transfer;
  ReadGeneralSettings(hive, general, show);
  ReadAlarmSettings(hive, alarms);
  ReadDeviceSettings(hive, device);
  ReadTransferSettings(hive, transfer);

  EXPECT_EQ(general.language, -1);
  EXPECT_EQ(general.customer_sort, 2);  // an unsigned byte keeps the low byte
  EXPECT_FALSE(general.alarm_notify);
  EXPECT_EQ(general.alarm_sound_file, Cp1252("hälytys.wav"));
  EXPECT_EQ(show.shown, (std::array<bool, 7>{true, true, false, true, true, true, false}));
  EXPECT_TRUE(alarms.nurse_ack_on);  // a flag is any value but 0
  EXPECT_EQ(alarms.ac_filter_same_ml, 30000);
  EXPECT_EQ(alarms.ac_filter_second_ml, 0);
  EXPECT_DOUBLE_EQ(alarms.ca_ya_limit[4], 0.15);
  EXPECT_DOUBLE_EQ(alarms.ca_ya_limit[9], 4.0);
  EXPECT_DOUBLE_EQ(alarms.ca_ya_limit[0], 1.25);
  EXPECT_EQ(alarms.ca_interval, (std::array<std::int32_t, 3>{7, 30, 180}));
  EXPECT_EQ(device.email_server, "mail.care.local");
  EXPECT_EQ(device.hi_path_base_addr, 41000);
  EXPECT_EQ(transfer.max_tries, 5);
  EXPECT_EQ(transfer.txt_mess_sep, ';');

  // An empty separator has no first character: the field keeps what it held.
  TTransferSettings empty_separator;
  ReadTransferSettings(HiveOf("[K\\Transfer]\n\"TXTMessSep\"=\"\"\n"), empty_separator);
  EXPECT_EQ(empty_separator.txt_mess_sep, '/');
}

TEST(ReadSerialPorts, ResetsThePortsThenReadsAndLimits) {
  const RegistryHive hive = HiveOf(
      "[K\\SerPorts]\n"
      "\"InitStr2\"=\"ATX4\"\n"
      "[K\\SerPorts\\COM1]\n"
      "\"Installed\"=dword:00000001\n"
      "\"Receive\"=dword:00000008\n"
      "\"ComFormat\"=\"7E1\"\n"
      "[K\\SerPorts\\COM3]\n"
      "\"UnitType\"=dword:00000103\n"
      "\"Receive\"=dword:0000000c\n"
      "\"Speed\"=dword:00000004\n"
      "\"ComFormat\"=\"8N1X\"\n"
      "\"CanTransfer\"=dword:00000001\n"
      "[K\\SerPorts\\COM32]\n"
      "\"Receive\"=dword:00000100\n"
      "\"ComFormat\"=\"\"\n");
  SerialPortSettings ports;
  ports.ports[3].installed = true;  // left from an earlier read: the defaults come back
  ports.init_strings[0] = "ATZ";
  ReadSerialPorts(hive, ports);

  EXPECT_EQ(ports.init_strings, (std::array<std::string, 3>{"AT&FM0S91=10S0=0", "ATX4", "ATDT"}));
  const struct {
    int port;
    TSerialPort expected;
  } kPorts[] = {
      {1, {true, 0, 8, 1, "7E1", false}},
      {3, {false, 3, 8, 4, "8N1", true}},  // Receive 12 capped, ComFormat cut, UnitType low byte
      {4, {false, 0, 0, 1, "8N1", false}},
      {32, {false, 0, 8, 1, "", false}},  // 256 is above 8 as well
  };
  for (const auto& p : kPorts) {
    SCOPED_TRACE("COM" + std::to_string(p.port));
    EXPECT_EQ(ports.ports[p.port - 1], p.expected);
  }
}

// Syst2 lacks most values, Syst3 does not exist: one record read in turn carries the values that
// have no fallback of their own from system to system.
TEST(ReadTransferSystem, CarriesFieldsFromTheSystemBefore) {
  const RegistryHive hive = HiveOf(
      "[K\\Transfer\\Systems\\Syst1]\n"
      "\"Name\"=\"Hälytyskeskus\"\n"
      "\"SerPort\"=dword:00000065\n"
      "\"AckDoubles\"=dword:00000001\n"
      "\"Num1\"=\"0401234567\"\n"
      "\"Num23\"=\"last\"\n"
      "\"Protocol\"=\"SMS\"\n"
      "\"SuccessClose\"=dword:00000001\n"
      "\"SuccessAck\"=dword:00000001\n"
      "\"Reminder\"=dword:00000001\n"
      "\"RemindTimes\"=dword:00000005\n"
      "\"RemindInterval\"=dword:0000000f\n"
      "\"ServerAddress\"=\"10.0.0.5\"\n"
      "\"AttemptInterval\"=dword:0000001e\n"
      "[K\\Transfer\\Systems\\Syst2]\n"
      "\"Protocol\"=\"EMAIL\"\n"
      "\"Num3\"=\"nurse@care.local\"\n"
      "[K\\Transfer\\Systems\\Syst10]\n"
      "\"Name\"=\"Ten\"\n");

  EXPECT_EQ(ReadTransferSystemList(hive),
            (TSysteemiNimet{{1, Cp1252("Hälytyskeskus")}, {2, ""}, {10, "Ten"}}));

  TSiirtoSyst system;
  ASSERT_TRUE(ReadTransferSystem(hive, 1, system));
  TSiirtoSyst first;
  first.number = 1;
  first.name = Cp1252("Hälytyskeskus");
  first.ser_port = 101;
  first.ack_doubles = true;
  first.num[0] = "0401234567";
  first.num[22] = "last";
  first.protocol = "SMS";
  first.success_close = true;
  first.success_ack = true;
  first.reminder = true;
  first.remind_times = 5;
  first.remind_interval = 15;
  first.server_address = "10.0.0.5";
  first.attempt_interval = 30;
  EXPECT_EQ(system, first);

  ASSERT_TRUE(ReadTransferSystem(hive, 2, system));
  TSiirtoSyst second = first;  // Name, SerPort, AckDoubles, SuccessClose/Ack, ServerAddress
  second.number = 2;
  second.num = {};
  second.num[2] = "nurse@care.local";
  second.protocol = "EMAIL";
  second.reminder = false;
  second.remind_times = 3;
  second.remind_interval = 10;
  second.attempt_interval = 20;
  EXPECT_EQ(system, second);

  EXPECT_FALSE(ReadTransferSystem(hive, 3, system));
  EXPECT_EQ(system, second);
}

// A value of another type than its setting ends the read with an error.
TEST(ReadSettings, ValueOfAnotherTypeIsAnError) {
  using Read = std::function<void(const RegistryHive&)>;
  const Read general = [](const RegistryHive& hive) {
    TAsetukset settings;
    ShowUnitTypeFlags show;
    ReadGeneralSettings(hive, settings, show);
  };
  const Read alarms = [](const RegistryHive& hive) {
    TAlarmSettings settings;
    ReadAlarmSettings(hive, settings);
  };
  const Read device = [](const RegistryHive& hive) {
    TLaiteAsetukset settings;
    ReadDeviceSettings(hive, settings);
  };
  const Read ports = [](const RegistryHive& hive) {
    SerialPortSettings settings;
    ReadSerialPorts(hive, settings);
  };
  const Read transfer = [](const RegistryHive& hive) {
    TTransferSettings settings;
    ReadTransferSettings(hive, settings);
  };
  const Read system_list = [](const RegistryHive& hive) { ReadTransferSystemList(hive); };
  const Read system = [](const RegistryHive& hive) {
    TSiirtoSyst record;
    ReadTransferSystem(hive, 1, record);
  };
  const struct {
    const char* registry;
    const Read& read;
  } kCases[] = {
      {"[K]\n\"Language\"=\"1\"\n", general},
      {"[K]\n\"UserPassword\"=dword:00000001\n", general},
      {"[K]\n\"ShowUnitType3\"=\"1\"\n", general},
      {"[K\\Alarms]\n\"CAYALimit3\"=\"15\"\n", alarms},
      {"[K]\n\"EmailServer\"=dword:00000001\n", device},
      {"[K\\SerPorts]\n\"InitStr1\"=hex:41,54,00\n", ports},
      {"[K\\SerPorts\\COM7]\n\"ComFormat\"=dword:00000001\n", ports},
      {"[K\\Transfer]\n\"TXTMessSep\"=dword:0000002c\n", transfer},
      {"[K\\Transfer\\Systems\\Syst1]\n\"Name\"=dword:00000001\n", system_list},
      {"[K\\Transfer\\Systems\\Syst1]\n\"Num4\"=dword:00000004\n", system},
      {"[K\\Transfer\\Systems\\Syst1]\n\"RemindTimes\"=\"3\"\n", system},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.registry);
    EXPECT_THROW(c.read(HiveOf(c.registry)), RegistryTypeError);
  }

  // The read stops at the value: what follows it is not read.
  TAsetukset settings;
  ShowUnitTypeFlags show;
  EXPECT_THROW(
      ReadGeneralSettings(HiveOf("[K]\n\"Language\"=\"1\"\n\"AllGroupAdmin\"=dword:00000001\n"),
                          settings, show),
      RegistryTypeError);
  EXPECT_FALSE(settings.all_group_admin);
}

}  // namespace
}  // namespace harbo::legacy

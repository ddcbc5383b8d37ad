// Reading the legacy settings key of HKEY_CURRENT_USER into the settings records. Keys are opened
// without being created. A missing key or value is no error: the record keeps what it held. A
// value of another type than the setting has (a flag or integer must be a REG_DWORD, a text a
// REG_SZ) throws platform::RegistryTypeError at once, leaving the record partly read.
#pragma once

#include <string>

#include "legacy/settings_records.h"
#include "platform/registry_hive.h"

namespace harbo::legacy {

// The path below the root of a key relative to the legacy settings key ("" is the key itself).
std::string LegacyKeyPath(std::string_view relative);

// The key itself: the values of TAsetukset and ShowUnitType0 .. ShowUnitType6.
void ReadGeneralSettings(const platform::RegistryHive& hive, TAsetukset& settings,
                         ShowUnitTypeFlags& show_unit_types);

// \Alarms. ACFilterSameML and ACFilterSecondML (seconds) become milliseconds; CAYALimit<k>
// (hundredths) becomes a real number.
void ReadAlarmSettings(const platform::RegistryHive& hive, TAlarmSettings& settings);

// The key itself: the values of TLaiteAsetukset.
void ReadDeviceSettings(const platform::RegistryHive& hive, TLaiteAsetukset& settings);

// Resets `ports` to the defaults, then reads \SerPorts (InitStr1..3) and \SerPorts\COM1..COM32.
// Integers keep their low byte, Receive is at most 8, ComFormat keeps its first 3 characters.
void ReadSerialPorts(const platform::RegistryHive& hive, SerialPortSettings& ports);

// \Transfer. TXTMessSep takes the first character of its text; an empty text keeps the field.
void ReadTransferSettings(const platform::RegistryHive& hive, TTransferSettings& settings);

// The systems Syst1 .. Syst99 of \Transfer\Systems that exist, each with its Name ("" when it
// has none).
TSysteemiNimet ReadTransferSystemList(const platform::RegistryHive& hive);

// Reads \Transfer\Systems\Syst<n> into `system`; false, and `system` untouched, when the key does
// not exist. number becomes n. A missing Num<k> empties it; a missing Reminder, RemindTimes,
// RemindInterval or AttemptInterval becomes false, 3, 10 or 20; any other missing value leaves the
// field as it was (the system read before).
bool ReadTransferSystem(const platform::RegistryHive& hive, int n, TSiirtoSyst& system);

}  // namespace harbo::legacy

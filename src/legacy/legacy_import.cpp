// The import, in this order (each group read, then written):
//  1. general settings: Language, ShowUnitTypes (unit types 0, 2 and 5 from the objects);
//  2. alarm settings;  3. device settings;  4. serial ports;  5. transfer settings;
//  6. the fixed table of transfer protocols;
//  7. every transfer system of the key, read in turn into one record.
#include "legacy/legacy_import.h"

#include "legacy/registry_reader.h"
#include "legacy/settings_records.h"
#include "legacy/settings_writers.h"

namespace harbo::legacy {

void ImportLegacySettings(engine::StepContext& context) {
  const platform::RegistryHive& hive = context.current_user;
  engine::Database& db = context.db;

  TAsetukset general;
  ShowUnitTypeFlags show_unit_types;
  ReadGeneralSettings(hive, general, show_unit_types);
  WriteGeneralSettings(db, general, show_unit_types);

  TAlarmSettings alarms;
  ReadAlarmSettings(hive, alarms);
  WriteAlarmSettings(db, alarms);

  TLaiteAsetukset device;
  ReadDeviceSettings(hive, device);
  WriteDeviceSettings(db, device);

  SerialPortSettings ports;
  ReadSerialPorts(hive, ports);
  WriteSerialPorts(db, ports);

  TTransferSettings transfer;
  ReadTransferSettings(hive, transfer);
  WriteTransferSettings(db, transfer);

  WriteProtocolTable(db);

  // One record for all systems: what a system's key lacks keeps the value of the system before.
  TSiirtoSyst system;
  for (const TransferSystemName& entry : ReadTransferSystemList(hive)) {
    ReadTransferSystem(hive, entry.number, system);
    WriteTransferSystemParams(db, entry.number, system, device);
  }
}

}  // namespace harbo::legacy

// Writing the legacy settings into PARAM, one row per setting through the PARAM writers (each row
// committed by itself; a write that fails is lost, and the upgrade log shows it). The setting
// names passed here are stored in upper case and read by the server: never rename them.
#pragma once

#include "engine/database.h"
#include "legacy/settings_records.h"

namespace harbo::legacy {

// Language, and ShowUnitTypes: seven characters "1"/"0", one per unit type 0..6. The flags of
// unit types 0, 2 and 5 are not taken from `show_unit_types` but set when OBJECT has an object of
// that WCTYPE. Throws engine::DatabaseError when such a count cannot be read (Language is
// written by then).
void WriteGeneralSettings(engine::Database& db, const TAsetukset& settings,
                          const ShowUnitTypeFlags& show_unit_types);

// Alarms<field> for the nurse acknowledgement and alarm acknowledgement settings, and
// AlarmsCAYALimit1..10 in hundredths, as the registry held them.
void WriteAlarmSettings(engine::Database& db, const TAlarmSettings& settings);

// The device settings by their own names (not HDPTraceLog); TelnetInstalled and EmailInstalled
// are always "1", whatever the registry held.
void WriteDeviceSettings(engine::Database& db, const TLaiteAsetukset& settings);

// SerPortsInitStr1..3 and SerPortsCOM<nn><field> for the 32 ports (nn = 01 .. 32).
void WriteSerialPorts(engine::Database& db, const SerialPortSettings& ports);

// Transfer<field> (not TXTMessSep).
void WriteTransferSettings(engine::Database& db, const TTransferSettings& settings);

// TraPro<code>Code, Name, HasCenter, TMS and CallType for the thirteen transfer protocols the
// server knows.
void WriteProtocolTable(engine::Database& db);

// Fits a transfer system read from the registry to the settings the server now takes from PARAM
// (protocol names compare without letter case):
//  - EMAIL: ServerAddress = the device's EmailServer;
//  - HIPATH-VCE: Num5 = the device's HiPathBaseAddr;
//  - HIPATH-SIMPLE: Num5 = Num6 (HiPathBaseAddr when Num6 is empty), Num6 emptied;
//  - then any protocol with Num5 "D2": Num1 = "D2", Num5 = HiPathBaseAddr.
void AdjustTransferSystem(TSiirtoSyst& system, const TLaiteAsetukset& device);

// Adjusts `system` (AdjustTransferSystem) and writes it as TraSystem<nn><field> and
// TraSystem<nn>Num01 .. Num23, nn = `number` in two digits. The adjusted record stays with the
// caller, who reads the next system into it.
void WriteTransferSystemParams(engine::Database& db, int number, TSiirtoSyst& system,
                               const TLaiteAsetukset& device);

}  // namespace harbo::legacy

// Step 3501, in the order it works:
//  1. schema: object, alarm-type, location and event columns; the tables ROUTERULES and ROUTE;
//  2. the transfer systems of the legacy settings key, and the highest system number;
//  3. the protocols EMAIL and SMS; 4. the systems "Email" and "SMS" above the highest one;
//  5. the old daily forwarding, system-alarm forwarding and timetable exceptions;
//  6-7. the telnet address into every system on port 101;
//  8. the route "Main"; 9. the route "System alarms" where system alarms went elsewhere;
//  10. the route numbers into \Transfer;
//  11. objects: position codes 11-15 to recipient lists, transfer systems to "CAL" routes;
//  12. the manual filter codes in PARAM to seconds, whose outcome is the step's.
#include "steps/step_3501.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "engine/database_error.h"
#include "platform/registry_hive.h"
#include "steps/statements.h"
#include "steps/step_3501_routes.h"
#include "steps/step_3501_transfer_key.h"

namespace harbo::steps {
namespace {

using engine::Database;
using engine::DatabaseError;
using engine::LiveQuery;
using platform::RegistryHive;
using platform::RegistryKey;

constexpr std::string_view kSchemaStatements[] = {
    "ALTER TABLE OBJECT ADD MANUALBLOCKTIME INTEGER DEFAULT 30 NOT NULL;",
    "ALTER TABLE ALARMTYPE ADD FWDSYSTEM INTEGER DEFAULT 0 NOT NULL;",
    "ALTER TABLE object ALTER fwdnbr TYPE VARCHAR(255);",
    "ALTER TABLE location ALTER multin TYPE integer;",
    "ALTER TABLE Event ADD Extra_Param INTEGER;",
    "ALTER TABLE Object ADD SleepLimit INTEGER DEFAULT 5 NOT NULL;",
    "CREATE TABLE ROUTERULES\r(\rROUTEN INTEGER NOT NULL,\rSUBPOS INTEGER NOT NULL,\rISACTIVE "
    "INTEGER DEFAULT 0 NOT NULL,\rDAYS INTEGER,\rSTARTTIME INTEGER,\rENDTIME INTEGER,\rFWDSYSTEM "
    "INTEGER,\rRECIPIENTS VARCHAR(255),\rREPETITIONS INTEGER,\rPRIMARY KEY (ROUTEN, SUBPOS)\r);",
    "CREATE TABLE ROUTE\r(\rTABLEN INTEGER NOT NULL,\rROUTENAME VARCHAR(255),\rISACTIVE INTEGER "
    "DEFAULT 0 NOT NULL,\rMAXROUTES INTEGER,\rALLTYPES INTEGER,\rPRIMARY KEY (TABLEN)\r);",
};

// Values of the legacy settings key that the server reads: never change them.
constexpr std::uint8_t kTelnetPort = 101;
// ActSAType: 0 = system alarms are not forwarded, 255 = they go with the daily forwarding.
constexpr std::uint8_t kNoSystemAlarmType = 0;
constexpr std::uint8_t kDailySystemAlarmType = 255;
// OBJECT.FWDPOS of an object whose position code has become a recipient list.
constexpr std::int64_t kConvertedPosition = 255;

// Timetable exceptions of the old key; conditions 10 to 14 of "Main" take exceptions 1 to 5 (the
// sixth is read, so that a bad value of it still stops the step, but no condition takes it).
constexpr int kTimetableExceptions = 6;
constexpr int kFirstExceptionCondition = 10;
constexpr int kExceptionsInMain = 5;

struct TimetableException {
  std::int32_t start = 0;  // seconds
  std::int32_t end = 0;
  std::int32_t days = 0;
  std::int32_t system = 0;
};

// The forwarding settings of \Transfer and \Transfer\TimeTable before the step.
struct OldTransferSettings {
  std::uint8_t act_type = 0;
  std::uint8_t act_sa_type = 0;
  std::uint8_t syst_alarms = 0;
  std::array<TimetableException, kTimetableExceptions> exceptions;
};

// Where system alarms go after the step.
struct SystemAlarmRouting {
  bool sa_timing = false;
  std::int32_t sa_calendar = 0;
  std::int32_t syst_alarms = 0;
};

std::string KeyPath(std::string_view relative) {
  return std::string(kLegacySettingsKey) + "\\" + std::string(relative);
}

// A REG_DWORD of a key that may be missing; 0 when the key or the value is missing.
std::uint32_t DwordOrZero(const RegistryHive& hive, const std::optional<RegistryKey>& key,
                          std::string_view name) {
  return key ? hive.ReadDword(*key, name).value_or(0) : 0;
}

void AddEmailAndSmsSystems(RegistryHive& hive, int highest, Database& db) {
  WriteTransferProtocol(hive, "EMAIL", {"EMAIL", "Email", false, "email", 4});
  WriteTransferProtocol(hive, "SMS", {"SMS", "SMS", false, "sms", 1});

  TSiirtoSyst system;
  system.name = "Email";
  system.protocol = "EMAIL";
  system.ack_doubles = true;
  system.remind_times = 3;
  system.remind_interval = 10;
  system.attempt_interval = 20;
  WriteTransferSystem(hive, static_cast<std::uint8_t>(highest + 1), system);
  system.name = "SMS";
  system.protocol = "SMS";
  system.success_ack = true;
  WriteTransferSystem(hive, static_cast<std::uint8_t>(highest + 2), system);
  db.Log().Note("transfer systems Syst" + std::to_string(highest + 1) + " \"Email\" and Syst" +
                std::to_string(highest + 2) + " \"SMS\" added");
}

OldTransferSettings ReadOldTransferSettings(const RegistryHive& hive) {
  OldTransferSettings old;
  const auto transfer = hive.OpenKey(KeyPath("Transfer"));
  old.act_type = static_cast<std::uint8_t>(DwordOrZero(hive, transfer, "ActType"));
  old.act_sa_type = static_cast<std::uint8_t>(DwordOrZero(hive, transfer, "ActSAType"));
  old.syst_alarms = static_cast<std::uint8_t>(DwordOrZero(hive, transfer, "SystAlarms"));

  const auto timetable = hive.OpenKey(KeyPath("Transfer\\TimeTable"));
  for (int i = 1; i <= kTimetableExceptions; ++i) {
    const std::string n = std::to_string(i);
    TimetableException& exception = old.exceptions[i - 1];
    // ExcStart/ExcEnd are minutes; ExcNewStart/ExcNewEnd, where present, are seconds already.
    exception.start = static_cast<std::int32_t>(DwordOrZero(hive, timetable, "ExcStart" + n) * 60u);
    exception.end = static_cast<std::int32_t>(DwordOrZero(hive, timetable, "ExcEnd" + n) * 60u);
    if (timetable) {
      if (const auto start = hive.ReadDword(*timetable, "ExcNewStart" + n)) {
        exception.start = static_cast<std::int32_t>(*start);
      }
      if (const auto end = hive.ReadDword(*timetable, "ExcNewEnd" + n)) {
        exception.end = static_cast<std::int32_t>(*end);
      }
    }
    // Day codes above 0 move up by 3 in the route's numbering.
    const auto days = static_cast<std::int32_t>(DwordOrZero(hive, timetable, "ExcDays" + n));
    exception.days =
        days > 0 ? static_cast<std::int32_t>(static_cast<std::uint32_t>(days) + 3u) : days;
    exception.system = static_cast<std::int32_t>(DwordOrZero(hive, timetable, "ExcSystem" + n));
  }
  return old;
}

// Systems on the telnet port get the installation's telnet address as their server address.
// Every listed system is looked at by its number, so that a gap in the numbering skips none.
void GiveTelnetAddress(RegistryHive& hive, const TSysteemiNimet& systems) {
  const auto own = hive.OpenKey(kLegacySettingsKey);
  const std::string address = own ? hive.ReadString(*own, "TelnetAddress").value_or("") : "";
  for (const TransferSystemName& listed : systems) {
    const auto key = hive.OpenKey(TransferSystemKeyPath(listed.number));
    if (key && hive.ReadDword(*key, "SerPort") == kTelnetPort) {
      hive.WriteString(*key, "ServerAddress", address);
    }
  }
}

// A route whose condition 1 forwards every day to one transfer system.
TSiirtoKalenteri DailyRoute(std::int32_t fwd_system, bool all_types) {
  TSiirtoKalenteri route;
  route.all_types = all_types;
  route.Condition(1).days = 1;
  route.Condition(1).fwd_system = fwd_system;
  return route;
}

int StoreMainRoute(Database& db, const OldTransferSettings& old) {
  TSiirtoKalenteri route = DailyRoute(old.act_type, false);
  for (int k = 0; k < kExceptionsInMain; ++k) {
    const TimetableException& exception = old.exceptions[k];
    TSiirtoEhto& condition = route.Condition(kFirstExceptionCondition + k);
    condition.days = exception.days;
    condition.start_time = exception.start;
    condition.end_time = exception.end;
    condition.fwd_system = exception.system;
  }
  return StoreRoute(db, "Main", route);
}

SystemAlarmRouting RouteSystemAlarms(Database& db, const OldTransferSettings& old, int calendar) {
  if (old.act_sa_type == kNoSystemAlarmType || old.syst_alarms == 0) {
    return {false, calendar, 0};
  }
  if (old.act_sa_type == kDailySystemAlarmType) return {false, calendar, old.syst_alarms};
  TSiirtoKalenteri route = DailyRoute(old.act_sa_type, false);
  route.Condition(1).recipients = "Num" + std::to_string(old.syst_alarms);
  return {true, StoreRoute(db, "System alarms", route), old.syst_alarms};
}

void WriteRouteNumbers(RegistryHive& hive, int calendar, const SystemAlarmRouting& alarms) {
  const RegistryKey transfer = hive.CreateKey(KeyPath("Transfer"));
  hive.WriteDword(transfer, "SATiming", alarms.sa_timing ? 1 : 0);
  hive.WriteDword(transfer, "SystAlarms", static_cast<std::uint32_t>(alarms.syst_alarms));
  hive.WriteDword(transfer, "Calendar", static_cast<std::uint32_t>(calendar));
  hive.WriteDword(transfer, "SACalendar", static_cast<std::uint32_t>(alarms.sa_calendar));
}

// The recipient list that an old position code above 10 stood for; other codes keep FWDNBR.
std::optional<std::string_view> RecipientsOfPosition(std::int64_t fwd_pos) {
  switch (fwd_pos) {
    case 11:
      return "Num1, Num2, Num3";
    case 12:
      return "Num2, Num3, Num4";
    case 13:
      return "Num3, Num4, Num5";
    case 14:
      return "Num1, Num2, Num3, Num4, Num5";
    case 15:
      return "Num6, Num7, Num8, Num9, Num10";
    default:
      return std::nullopt;
  }
}

// The name of transfer system `number`, found by its number; "" for a system the key lacks.
std::string SystemName(const TSysteemiNimet& systems, std::int64_t number) {
  for (const TransferSystemName& listed : systems) {
    if (listed.number == number) return listed.name;
  }
  return {};
}

// Writes the object's changed row; a row that cannot be committed keeps its stored values.
void ApplyObjectChange(Database& db, LiveQuery& objects, std::int64_t object) {
  if (!objects.TryApplyRowChanges()) {
    db.Log().Note("object " + std::to_string(object) + ": forwarding not changed");
  }
}

// Every object's forwarding: position codes become recipient lists, a transfer system becomes
// the route made for it (one per system number, shared by its objects). Throws DatabaseError
// when the objects cannot be read.
void ConvertObjectForwarding(Database& db, const TSysteemiNimet& systems) {
  LiveQuery& objects = db.MainQuery();
  std::map<std::int64_t, int> routes;  // transfer system number -> its "CAL" route
  for (objects.Open("SELECT objectn, fwdpos, fwdnbr, fwdsystem FROM OBJECT order by objectn");
       !objects.Eof(); objects.Next()) {
    const std::int64_t object = objects.AsInteger("objectn");
    const std::int64_t fwd_pos = objects.AsInteger("fwdpos");
    const std::int64_t system = objects.AsInteger("fwdsystem");
    if (fwd_pos > 10) {
      objects.Edit();
      if (const auto recipients = RecipientsOfPosition(fwd_pos)) {
        objects.SetField("fwdnbr", std::string(*recipients));
      }
      objects.SetField("fwdpos", kConvertedPosition);
      ApplyObjectChange(db, objects, object);
    }
    if (system > 0) {
      int& route = routes[system];
      if (route <= 0) {
        TSiirtoKalenteri calendar = DailyRoute(static_cast<std::int32_t>(system), true);
        route = StoreRoute(db, "CAL " + SystemName(systems, system), calendar);
      }
      objects.Edit();
      objects.SetField("fwdsystem", std::int64_t{route});
      ApplyObjectChange(db, objects, object);
    }
  }
}

// Steps 1 to 12. Registry and database errors that no step handles itself escape.
bool ConvertToRoutes(engine::StepContext& context) {
  Database& db = context.db;
  RegistryHive& hive = context.current_user;
  RunStatements(db, kSchemaStatements);
  const TSysteemiNimet systems = ReadTransferSystemList(hive);
  const int highest = systems.empty() ? 0 : systems.back().number;
  AddEmailAndSmsSystems(hive, highest, db);
  const OldTransferSettings old = ReadOldTransferSettings(hive);
  GiveTelnetAddress(hive, systems);
  const int calendar = StoreMainRoute(db, old);
  WriteRouteNumbers(hive, calendar, RouteSystemAlarms(db, old, calendar));
  ConvertObjectForwarding(db, systems);
  return ConvertManualFilterCodes(db);
}

// The manual filter time of an old code; any other number is a time in seconds already.
int ManualFilterSeconds(std::int64_t code) {
  switch (code) {
    case 1:
      return 30;
    case 2:
      return 60;
    case 3:
      return 120;
    case 4:
      return 300;
    default:
      return static_cast<int>(code);
  }
}

}  // namespace

bool Step3501(engine::StepContext& context) {
  Database& db = context.db;
  bool converted = false;
  try {
    converted = ConvertToRoutes(context);
  } catch (const platform::RegistryError& e) {
    db.MainQuery().Close();
    db.Log().Note(std::string("step 3501 stopped, legacy settings not saved: ") + e.what());
    return false;
  } catch (const DatabaseError& e) {
    db.Log().Note(std::string("step 3501 stopped: ") + e.what());
  }
  db.MainQuery().Close();
  // What the step wrote into the legacy key matches the routes already committed, so it is kept
  // also when the database part fails.
  try {
    context.current_user.Save();
  } catch (const platform::RegistryError& e) {
    db.Log().Note(std::string("step 3501: legacy settings not saved: ") + e.what());
    return false;
  }
  return converted;
}

bool ConvertManualFilterCodes(Database& db) {
  // Setting names are stored in customers' databases.
  constexpr std::string_view kCodeSettings[] = {"ADPUserDefManualFilter", "ADPActManualFilter"};
  LiveQuery& query = db.MainQuery();
  bool converted = true;
  std::string name;
  try {
    for (int i = 1; i <= 3; ++i) {
      for (std::string_view setting : kCodeSettings) {
        name = std::string(setting) + std::to_string(i);
        query.Open("SELECT * FROM PARAM WHERE NAME = \"" + name + "\"");
        if (query.IsEmpty()) continue;
        const std::int64_t code = engine::ValueAsInteger(engine::FieldValue{query.AsText("VAL")});
        if (code < INT32_MIN || code > INT32_MAX) {
          throw DatabaseError(std::to_string(code) + " is out of range");
        }
        db.ExecuteStatement("insert into param (name, val) values (\"" + std::string(setting) +
                            "Sec" + std::to_string(i) + "\", " +
                            std::to_string(ManualFilterSeconds(code)) + ");");
      }
    }
  } catch (const DatabaseError& e) {
    db.Log().Note("manual filter codes not converted: " + name + ": " + e.what());
    converted = false;
  }
  query.Close();
  return converted;
}

}  // namespace harbo::steps

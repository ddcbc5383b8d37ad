// Step 3501, in the order it works:
//  1. reads and checks all it needs, changing nothing: the legacy settings key (system list, old
//     daily, system-alarm and timetable forwarding, telnet address and ports), the objects'
//     forwarding columns and the manual filter codes in PARAM; a value it cannot use stops the
//     step here, with the value named in the upgrade log;
//  2. schema: object, alarm-type, location and event columns; the tables ROUTERULES and ROUTE;
//  3. every route: "Main", "System alarms" where system alarms went elsewhere, and one "CAL"
//     route per transfer system that objects forward to; a route that cannot be stored stops the
//     step here, while nothing points to it yet (the legacy key and the objects unchanged);
//  4. the protocols EMAIL and SMS and the systems "Email" and "SMS" above the highest Syst<n>;
//  5. the telnet address into every system on port 101;
//  6. the numbers of "Main" and "System alarms" into \Transfer; the legacy key is saved;
//  7. the manual filter codes in PARAM to seconds;
//  8. objects: position codes 11-15 to recipient lists, transfer systems to their "CAL" routes.
//
// Running it again after a failure part-way (a route that cannot be stored, a database or disk
// error) repeats nothing that was done: systems with the protocols EMAIL and SMS are not added
// twice; a route an earlier run stored is found by its name, kind and first condition and used
// again under its number; the seconds rows already in PARAM keep their key. The objects are the one
// thing that cannot be recognised afterwards, since a route number in FWDSYSTEM looks like a system
// number; so all of them change in one transaction, as the step's last change, and a failed run
// leaves none of them converted.
#include "steps/step_3501.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/database_error.h"
#include "legacy/registry_reader.h"
#include "legacy/settings_records.h"
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

// The objects and the forwarding columns the step reads and converts.
constexpr std::string_view kObjectsQuery =
    "SELECT objectn, fwdpos, fwdnbr, fwdsystem FROM OBJECT order by objectn";

// Where system alarms go after the step.
struct SystemAlarmRouting {
  bool sa_timing = false;
  std::int32_t sa_calendar = 0;
  std::int32_t syst_alarms = 0;
};

// A REG_DWORD of a key that may be missing; 0 when the key or the value is missing.
std::uint32_t DwordOrZero(const RegistryHive& hive, const std::optional<RegistryKey>& key,
                          std::string_view name) {
  return key ? hive.ReadDword(*key, name).value_or(0) : 0;
}

// What the step reads from the legacy settings key before it changes anything.
struct LegacyKeyInputs {
  legacy::TSysteemiNimet systems;
  OldTransferSettings old;
  std::string telnet_address;
  std::vector<std::int32_t> telnet_systems;  // listed systems whose SerPort is the telnet port
};

// What the step reads before it changes anything.
struct StepInputs {
  LegacyKeyInputs key;
  std::vector<std::int64_t> object_systems;  // see ReadObjectSystems
};

// The routes of step 3, all stored.
struct StoredRoutes {
  int calendar = 0;  // "Main"
  SystemAlarmRouting system_alarms;
  std::map<std::int64_t, int> of_system;  // transfer system number -> its "CAL" route
};

OldTransferSettings ReadOldTransferSettings(const RegistryHive& hive) {
  OldTransferSettings old;
  const auto transfer = hive.OpenKey(legacy::LegacyKeyPath("Transfer"));
  old.act_type = static_cast<std::uint8_t>(DwordOrZero(hive, transfer, "ActType"));
  old.act_sa_type = static_cast<std::uint8_t>(DwordOrZero(hive, transfer, "ActSAType"));
  old.syst_alarms = static_cast<std::uint8_t>(DwordOrZero(hive, transfer, "SystAlarms"));

  const auto timetable = hive.OpenKey(legacy::LegacyKeyPath("Transfer\\TimeTable"));
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

// Every value of the key the step uses. Throws platform::RegistryTypeError for a value of
// another type than the key's layout gives.
LegacyKeyInputs ReadLegacyKey(const RegistryHive& hive) {
  LegacyKeyInputs inputs;
  inputs.systems = legacy::ReadTransferSystemList(hive);
  inputs.old = ReadOldTransferSettings(hive);
  const auto own = hive.OpenKey(legacy::kLegacySettingsKey);
  inputs.telnet_address = own ? hive.ReadString(*own, "TelnetAddress").value_or("") : "";
  // Every listed system is looked at by its number, so that a gap in the numbering skips none.
  for (const legacy::TransferSystemName& listed : inputs.systems) {
    const auto key = hive.OpenKey(TransferSystemKeyPath(listed.number));
    if (key && hive.ReadDword(*key, "SerPort") == kTelnetPort) {
      inputs.telnet_systems.push_back(listed.number);
    }
  }
  return inputs;
}

// Reads every object's forwarding columns as the conversion reads them, and returns the transfer
// systems (FWDSYSTEM above 0) the objects forward to, each once, in the order objects first name
// them. Throws DatabaseError when the objects or one of their values cannot be read.
std::vector<std::int64_t> ReadObjectSystems(Database& db) {
  LiveQuery& objects = db.MainQuery();
  std::vector<std::int64_t> systems;
  std::string where = "objects";  // what the upgrade log names when a read fails
  try {
    for (objects.Open(kObjectsQuery); !objects.Eof(); objects.Next()) {
      const std::string object = std::to_string(objects.AsInteger("objectn"));
      where = "object " + object;
      objects.AsInteger("fwdpos");
      objects.Value("fwdnbr");
      const std::int64_t system = objects.AsInteger("fwdsystem");
      if (system > 0 && std::find(systems.begin(), systems.end(), system) == systems.end()) {
        systems.push_back(system);
      }
      where = "the row after object " + object;
    }
  } catch (const DatabaseError& e) {
    objects.Close();
    throw DatabaseError(where + " cannot be read: " + e.what());
  }
  objects.Close();
  return systems;
}

// The two systems step 3501 adds, above the highest one. Each is left out when a system has its
// protocol already: EMAIL and SMS come with this step, so that system was added by an earlier run
// that failed further on.
void AddEmailAndSmsSystems(RegistryHive& hive, Database& db) {
  WriteTransferProtocol(hive, "EMAIL", {"EMAIL", "Email", false, "email", 4});
  WriteTransferProtocol(hive, "SMS", {"SMS", "SMS", false, "sms", 1});

  TSiirtoSyst email;
  email.name = "Email";
  email.protocol = "EMAIL";
  email.ack_doubles = true;
  email.remind_times = 3;
  email.remind_interval = 10;
  email.attempt_interval = 20;
  TSiirtoSyst sms = email;
  sms.name = "SMS";
  sms.protocol = "SMS";
  sms.success_ack = true;

  std::int64_t next = HighestTransferSystemNumber(hive) + 1;
  for (const TSiirtoSyst* system : {&email, &sms}) {
    if (HasSystemWithProtocol(hive, system->protocol)) {
      db.Log().Note("transfer system \"" + system->name + "\" of an earlier run kept");
      continue;
    }
    WriteTransferSystem(hive, next, *system);
    db.Log().Note("transfer system Syst" + std::to_string(next) + " \"" + system->name +
                  "\" added");
    ++next;
  }
}

// Systems on the telnet port get the installation's telnet address as their server address.
void GiveTelnetAddress(RegistryHive& hive, const LegacyKeyInputs& inputs) {
  for (const std::int32_t number : inputs.telnet_systems) {
    hive.WriteString(hive.CreateKey(TransferSystemKeyPath(number)), "ServerAddress",
                     inputs.telnet_address);
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
  return StoreRouteOnce(db, "Main", route);
}

// SystAlarms as written back is 0 or the value read, so a rerun reads what the first run read.
SystemAlarmRouting RouteSystemAlarms(Database& db, const OldTransferSettings& old, int calendar) {
  if (old.act_sa_type == kNoSystemAlarmType || old.syst_alarms == 0) {
    return {false, calendar, 0};
  }
  if (old.act_sa_type == kDailySystemAlarmType) return {false, calendar, old.syst_alarms};
  TSiirtoKalenteri route = DailyRoute(old.act_sa_type, false);
  route.Condition(1).recipients = "Num" + std::to_string(old.syst_alarms);
  return {true, StoreRouteOnce(db, "System alarms", route), old.syst_alarms};
}

void WriteRouteNumbers(RegistryHive& hive, int calendar, const SystemAlarmRouting& alarms) {
  const RegistryKey transfer = hive.CreateKey(legacy::LegacyKeyPath("Transfer"));
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
std::string SystemName(const legacy::TSysteemiNimet& systems, std::int64_t number) {
  for (const legacy::TransferSystemName& listed : systems) {
    if (listed.number == number) return listed.name;
  }
  return {};
}

// Every object's forwarding: position codes become recipient lists, a transfer system becomes
// the route stored for it. The row changes are held and written together in one transaction.
// Throws DatabaseError when the objects cannot be read or written, or an object forwards to a
// system that has no route; no object is changed then (closing the query drops held changes).
void ConvertObjectForwarding(Database& db, const std::map<std::int64_t, int>& routes) {
  LiveQuery& objects = db.MainQuery();
  for (objects.Open(kObjectsQuery); !objects.Eof(); objects.Next()) {
    const std::int64_t fwd_pos = objects.AsInteger("fwdpos");
    const std::int64_t system = objects.AsInteger("fwdsystem");
    if (fwd_pos <= 10 && system <= 0) continue;
    objects.Edit();
    if (fwd_pos > 10) {
      if (const auto recipients = RecipientsOfPosition(fwd_pos)) {
        objects.SetField("fwdnbr", std::string(*recipients));
      }
      objects.SetField("fwdpos", kConvertedPosition);
    }
    if (system > 0) {
      // Only an object added while the step ran can name a system without a route.
      const auto route = routes.find(system);
      if (route == routes.end()) {
        throw DatabaseError("object " + std::to_string(objects.AsInteger("objectn")) +
                            " forwards to transfer system " + std::to_string(system) +
                            ", which has no route");
      }
      objects.SetField("fwdsystem", std::int64_t{route->second});
    }
  }
  objects.ApplyRowChanges();
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

// A PARAM row of manual filter seconds to add.
struct ManualFilterTime {
  std::string name;
  int seconds = 0;
};

// The seconds of every manual filter code in PARAM, all read before any is written. Throws
// DatabaseError naming the PARAM row whose code is not a whole number or cannot be read.
std::vector<ManualFilterTime> ReadManualFilterTimes(Database& db) {
  // Setting names are stored in customers' databases.
  constexpr std::string_view kCodeSettings[] = {"ADPUserDefManualFilter", "ADPActManualFilter"};
  LiveQuery& query = db.MainQuery();
  std::vector<ManualFilterTime> times;
  for (int i = 1; i <= 3; ++i) {
    for (std::string_view setting : kCodeSettings) {
      const std::string name = std::string(setting) + std::to_string(i);
      try {
        query.Open("SELECT * FROM PARAM WHERE NAME = \"" + name + "\"");
        if (query.IsEmpty()) continue;
        const std::int64_t code = engine::ValueAsInteger(engine::FieldValue{query.AsText("VAL")});
        if (code < INT32_MIN || code > INT32_MAX) {
          throw DatabaseError(std::to_string(code) + " is out of range");
        }
        times.push_back(
            {std::string(setting) + "Sec" + std::to_string(i), ManualFilterSeconds(code)});
      } catch (const DatabaseError& e) {
        query.Close();
        throw DatabaseError(name + ": " + e.what());
      }
    }
  }
  query.Close();
  return times;
}

// Step 1: everything that can stop the step for a value it cannot use. False, with the value
// named in the upgrade log, when something is wrong; nothing is changed either way.
bool ReadInputs(engine::StepContext& context, StepInputs& inputs) {
  Database& db = context.db;
  try {
    inputs.key = ReadLegacyKey(context.current_user);
  } catch (const platform::RegistryError& e) {
    db.Log().Note(std::string("step 3501 stopped, legacy settings not saved: ") + e.what() +
                  "; nothing was changed");
    return false;
  }
  try {
    inputs.object_systems = ReadObjectSystems(db);
  } catch (const DatabaseError& e) {
    db.Log().Note(std::string("step 3501 stopped, nothing was changed: ") + e.what());
    return false;
  }
  try {
    ReadManualFilterTimes(db);
  } catch (const DatabaseError& e) {
    db.Log().Note(std::string("step 3501 stopped, nothing was changed: manual filter codes not "
                              "converted: ") +
                  e.what());
    return false;
  }
  return true;
}

// False, with the route named in the upgrade log: a route that cannot be stored stops the step.
bool RouteNotStored(Database& db, std::string_view name) {
  db.Log().Note("step 3501 stopped, legacy settings not changed, no object converted: route \"" +
                std::string(name) + "\" not stored");
  return false;
}

// Step 3: every route the legacy key and the objects will point to. False when one cannot be
// stored: pointing to it would lose that forwarding for good (the routes stored until then are
// found again by a later run).
bool StoreRoutes(Database& db, const StepInputs& inputs, StoredRoutes& routes) {
  routes.calendar = StoreMainRoute(db, inputs.key.old);
  if (routes.calendar <= 0) return RouteNotStored(db, "Main");
  routes.system_alarms = RouteSystemAlarms(db, inputs.key.old, routes.calendar);
  if (routes.system_alarms.sa_calendar <= 0) return RouteNotStored(db, "System alarms");
  for (const std::int64_t system : inputs.object_systems) {
    const std::string name = "CAL " + SystemName(inputs.key.systems, system);
    TSiirtoKalenteri route = DailyRoute(static_cast<std::int32_t>(system), true);
    const int number = StoreRouteOnce(db, name, route);
    if (number <= 0) return RouteNotStored(db, name);
    routes.of_system[system] = number;
  }
  return true;
}

// Steps 2 to 8. Registry and database errors that no step handles itself escape.
bool ConvertToRoutes(engine::StepContext& context, const StepInputs& inputs) {
  Database& db = context.db;
  RegistryHive& hive = context.current_user;
  RunStatements(db, kSchemaStatements);
  StoredRoutes routes;
  if (!StoreRoutes(db, inputs, routes)) return false;
  AddEmailAndSmsSystems(hive, db);
  GiveTelnetAddress(hive, inputs.key);
  WriteRouteNumbers(hive, routes.calendar, routes.system_alarms);
  // Saved before the objects, so that the objects' one transaction is the step's last change.
  hive.Save();
  if (!ConvertManualFilterCodes(db)) return false;
  ConvertObjectForwarding(db, routes.of_system);
  return true;
}

}  // namespace

bool Step3501(engine::StepContext& context) {
  Database& db = context.db;
  StepInputs inputs;
  if (!ReadInputs(context, inputs)) return false;
  bool converted = false;
  try {
    converted = ConvertToRoutes(context, inputs);
  } catch (const platform::RegistryError& e) {
    db.Log().Note(std::string("step 3501 stopped, legacy settings not saved: ") + e.what());
  } catch (const DatabaseError& e) {
    db.Log().Note(std::string("step 3501 stopped, no object converted: ") + e.what());
  }
  db.MainQuery().Close();
  return converted;
}

bool ConvertManualFilterCodes(Database& db) {
  std::vector<ManualFilterTime> times;
  try {
    times = ReadManualFilterTimes(db);
  } catch (const DatabaseError& e) {
    db.Log().Note(std::string("manual filter codes not converted: ") + e.what());
    return false;
  }
  for (const ManualFilterTime& time : times) {
    db.ExecuteStatement("insert into param (name, val) values (\"" + time.name + "\", " +
                        std::to_string(time.seconds) + ");");
  }
  return true;
}

}  // namespace harbo::steps

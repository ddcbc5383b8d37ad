#include "steps/steps_4000_4101.h"

#include <cmath>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/database_error.h"
#include "engine/field_value.h"
#include "engine/sql_text.h"
#include "legacy/registry_reader.h"
#include "platform/registry_hive.h"
#include "steps/statements.h"
#include "steps/step_3501_transfer_key.h"

namespace harbo::steps {
namespace {

// ---------------------------------------------------------------------------------------------
// Calculation schedule
// ---------------------------------------------------------------------------------------------

// One object of the start-day query and the day its calculations start.
struct ObjectDays {
  std::int64_t object = 0;
  std::optional<std::int64_t> last_curve_day;
  std::int64_t start_day = 0;
};

// Today's day number: the whole-day part of the current local date and time.
std::int64_t Today(platform::Clock& clock) {
  const platform::LocalDateTime now = clock.Now();
  engine::DateTime date;
  date.year = now.year;
  date.month = now.month;
  date.day = now.day;
  return static_cast<std::int64_t>(std::floor(date.ToDayNumber()));
}

// "yyyy-mm-dd hh:mm:ss" of a time of day on day `day`.
std::string TimestampText(std::int64_t day, int hour, int minute) {
  engine::DateTime t = engine::DateTime::FromDayNumber(static_cast<double>(day));
  t.hour = hour;
  t.minute = minute;
  return t.ToSqlText();
}

std::optional<std::int64_t> OptionalDay(const engine::FieldValue& value) {
  if (engine::IsNull(value)) return std::nullopt;
  return engine::ValueAsInteger(value);
}

// Calls `schedule` for every object with its start day. False, with the error in the upgrade log,
// when the objects cannot be read; the calls made until then stand.
bool ForEachObjectStartDay(engine::Database& db, std::int64_t today, std::string_view step,
                           const std::function<void(const ObjectDays&)>& schedule) {
  // The second query, because each schedule insert runs on (and closes) the main query.
  engine::LiveQuery& query = db.SecondQuery();
  bool done = false;
  try {
    for (query.Open("SELECT distinct o.Objectn, min (c.daypos), max (c.daypos) FROM OBJECT o "
                    "LEFT OUTER JOIN curve c on o.objectn = c.objectref and rowtype = 1 group by "
                    "objectn;");
         !query.Eof(); query.Next()) {
      ObjectDays days;
      days.object = query.AsInteger("ObjectN");
      const std::optional<std::int64_t> first = OptionalDay(query.Value("Min"));
      days.last_curve_day = OptionalDay(query.Value("Max"));
      days.start_day = CalculationStartDay(first, days.last_curve_day, today);
      schedule(days);
    }
    done = true;
  } catch (const engine::DatabaseError& e) {
    db.Log().Note("step " + std::string(step) + ": calculation schedule stopped: " + e.what());
  }
  query.Close();
  return done;
}

// "insert into calcindex ..." of one schedule row: extra_columns and extra_values continue the
// column and value lists (both empty, or both starting with ", ").
std::string ScheduleInsert(std::int64_t object, int calc_type, const std::string& timestamp,
                           std::string_view extra_columns = {},
                           std::string_view extra_values = {}) {
  std::string sql = "insert into calcindex (operator, obj, calctype, nexttrigger";
  sql += extra_columns;
  sql += ") VALUES (1, " + std::to_string(object) + ", " + std::to_string(calc_type) + ", " +
         engine::QuotedSqlText(timestamp);
  sql += extra_values;
  sql += ")";
  return sql;
}

// The first schedule of every object, in insert order. The values are stored in customers'
// databases and read by the server's calculations: keep them as they are.
struct FirstScheduleRow {
  int calc_type;
  int hour;  // 5: the morning run at 05:00, 20: the evening run at 20:00
  std::string_view extra_columns;
  std::string_view extra_values;
};
constexpr FirstScheduleRow kFirstSchedule[] = {
    {10, 5, "", ""},
    {11, 20, "", ""},
    {20, 5, ", real1, real2, int1, int2, alertson", ", 0.8, 2.9, 3, 5, 3"},
    {21, 20, ", real1, real2, int1, int2, alertson", ", 0.09803922, 3.1, 6, 6, 3"},
    {22, 5, ", real1, int1, alertson", ", 1.0, 3, 0"},
    {23, 20, ", real1, int1, alertson", ", 0.13071895, 3, 0"},
};

// ---------------------------------------------------------------------------------------------
// Legacy settings key: the HiPath transfer systems
// ---------------------------------------------------------------------------------------------

// The HiPath protocol and its two systems, numbered above the highest Syst<n> key (also above
// Syst99, where the system list ends), saved. The systems are added once: a system with the
// protocol SMS-HIVOICE, which only this step writes, shows that an earlier run (which failed
// further on) added them. False, with the error in the upgrade log, when the key cannot be read
// or saved.
bool AddHiPathTransferSystems(engine::StepContext& context) {
  constexpr std::string_view kHiPathProtocol = "SMS-HIVOICE";
  platform::RegistryHive& hive = context.current_user;
  try {
    // Read for its check alone: a system Name of another type than a string stops the step.
    legacy::ReadTransferSystemList(hive);
    const std::int64_t highest = HighestTransferSystemNumber(hive);

    WriteTransferProtocol(hive, kHiPathProtocol,
                          {.code = std::string(kHiPathProtocol),
                           .name = std::string(kHiPathProtocol),
                           .has_center = false,
                           .tms_file_name = "sms-hv",
                           .call_type = 1});
    if (HasSystemWithProtocol(hive, kHiPathProtocol)) {
      context.db.Log().Note("step 4101: HiPath transfer systems of an earlier run kept");
    } else {
      TSiirtoSyst system{.name = "SMS + HiPath voice",
                         .ser_port = 2,
                         .ack_doubles = true,
                         .protocol = std::string(kHiPathProtocol),
                         .success_close = false,
                         .success_ack = true,
                         .reminder = false,
                         .remind_times = 3,
                         .remind_interval = 10,
                         .server_address = "192.168.xxx.xxx",
                         .attempt_interval = 20,
                         .num5 = "",
                         .num6 = ""};
      WriteTransferSystem(hive, highest + 1, system);
      system.name = "Voice + HiPath digi";
      system.protocol = "VCE2-ACB-A";
      system.num5 = "D2";
      system.num6 = "99,99";
      WriteTransferSystem(hive, highest + 2, system);
    }
    hive.Save();
    return true;
  } catch (const platform::RegistryError& e) {
    context.db.Log().Note(std::string("step 4101: legacy settings key not updated: ") + e.what());
    return false;
  }
}

// ---------------------------------------------------------------------------------------------
// Alarm-type languages and object tables
// ---------------------------------------------------------------------------------------------

// The per-language columns of step 4101, in this order within each group.
constexpr std::string_view kStep4101Languages[] = {"FIN", "ENG", "SWE", "GER", "FRA", "HUN", "DUT"};

std::vector<std::string> AlarmTypeLanguageColumns() {
  std::vector<std::string> statements;
  for (std::string_view l : kStep4101Languages) {
    statements.push_back("alter table ALARMTYPE add NAME" + std::string(l) +
                         " varchar (30) default \"\" not null;");
  }
  for (std::string_view l : kStep4101Languages) {
    statements.push_back("alter table ALARMTYPE add TEXT" + std::string(l) +
                         " BLOB SUB_TYPE 0 SEGMENT SIZE 80;");
  }
  for (std::string_view l : kStep4101Languages) {
    statements.push_back("alter table ALARMTYPE add SHORTNAME" + std::string(l) +
                         " varchar (10) default \"\" not null;");
  }
  return statements;
}

constexpr std::string_view kStep4101Statements[] = {
    "alter table curveindex add objecttype integer default 0 not null;",
    "update curveindex set curveindex.objecttype = (select object.wctype from object where "
    "curveindex.objectref = object.objectn)\r where curveindex.objectref = (select object.objectn "
    "from object where curveindex.objectref = OBJECT.OBJECTN)",
    "alter table object add maingroup integer default -1 not null;",
    "create table objectgroup\r(\rgroupid\tinteger not null,\rgroupname varchar (30) not null,\r"
    "orderpos integer not null,\rrequireadmin integer not null,\rprimary key (groupid)\r);",
    "create table allowaccess (\robjectn integer not null,\rbaseunitn integer not null,\r"
    "allowtype integer not null,\rallowflags integer,\rallowextra varchar (40),\rprimary key "
    "(objectn, baseunitn, allowtype)\r);",
    "alter table alarmtype add unittypemask integer default 255",
    "update alarmtype set unittypemask = 255",
    "create table objectstatus (\robjectn integer not null,\rRealTimeStatus integer,\r"
    "LatestRTChange double precision,\rRedFlag integer,\rRedFlagReason integer,\rLatestRedChange "
    "double precision,\rYellowFlag integer,\rYellowFlagReason integer,\rLatestYellowChange double "
    "precision,\rLatestCharge double precision,\rprimary key (objectn)\r);",
    "INSERT INTO ObjectStatus (ObjectN) SELECT ObjectN FROM Object",
    "Update OBJECTSTATUS set REALTIMESTATUS = 0, LATESTRTCHANGE = 0, REDFLAG = 0, REDFLAGREASON = "
    "0, LATESTREDCHANGE = 0, YELLOWFLAG = 0, YELLOWFLAGREASON = 0, LATESTYELLOWCHANGE = 0, "
    "LATESTCHARGE = 0",
    "alter table location alter name type varchar (20)",
    "alter table event alter loc_name type varchar (25)",
    "CREATE TRIGGER INSERT_OBJSTATUS FOR OBJECT\rAFTER INSERT AS\rBEGIN\rINSERT INTO OBJECTSTATUS\r"
    "(OBJECTN, REALTIMESTATUS, LATESTRTCHANGE, REDFLAG, REDFLAGREASON, LATESTREDCHANGE, "
    "YELLOWFLAG, YELLOWFLAGREASON, LATESTYELLOWCHANGE, LATESTCHARGE)\rVALUES (NEW.OBJECTN, 0, 0, "
    "0, 0, 0, 0, 0, 0, 0);\r END",
    "update calcs set real2 = 1 / real1 / 2.55 where calctype = 11 and real1 > 0",
};

}  // namespace

std::int64_t CalculationStartDay(std::optional<std::int64_t> first_curve_day,
                                 std::optional<std::int64_t> last_curve_day, std::int64_t today) {
  if (!first_curve_day) return today + 1;
  if (last_curve_day && *last_curve_day < today - 90) return today + 1;
  if (*first_curve_day >= today - 180) return *first_curve_day + 1;
  return today - 180;
}

bool Step4000(engine::StepContext& context) {
  constexpr std::string_view kStatements[] = {
      "CREATE TABLE CALCINDEX\r(\rOPERATOR INTEGER DEFAULT 0 NOT NULL,OBJ\t\tINTEGER NOT "
      "NULL,CALCTYPE\tINTEGER NOT NULL,LASTPOS\tTIMESTAMP,NEXTTRIGGER\tTIMESTAMP,"
      "REAL1     \tDOUBLE PRECISION DEFAULT 0,REAL2     \tDOUBLE PRECISION DEFAULT 0,"
      "INT1\tINTEGER DEFAULT 0,INT2\tINTEGER DEFAULT 0,INT3\tINTEGER DEFAULT 0,"
      "ALERTSON INTEGER DEFAULT 0,PRIMARY KEY (OPERATOR, OBJ, CALCTYPE));",
      "CREATE TABLE CALCS\r(\rOPERATOR INTEGER DEFAULT 0 NOT NULL,OBJ\t \tINTEGER NOT "
      "NULL,DAYPOS\tINTEGER NOT NULL,CALCTYPE\tINTEGER NOT NULL,REAL1     DOUBLE PRECISION DEFAULT "
      "0,REAL2\tDOUBLE PRECISION DEFAULT 0,INT1\tINTEGER DEFAULT 0,INT2\tINTEGER DEFAULT "
      "0,INT3\tINTEGER DEFAULT 0,PRIMARY KEY (OPERATOR, OBJ, DAYPOS, CALCTYPE));",
  };
  engine::Database& db = context.db;
  RunStatements(db, kStatements);

  // An object already scheduled by an earlier run keeps its rows: the inserts fail on the key.
  const bool scheduled =
      ForEachObjectStartDay(db, Today(context.clock), "4000", [&db](const ObjectDays& days) {
        for (const FirstScheduleRow& row : kFirstSchedule) {
          db.ExecuteStatement(ScheduleInsert(days.object, row.calc_type,
                                             TimestampText(days.start_day, row.hour, 0),
                                             row.extra_columns, row.extra_values));
        }
      });
  if (!scheduled) return false;
  context.state.alarm_text_refresh = true;
  return true;
}

bool Step4001(engine::StepContext& context) {
  context.db.ExecuteStatement("ALTER TABLE routerules ADD DontStop INTEGER");
  return true;
}

bool Step4101(engine::StepContext& context) {
  engine::Database& db = context.db;
  if (!AddHiPathTransferSystems(context)) return false;

  for (const std::string& sql : AlarmTypeLanguageColumns()) db.ExecuteStatement(sql);
  RunStatements(db, kStep4101Statements);

  const std::int64_t today = Today(context.clock);
  const bool scheduled =
      ForEachObjectStartDay(db, today, "4101", [&db, today](const ObjectDays& days) {
        const std::int64_t d = days.start_day;
        db.ExecuteStatement(ScheduleInsert(days.object, 12, TimestampText(d, 0, 1)));
        db.ExecuteStatement(ScheduleInsert(days.object, 13, TimestampText(d + 1, 0, 0)));
        const std::int64_t e =
            days.last_curve_day && d < today + 1 ? *days.last_curve_day - 1 : today - 1;
        db.ExecuteStatement(ScheduleInsert(days.object, 30, TimestampText(e, 0, 1)));
        db.ExecuteStatement(ScheduleInsert(days.object, 31, TimestampText(e, 0, 1)));
      });
  if (!scheduled) return false;
  context.state.alarm_text_refresh = true;
  return true;
}

}  // namespace harbo::steps

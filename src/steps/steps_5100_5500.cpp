#include "steps/steps_5100_5500.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

#include "engine/database_error.h"
#include "engine/sql_text.h"
#include "legacy/legacy_import.h"
#include "platform/text_encoding.h"
#include "steps/statements.h"
#include "steps/texts/alarm_type_texts.h"

namespace harbo::steps {
namespace {

// Step 5100, before the alarm types are filled: actions, alarm requests and the mask columns.
constexpr std::string_view kActionTablesAndMasks[] = {
    "CREATE TABLE ACTIONSLOG (\rACTIONNUM INTEGER NOT NULL,\rSESSIONID INTEGER,\rUSERID "
    "INTEGER,\rACTIONTYPE INTEGER,\rACTIONTIME TIMESTAMP,\rCHANGETYPE INTEGER,\rOBJECTREF "
    "INTEGER,\rALARMREF INTEGER,\rGROUPREF INTEGER,\rSUBTYPE INTEGER,\rprimary key "
    "(ACTIONNUM)\r);",
    "CREATE TABLE ALARMREQUEST (\rREQUESTNUM INTEGER NOT NULL,\rOBJECT INTEGER,\rALARMTYPE "
    "INTEGER,\rLOCATION INTEGER,\rALARMTIME TIMESTAMP,\rSIMULATE INTEGER,\rPROCESSED "
    "INTEGER,\rprimary key (REQUESTNUM)\r);",
    "alter table alarmtype add mask0 integer",
    "alter table alarmtype add mask1 integer",
    "alter table alarmtype add mask2 integer",
    "alter table alarmtype add mask3 integer",
    "alter table alarmtype add mask4 integer",
    "alter table alarmtype add mask5 integer",
    "alter table alarmtype add mask6 integer",
    "alter table alarmtype add maskS integer",
};

// Step 5100, after the alarm types: new columns, client settings, logins with the first
// administrator (password "a", stored in customers' databases until step 7000 hashes it),
// sessions and the real-time curve points.
constexpr std::string_view kColumnsAndLoginTables[] = {
    "alter table location add notes varchar (50);",
    "alter table object add IMAGE BLOB SUB_TYPE 0 SEGMENT SIZE 255;",
    "alter table objectgroup add defaulttimetable integer;",
    "update objectgroup set defaulttimetable = 0",
    "CREATE TABLE clientsettings (\ruserid INTEGER NOT NULL,\rname VARCHAR(30),\rval "
    "VARCHAR(100),\rprimary key (userid, name)\r);",
    "CREATE TABLE loginrights (\ruserid INTEGER NOT NULL,\rsiteid INTEGER,\rusername "
    "VARCHAR(30),\rpsword VARCHAR(30),\rblockcustomers INTEGER,\rblockcurves "
    "INTEGER,\rblockalarmack INTEGER,\rblockedits INTEGER,\rshowsystem INTEGER,\rshowallgroup "
    "INTEGER,\rshowallcustomers INTEGER,\rshowallmaps INTEGER,\rshowsettings "
    "INTEGER,\rshowtechsettings INTEGER,\rprimary key (userid)\r);",
    "INSERT INTO LoginRights (userid, siteid, username, psword, blockcustomers, blockcurves, "
    "blockalarmack, blockedits, showsystem, showallgroup, showallcustomers, showallmaps, "
    "showsettings, showtechsettings) VALUES (1, 0, \"Admin\", \"a\", 0, 0, 0, 0, 1, 0, 1, 1, 1, "
    "1);",
    "CREATE TABLE LOGINS (\ruserid INTEGER NOT NULL,\rSESSIONID INTEGER,\rALIVESTAMP "
    "TIMESTAMP,\rLOGINTYPE INTEGER,\rprimary key (userid)\r);",
    "create table realtime (\robjectn integer not null,\rLatestCurvePoint "
    "integer,\rLatestPointStamp double precision,\rprimary key (objectn)\r);",
};

// The old REALTIMECURVES gives way to one per user.
constexpr std::string_view kUserRealtimeCurves[] = {
    "drop table realtimecurves;",
    "CREATE TABLE REALTIMECURVES (\rUSERID INTEGER NOT NULL,\rOBJECTREF integer not "
    "null,\rCOLORPOS integer not null,\rprimary key (userid, objectref)\r);",
};

constexpr std::string_view kTransferLogAndRights[] = {
    "CREATE TABLE TRANSFERLOG (\rLOGNUM INTEGER NOT NULL,\rLOGTTIME timestamp,\rLOGLEVEL "
    "integer,\rALARMREF integer,\rATTEMPT integer,\rISSIMULATED integer,\rISVISIBLE "
    "integer,\rEVENTTEXT VARCHAR (100),\rprimary key (LOGNUM)\r);",
    "CREATE TABLE userrights (\ruserid integer,\rrighttype integer,\rgroupid "
    "integer,\rrightlevel integer,\rallowflags integer,\rprimary key (userid, righttype, "
    "groupid)\r);",
};

// After the commit of the main connection: indexes, the event triggers, the real-time rows of
// the objects and upper-case setting names.
constexpr std::string_view kIndexesAndTriggers[] = {
    "CREATE INDEX IDX_CALCS_1 ON CALCS(CALCTYPE);",
    "CREATE INDEX IDX_TRANSFERLOG_1 ON TRANSFERLOG(ALARMREF);",
    "CREATE INDEX IDX_MAPOBJECT_1 ON MAPOBJECT(WCID);",
    "CREATE INDEX IDX_MAPOBJECT_2 ON MAPOBJECT(BUID);",
    "CREATE INDEX IDX_MAPOBJECT_3 ON MAPOBJECT(PARENTMAP);",
    "create trigger newaction for actionslog after insert or update as begin POST_EVENT "
    "\"NEW_ACTION\"; end",
    "create trigger newtransfer for transferlog after insert or update as begin POST_EVENT "
    "\"NEW_TRANSFER\"; end",
    "INSERT INTO realtime (ObjectN) SELECT ObjectN FROM Object",
    "CREATE TRIGGER INSERT_REALTIME FOR OBJECT\rAFTER INSERT AS\rBEGIN\rINSERT INTO "
    "REALTIME\r(OBJECTN, LatestCurvePoint, LatestPointStamp)\rVALUES (NEW.OBJECTN, 0, 0);\r END",
    "update param set name = upper (name)",
};

// Key counters: the counted thing followed by "cnt". The names are the product's: never rename.
constexpr std::string_view kKeyGenerators[] = {
    "ACTIONSLOGcnt", "curvecnt",       "eventcnt",   "locationcnt", "maingroupcnt",
    "mapimagecnt",   "mapobjectcnt",   "mappagecnt", "objectcnt",   "REQUESTcnt",
    "routecnt",      "transferlogcnt", "USERIDcnt",
};

// The alarm-type languages step 5100 writes, in the order of the eight-language list; hun and
// nor are left as they are.
constexpr std::string_view kWrittenLanguages[] = {"fin", "eng", "swe", "fra", "ger", "dut"};

struct AlarmTypeSettings {
  int type;
  int status;
  int alarm_group;
  int unit_type_mask;
};
constexpr AlarmTypeSettings kFireAndTestAlarms[] = {
    {11, 4, 4, 32},   // fire alarm
    {69, 1, 3, 127},  // test alarm
};

// The alarm types whose maskS is 1.
constexpr int kMaskSTypes[] = {11, 17, 30, 34, 35, 36, 69};

// Object pictures are stored to fit a 494 x 370 frame.
constexpr int kPictureWidth = 494;
constexpr int kPictureHeight = 370;

// One pass of AddFireAndTestAlarmTypes; true when it got as far as writing the row.
bool AddAlarmType(engine::Database& db, const AlarmTypeSettings& settings) {
  engine::LiveQuery& query = db.MainQuery();
  const std::string number = std::to_string(settings.type);
  const std::string select = "SELECT * FROM AlarmType WHERE TypeN = " + number;
  bool written = false;
  try {
    query.Open(select);
    if (query.IsEmpty()) {
      db.ExecuteStatement(
          "INSERT INTO AlarmType (TypeN, Name, Status, AlarmGroup, UnitTypeMask) VALUES (\"" +
          number + "\", \"Temp\", 1, 3, 127)");
    }
    query.Open(select);
    query.Edit();
    query.SetField("Status", std::int64_t{settings.status});
    query.SetField("AlarmGroup", std::int64_t{settings.alarm_group});
    query.SetField("UnitTypeMask", std::int64_t{settings.unit_type_mask});
    const AlarmTypeText* english = FindFireAndTestAlarmText(settings.type, "eng");
    for (std::string_view language : kWrittenLanguages) {
      const AlarmTypeText* text = FindFireAndTestAlarmText(settings.type, language);
      if (text == nullptr) text = english;
      const std::string suffix(language);
      query.SetField("Name" + suffix, platform::Cp1252(text->name));
      query.SetField("Text" + suffix, platform::Cp1252(text->text));
      query.SetField("ShortName" + suffix, platform::Cp1252(text->short_name));
    }
    if (!query.TryApplyRowChanges()) {
      db.Log().Note("alarm type " + number + " keeps its stored values: the row cannot be written");
    }
    written = true;
  } catch (const engine::DatabaseError& e) {
    db.Log().Note("alarm type " + number + " is not updated: " + e.what());
  }
  query.Close();
  return written;
}

// A name that can stand in a statement as an identifier: letters, digits, '_' and '$'.
bool IsPlainIdentifier(std::string_view name) {
  if (name.empty() || !std::isalpha(static_cast<unsigned char>(name.front()))) return false;
  return std::all_of(name.begin(), name.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x80 && (std::isalnum(u) || c == '_' || c == '$');
  });
}

// numerator / denominator rounded to the nearest integer, a tie to the even one.
std::int64_t RoundedQuotient(std::int64_t numerator, std::int64_t denominator) {
  std::int64_t quotient = numerator / denominator;
  const std::int64_t twice_rest = 2 * (numerator % denominator);
  if (twice_rest > denominator || (twice_rest == denominator && quotient % 2 != 0)) ++quotient;
  return quotient;
}

// The picture of one file, scaled as it is stored.
platform::JpegResult StoredPicture(const std::filesystem::path& file,
                                   const platform::PictureLimits& limits) {
  platform::JpegResult read = platform::ReadJpegFile(file, limits);
  if (!read.ok()) return read;
  return platform::ScaleJpeg(read.data, ObjectPictureSize(read.size), limits);
}

// Step 5100 replaces the old REALTIMECURVES by one per user. When the step runs again (after it
// failed further on), the table has USERID already: it is the new one, and it keeps its rows.
void ReplaceRealtimeCurves(engine::Database& db) {
  const bool already_per_user = db.OpenQueryWithRetry(
      db.MainQuery(),
      "SELECT RDB$FIELD_NAME FROM RDB$RELATION_FIELDS WHERE RDB$RELATION_NAME = 'REALTIMECURVES' "
      "AND RDB$FIELD_NAME = 'USERID'");
  db.MainQuery().Close();
  if (already_per_user) {
    db.Log().Note("REALTIMECURVES is already the table per user: kept");
    return;
  }
  RunStatements(db, kUserRealtimeCurves);
}

}  // namespace

bool AddFireAndTestAlarmTypes(engine::Database& db) {
  bool written = false;
  for (const AlarmTypeSettings& settings : kFireAndTestAlarms) written = AddAlarmType(db, settings);
  return written;
}

void FillAlarmTypeMasks(engine::Database& db) {
  engine::LiveQuery& query = db.MainQuery();
  try {
    for (query.Open("SELECT * FROM ALARMTYPE ORDER BY TypeN ASC"); !query.Eof(); query.Next()) {
      query.Edit();
      const std::int64_t type = query.AsInteger("TypEN");
      // Bits 0..6 are the unit types; higher bits do not matter here.
      const auto mask = static_cast<std::uint16_t>(query.AsInteger("UnitTypeMask"));
      for (int bit = 0; bit <= 6; ++bit) {
        query.SetField("mask" + std::to_string(bit),
                       std::int64_t{engine::BitIsSet(mask, bit) ? 1 : 0});
      }
      const bool shared =
          std::find(std::begin(kMaskSTypes), std::end(kMaskSTypes), type) != std::end(kMaskSTypes);
      query.SetField("maskS", std::int64_t{shared ? 1 : 0});
      if (!query.TryApplyRowChanges()) {
        db.Log().Note("unit-type masks of alarm type " + std::to_string(type) + " not written");
      }
    }
  } catch (const engine::DatabaseError& e) {
    db.Log().Note(std::string("unit-type masks stopped: ") + e.what());
  }
  query.Close();
}

void CreateKeyGenerators(engine::Database& db) {
  for (std::string_view name : kKeyGenerators) {
    const std::string generator(name);
    if (db.ExecuteStatement2("CREATE GENERATOR " + generator)) {
      db.ExecuteStatement2("SET GENERATOR " + generator + " to 1");
    }
  }
}

bool TransferCounters(engine::Database& db) {
  engine::LiveQuery& query = db.MainQuery();
  bool read = false;
  try {
    for (query.Open("SELECT * FROM COUNTER"); !query.Eof(); query.Next()) {
      const std::string name = query.AsText("NAME");
      const std::int64_t last = query.AsInteger("VAL");
      // The name becomes part of a statement: anything but a plain name could change what it does.
      if (!IsPlainIdentifier(name)) {
        db.Log().Note("counter \"" + name + "\" is not carried into a generator: not a plain name");
        continue;
      }
      db.ExecuteStatement2("SET GENERATOR " + name + "cnt to " + std::to_string(last + 1));
    }
    read = true;
  } catch (const engine::DatabaseError& e) {
    db.Log().Note(std::string("the counters cannot be carried into generators: ") + e.what());
  }
  query.Close();
  return read;
}

platform::PictureSize ObjectPictureSize(platform::PictureSize source) {
  if (source.width <= 0 || source.height <= 0) return {};
  platform::PictureSize stored;
  if (source.height > source.width) {
    stored = {static_cast<int>(
                  RoundedQuotient(std::int64_t{source.width} * kPictureHeight, source.height)),
              kPictureHeight};
  } else {
    stored = {kPictureWidth, static_cast<int>(RoundedQuotient(
                                 std::int64_t{source.height} * kPictureWidth, source.width))};
  }
  // A very narrow picture would round to no pixels at all, which no JPEG can hold.
  stored.width = std::max(stored.width, 1);
  stored.height = std::max(stored.height, 1);
  return stored;
}

bool ConvertObjectImages(engine::Database& db, const platform::MachineRoot& machine,
                         const platform::PictureLimits& limits) {
  engine::LiveQuery& query = db.MainQuery();
  bool ended = false;
  try {
    for (query.Open("SELECT * FROM OBJECT"); !query.Eof(); query.Next()) {
      const std::string file_name = query.AsText("IMGFILENAME");
      if (file_name.empty()) continue;
      const std::string what = "picture " + file_name + " of object " + query.AsText("OBJECTN");
      // Stored names are Windows-1252; host file names are UTF-8.
      platform::JpegResult picture =
          StoredPicture(machine.HostPath(platform::Windows1252ToUtf8(file_name)), limits);
      if (!picture.ok()) {
        db.Log().Note(what + " is skipped: " + picture.error);
        continue;
      }
      const std::string size =
          std::to_string(picture.size.width) + "x" + std::to_string(picture.size.height);
      query.Edit();
      query.SetField("IMAGE", std::move(picture.data));
      db.Log().Note(what +
                    (query.TryApplyRowChanges() ? " stored at " + size : " cannot be stored"));
    }
    ended = true;
  } catch (const engine::DatabaseError& e) {
    db.Log().Note(std::string("object pictures stopped: ") + e.what());
  }
  query.Close();
  return ended;
}

bool Step5100(engine::StepContext& context) {
  engine::Database& db = context.db;
  RunStatements(db, kActionTablesAndMasks);
  AddFireAndTestAlarmTypes(db);
  FillAlarmTypeMasks(db);
  RunStatements(db, kColumnsAndLoginTables);
  ReplaceRealtimeCurves(db);
  RunStatements(db, kTransferLogAndRights);
  db.CommitMainDatabase();
  RunStatements(db, kIndexesAndTriggers);
  CreateKeyGenerators(db);
  return TransferCounters(db);
}

bool Step5500(engine::StepContext& context) {
  try {
    legacy::ImportLegacySettings(context);
  } catch (const std::exception& e) {
    context.db.Log().Note(std::string("the legacy settings import stopped: ") + e.what());
    return false;
  }
  if (!ConvertObjectImages(context.db, context.machine)) return false;
  context.state.alarm_text_refresh = true;
  return true;
}

}  // namespace harbo::steps

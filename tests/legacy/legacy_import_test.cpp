// The legacy settings import on databases made from the base schema of version 3101, whose PARAM
// holds only DBVERSION, with HKEY_CURRENT_USER written as small regedit texts.
#include "legacy/legacy_import.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "engine/database_error.h"
#include "legacy/registry_reader.h"
#include "legacy_key_file.h"
#include "platform/registry_hive.h"
#include "platform/text_encoding.h"
#include "test_database.h"

namespace harbo::legacy {
namespace {

using harbo::testing::EngineHarness;
using harbo::testing::TestDatabase;
using platform::Cp1252;
using platform::RegistryHive;

// Without its key PARAM could hold a name twice, so that a write that inserts where it should
// update shows.
constexpr std::string_view kParamWithoutKey = "ALTER TABLE PARAM DROP CONSTRAINT PK_PARAM;\n";

// One database and HKEY_CURRENT_USER holding `registry` (see LegacyKeyFile).
struct ImportRun {
  ImportRun(std::string_view name, std::string_view registry, std::string_view sql = {})
      : file("legacy/" + std::string(name), std::vector<std::string>{"schema_3101.sql"},
             std::string(kParamWithoutKey) + std::string(sql)),
        harness(file) {
    std::ofstream(harness.machine.CurrentUserHive(), std::ios::binary) << LegacyKeyFile(registry);
    harness.current_user = RegistryHive::CurrentUser(harness.machine);
    harness.state.database_version = 5500;
    EXPECT_TRUE(harness.db.OpenMainDatabase());
  }

  void Import() {
    auto context = harness.Context();
    ImportLegacySettings(context);
  }

  // The rows besides DBVERSION, by name.
  std::map<std::string, std::string> Params() const {
    std::map<std::string, std::string> params;
    for (const auto& row : file.Rows("SELECT NAME, VAL FROM PARAM WHERE NAME <> 'DBVERSION'")) {
      params[std::get<std::string>(row[0])] = std::get<std::string>(row[1]);
    }
    return params;
  }
  long long RowCount(std::string_view pattern = "%") const {
    return file.Integer("SELECT COUNT(*) FROM PARAM WHERE NAME <> 'DBVERSION' AND NAME LIKE '" +
                        std::string(pattern) + "'");
  }
  long long DistinctNames() const {
    return file.Integer("SELECT COUNT(DISTINCT NAME) FROM PARAM WHERE NAME <> 'DBVERSION'");
  }

  TestDatabase file;
  EngineHarness harness;
};

struct Expected {
  const char* name;
  std::string value;
};

void ExpectParams(const std::map<std::string, std::string>& params,
                  const std::vector<Expected>& expected) {
  for (const Expected& e : expected) {
    SCOPED_TRACE(e.name);
    const auto row = params.find(e.name);
    ASSERT_NE(row, params.end());
    EXPECT_EQ(row->second, e.value);
  }
}

// No legacy settings key: every setting has its old default.
TEST(ImportLegacySettings, EmptyRegistryWritesTheDefaults) {
  ImportRun run("empty", "");
  run.Import();

  EXPECT_EQ(run.RowCount(), 310);
  EXPECT_EQ(run.DistinctNames(), 310);
  const struct {
    const char* pattern;
    long long rows;
  } kGroups[] = {{"ALARMS%", 19},   {"SERPORTS%", 195},    {"TRANSFER%", 11},       {"TRAPRO%", 65},
                 {"TRASYSTEM%", 0}, {"SERPORTSCOM32%", 6}, {"TRAPROVCE2-ACB-A%", 5}};
  for (const auto& g : kGroups) {
    SCOPED_TRACE(g.pattern);
    EXPECT_EQ(run.RowCount(g.pattern), g.rows);
  }
  ExpectParams(run.Params(),
               {
                   // general; no objects, so unit types 0, 2 and 5 are off
                   {"LANGUAGE", "-1"},
                   {"SHOWUNITTYPES", "0101101"},
                   // alarms
                   {"ALARMSNURSEACKON", "0"},
                   {"ALARMSNURSEACKCOLOR", "1"},
                   {"ALARMSNURSEACKMAXTIME", "2"},
                   {"ALARMSNURSEACKDELAY", "4"},
                   {"ALARMSNURSEACKREQTRANSF", "1"},
                   {"ALARMSWUTECHSYSTEMTRANSF", "0"},
                   {"ALARMSALLOWALARMACK", "0"},
                   {"ALARMSACKALARMONACONLY", "0"},
                   {"ALARMSGENERATEALARMACK", "0"},
                   {"ALARMSCAYALIMIT1", "125"},
                   {"ALARMSCAYALIMIT2", "75"},
                   {"ALARMSCAYALIMIT3", "125"},
                   {"ALARMSCAYALIMIT4", "75"},
                   {"ALARMSCAYALIMIT5", "15"},
                   {"ALARMSCAYALIMIT6", "125"},
                   {"ALARMSCAYALIMIT7", "75"},
                   {"ALARMSCAYALIMIT8", "150"},
                   {"ALARMSCAYALIMIT9", "10000"},
                   {"ALARMSCAYALIMIT10", "75"},
                   // device
                   {"RELAYTOGGLETIME", "3"},
                   {"TELNETINSTALLED", "1"},
                   {"EMAILINSTALLED", "1"},
                   {"OXEINSTALLED", "0"},
                   {"RECEIVEIPMESS", "1"},
                   {"EMAILSERVER", "127.0.0.1"},
                   {"EMAILFROM", "harbo@localhost"},
                   {"EMAILPORT", "25"},
                   {"HIPATHBASEADDR", "40000"},
                   {"HIPATHADDRCOUNT", "10"},
                   {"VOICECONNDEVICE", "1"},
                   {"HEADSETMICVOL", "1"},
                   {"HEADSETSPKVOL", "12"},
                   {"CUSTCODEVCELENGTH", "4"},
                   {"LOWSPEEDMODE", "0"},
                   {"VOICEMESSAGEVOL", "6"},
                   {"TRANSFVCETIMEOUT", "45"},
                   {"HARBOLINKPORT", "22280"},
                   // serial ports
                   {"SERPORTSINITSTR1", "AT&FM0S91=10S0=0"},
                   {"SERPORTSINITSTR2", "ATX3"},
                   {"SERPORTSINITSTR3", "ATDT"},
                   {"SERPORTSCOM01INSTALLED", "0"},
                   {"SERPORTSCOM01UNITTYPE", "0"},
                   {"SERPORTSCOM01RECEIVE", "0"},
                   {"SERPORTSCOM01SPEED", "1"},
                   {"SERPORTSCOM01CANTRANSFER", "0"},
                   {"SERPORTSCOM01COMFORMAT", "8N1"},
                   {"SERPORTSCOM32SPEED", "1"},
                   {"SERPORTSCOM32COMFORMAT", "8N1"},
                   // transfer
                   {"TRANSFERSTATE", "0"},
                   {"TRANSFERTIMING", "0"},
                   {"TRANSFERSATIMING", "0"},
                   {"TRANSFERACTTYPE", "0"},
                   {"TRANSFERDELAY", "0"},
                   {"TRANSFERMAXTRIES", "10"},
                   {"TRANSFERTRANSACKD", "0"},
                   {"TRANSFERWARNONERR", "1"},
                   {"TRANSFERSYSTALARMS", "1"},
                   {"TRANSFERCALENDAR", "0"},
                   {"TRANSFERSACALENDAR", "0"},
                   // protocols
                   {"TRAPROALCATELOXE-SMSCODE", "ALCATELOXE-SMS"},
                   {"TRAPROALCATELOXE-SMSTMS", "ALCATELOXE-SMS"},
                   {"TRAPROALCATELOXE-SMSCALLTYPE", "5"},
                   {"TRAPROEMAILNAME", "Email"},
                   {"TRAPROEMAILTMS", "email"},
                   {"TRAPROEMAILCALLTYPE", "4"},
                   {"TRAPROHIPATH-SIMPLENAME", "HiPath Simple type A"},
                   {"TRAPROVCE2-ACB-ACODE", "VCE2-ACB-A"},
                   {"TRAPROVCE2-ACB-ANAME", "Voice Message with autocallback, includes area"},
                   {"TRAPROVCE2-ACB-AHASCENTER", "0"},
                   {"TRAPROVCE2-ACB-ATMS", "vce2-acb-a"},
                   {"TRAPROVCE2-ACB-ACALLTYPE", "2"},
               });
}

// Values of every group reach PARAM in their stored forms; one transfer system adds 34 rows.
TEST(ImportLegacySettings, RegistryValuesReachParam) {
  ImportRun run("values",
                "[K]\n"
                "\"Language\"=dword:00000002\n"
                "\"ShowUnitType0\"=dword:00000001\n"
                "\"ShowUnitType1\"=dword:00000000\n"
                "\"ShowUnitType3\"=dword:00000000\n"
                "\"ShowUnitType5\"=dword:00000000\n"
                "\"TelnetInstalled\"=dword:00000000\n"
                "\"EmailInstalled\"=dword:00000000\n"
                "\"EmailFrom\"=\"valvonta@hoivakoti.fi\"\n"
                "\"HarboLinkPort\"=dword:00001388\n"
                "\"HDPTraceLog\"=dword:00000001\n"
                "[K\\Alarms]\n"
                "\"NurseAckColor\"=dword:00ff0000\n"
                "\"CAYALimit1\"=dword:00000021\n"
                "\"CAYALimit9\"=dword:00000001\n"
                "\"ACFilterSameML\"=dword:0000001e\n"
                "[K\\SerPorts]\n"
                "\"InitStr3\"=\"ATDP\"\n"
                "[K\\SerPorts\\COM3]\n"
                "\"Installed\"=dword:00000001\n"
                "\"UnitType\"=dword:00000002\n"
                "\"Receive\"=dword:0000000c\n"
                "\"Speed\"=dword:00000005\n"
                "\"ComFormat\"=\"7E1S\"\n"
                "\"CanTransfer\"=dword:00000001\n"
                "[K\\Transfer]\n"
                "\"MaxTries\"=dword:00000003\n"
                "\"WarnOnErr\"=dword:00000000\n"
                "\"SACalendar\"=dword:00000002\n"
                "\"TXTMessSep\"=\";\"\n"
                "[K\\Transfer\\Systems\\Syst3]\n"
                "\"Name\"=\"Hoitaja \\\"ä\\\"\"\n"
                "\"SerPort\"=dword:00000065\n"
                "\"Protocol\"=\"SMS\"\n"
                "\"ServerAddress\"=\"10.0.0.5\"\n"
                "\"Num1\"=\"0401234567\"\n"
                "\"Num23\"=\"last\"\n",
                "INSERT INTO OBJECT (OBJECTN, NAME, WCTYPE) VALUES (1, 'Home unit', 2);\n"
                "INSERT INTO OBJECT (OBJECTN, NAME, WCTYPE) VALUES (2, 'Wrist unit', 5);\n"
                "INSERT INTO OBJECT (OBJECTN, NAME, WCTYPE) VALUES (3, 'Door', 1);\n");
  run.Import();

  EXPECT_EQ(run.RowCount(), 310 + 34);
  EXPECT_EQ(run.RowCount("TRASYSTEM03%"), 34);
  ExpectParams(run.Params(),
               {
                   {"LANGUAGE", "2"},
                   // 0: no objects although the registry shows it; 2 and 5: objects although the
                   // registry (or the default) hides them; 1, 3, 4 and 6 as the registry holds them
                   {"SHOWUNITTYPES", "0010111"},
                   {"TELNETINSTALLED", "1"},
                   {"EMAILINSTALLED", "1"},
                   {"EMAILFROM", "valvonta@hoivakoti.fi"},
                   {"HARBOLINKPORT", "5000"},
                   {"ALARMSNURSEACKCOLOR", "16711680"},
                   {"ALARMSCAYALIMIT1", "33"},
                   {"ALARMSCAYALIMIT9", "1"},
                   {"SERPORTSINITSTR3", "ATDP"},
                   {"SERPORTSCOM03INSTALLED", "1"},
                   {"SERPORTSCOM03UNITTYPE", "2"},
                   {"SERPORTSCOM03RECEIVE", "8"},
                   {"SERPORTSCOM03SPEED", "5"},
                   {"SERPORTSCOM03COMFORMAT", "7E1"},
                   {"SERPORTSCOM03CANTRANSFER", "1"},
                   {"SERPORTSCOM04INSTALLED", "0"},
                   {"TRANSFERMAXTRIES", "3"},
                   {"TRANSFERWARNONERR", "0"},
                   {"TRANSFERSACALENDAR", "2"},
                   {"TRASYSTEM03NAME", Cp1252("Hoitaja \"ä\"")},
                   {"TRASYSTEM03SERPORT", "101"},
                   {"TRASYSTEM03ACKDOUBLES", "0"},
                   {"TRASYSTEM03PROTOCOL", "SMS"},
                   {"TRASYSTEM03SUCCESSCLOSE", "0"},
                   {"TRASYSTEM03SUCCESSACK", "0"},
                   {"TRASYSTEM03REMINDER", "0"},
                   {"TRASYSTEM03REMINDTIMES", "3"},
                   {"TRASYSTEM03REMINDINTERVAL", "10"},
                   {"TRASYSTEM03ATTEMPTINTERVAL", "20"},
                   {"TRASYSTEM03SERVERADDRESS", "10.0.0.5"},
                   {"TRASYSTEM03NUM01", "0401234567"},
                   {"TRASYSTEM03NUM02", ""},
                   {"TRASYSTEM03NUM23", "last"},
               });
}

// The protocol adjustments, and how one record read in turn carries values (adjusted ones too)
// into the next system's rows where that system's key lacks them.
TEST(ImportLegacySettings, TransferSystemsAdjustedAndCarriedOver) {
  ImportRun run("systems",
                "[K]\n"
                "\"EmailServer\"=\"mail.care.local\"\n"
                "\"HiPathBaseAddr\"=dword:0000a028\n"
                // e-mail in lower case, and Num5 d2
                "[K\\Transfer\\Systems\\Syst1]\n"
                "\"Name\"=\"Pager\"\n"
                "\"SerPort\"=dword:00000003\n"
                "\"AckDoubles\"=dword:00000001\n"
                "\"SuccessClose\"=dword:00000001\n"
                "\"Protocol\"=\"email\"\n"
                "\"Reminder\"=dword:00000001\n"
                "\"RemindTimes\"=dword:00000005\n"
                "\"RemindInterval\"=dword:0000000f\n"
                "\"AttemptInterval\"=dword:0000001e\n"
                "\"Num2\"=\"555\"\n"
                "\"Num5\"=\"d2\"\n"
                // no Name, SerPort, ServerAddress ... of its own
                "[K\\Transfer\\Systems\\Syst2]\n"
                "\"Protocol\"=\"HIPATH-VCE\"\n"
                "\"Num5\"=\"9\"\n"
                "\"Num6\"=\"6\"\n"
                "[K\\Transfer\\Systems\\Syst4]\n"
                "\"Name\"=\"Hoitaja\"\n"
                "\"Protocol\"=\"hipath-simple\"\n"
                "\"Num5\"=\"1\"\n"
                "\"Num6\"=\"7\"\n"
                "[K\\Transfer\\Systems\\Syst5]\n"
                "\"Protocol\"=\"HIPATH-SIMPLE\"\n"
                "\"Num5\"=\"3\"\n"
                "[K\\Transfer\\Systems\\Syst7]\n"
                "\"Protocol\"=\"SMS\"\n"
                "\"ServerAddress\"=\"sms.gw\"\n"
                "\"Num5\"=\"D2\"\n"
                "\"Num6\"=\"x\"\n");
  run.Import();

  EXPECT_EQ(run.RowCount(), 310 + 5 * 34);
  EXPECT_EQ(run.RowCount("TRASYSTEM%"), 5 * 34);
  ExpectParams(run.Params(), {
                                 {"TRASYSTEM01NAME", "Pager"},
                                 {"TRASYSTEM01PROTOCOL", "email"},
                                 {"TRASYSTEM01SERVERADDRESS", "mail.care.local"},
                                 {"TRASYSTEM01NUM01", "D2"},
                                 {"TRASYSTEM01NUM02", "555"},
                                 {"TRASYSTEM01NUM05", "41000"},
                                 {"TRASYSTEM01REMINDER", "1"},
                                 {"TRASYSTEM01REMINDTIMES", "5"},
                                 {"TRASYSTEM01REMINDINTERVAL", "15"},
                                 {"TRASYSTEM01ATTEMPTINTERVAL", "30"},
                                 // carried from Syst1 (ServerAddress as adjusted there)
                                 {"TRASYSTEM02NAME", "Pager"},
                                 {"TRASYSTEM02SERPORT", "3"},
                                 {"TRASYSTEM02ACKDOUBLES", "1"},
                                 {"TRASYSTEM02SUCCESSCLOSE", "1"},
                                 {"TRASYSTEM02SERVERADDRESS", "mail.care.local"},
                                 // not carried: own fallbacks, numbers emptied
                                 {"TRASYSTEM02REMINDER", "0"},
                                 {"TRASYSTEM02REMINDTIMES", "3"},
                                 {"TRASYSTEM02REMINDINTERVAL", "10"},
                                 {"TRASYSTEM02ATTEMPTINTERVAL", "20"},
                                 {"TRASYSTEM02NUM01", ""},
                                 {"TRASYSTEM02NUM02", ""},
                                 {"TRASYSTEM02PROTOCOL", "HIPATH-VCE"},
                                 {"TRASYSTEM02NUM05", "41000"},
                                 {"TRASYSTEM02NUM06", "6"},
                                 {"TRASYSTEM04NAME", "Hoitaja"},
                                 {"TRASYSTEM04NUM05", "7"},
                                 {"TRASYSTEM04NUM06", ""},
                                 {"TRASYSTEM05NAME", "Hoitaja"},
                                 {"TRASYSTEM05NUM05", "41000"},
                                 {"TRASYSTEM05NUM06", ""},
                                 {"TRASYSTEM07SERVERADDRESS", "sms.gw"},
                                 {"TRASYSTEM07NUM01", "D2"},
                                 {"TRASYSTEM07NUM05", "41000"},
                                 {"TRASYSTEM07NUM06", "x"},
                             });
}

// A second run updates the rows of the first: one row per name, with the later values.
TEST(ImportLegacySettings, SecondRunUpdatesTheRows) {
  ImportRun run("twice",
                "[K]\n"
                "\"Language\"=dword:00000002\n"
                "[K\\Transfer\\Systems\\Syst1]\n"
                "\"Name\"=\"Pager\"\n");
  run.Import();
  RegistryHive& hive = run.harness.current_user;
  hive.WriteDword(hive.CreateKey(LegacyKeyPath("")), "Language", 9);
  hive.WriteString(hive.CreateKey(LegacyKeyPath("Transfer\\Systems\\Syst1")), "Name",
                   Cp1252("Hälytys"));
  run.Import();

  EXPECT_EQ(run.RowCount(), 310 + 34);
  EXPECT_EQ(run.DistinctNames(), 310 + 34);
  ExpectParams(run.Params(), {{"LANGUAGE", "9"}, {"TRASYSTEM01NAME", Cp1252("Hälytys")}});
}

// A registry value of another type, or objects that cannot be counted, end the import with an
// error; the rows written before stay.
TEST(ImportLegacySettings, ErrorEndsTheImportAndKeepsTheRowsBefore) {
  const struct {
    const char* name;
    const char* registry;
    const char* sql;
    bool registry_error;  // else a database error
    long long rows_left;
  } kCases[] = {
      {"general", "[K]\n\"Language\"=\"fi\"\n", "", true, 0},
      {"alarms", "[K\\Alarms]\n\"NurseAckColor\"=\"red\"\n", "", true, 2},
      {"second_system",
       "[K\\Transfer\\Systems\\Syst1]\n\"Name\"=\"Pager\"\n"
       "[K\\Transfer\\Systems\\Syst2]\n\"Num3\"=dword:00000003\n",
       "", true, 310 + 34},
      {"count_query", "", "ALTER TABLE OBJECT DROP WCTYPE;\n", false, 1},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    ImportRun run(std::string("error_") + c.name, c.registry, c.sql);
    if (c.registry_error) {
      EXPECT_THROW(run.Import(), platform::RegistryTypeError);
    } else {
      EXPECT_THROW(run.Import(), engine::DatabaseError);
    }
    EXPECT_EQ(run.RowCount(), c.rows_left);
  }
}

}  // namespace
}  // namespace harbo::legacy

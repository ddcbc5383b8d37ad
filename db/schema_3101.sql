/*
  Base schema of a Pelmar Harbo database at database version 3101, the oldest version the
  upgrade accepts. The upgrade creates every other table, column, index, generator and trigger
  itself; this file holds only what it finds in place.

  Tables (dialect 1, character set NONE, texts in Windows-1252):
    PARAM           settings as name/value rows; the row DBVERSION holds the database version
    COUNTER         key counters as name/value rows (turned into generators by step 5100)
    OBJECT          monitored objects: customers and their devices
    EVENT           alarms and other events
    CURVE           daily activity curve rows of the objects
    CURVEINDEX      per object: where its curve data stands
    ALARMTYPE       alarm types, one language (NAME, TEXT)
    LOCATION        receivers, repeaters, room units and base stations
    HOMEFOLLOW      home monitoring state of the objects followed at home
    REALTIMECURVES  objects shown as real-time curves (old form, replaced by step 5100)

  Sizes and types follow the upgrade's alterations: a column the upgrade widens or changes
  (OBJECT.ROOM, OBJECT.FWDNBR, OBJECT.FWDSYSTEM, LOCATION.LOCN, LOCATION.NAME, LOCATION.MULTIN,
  LOCATION.AREA, EVENT.LOC_NAME) has its older, narrower type here. No column that a step adds
  exists here, and there are no indexes besides the primary keys, no generators and no triggers
  (keys were counted in COUNTER before step 5100; logins and passwords lived in the registry).
*/

-- Settings. The version chain reads and writes DBVERSION. Names were stored as the server wrote
-- them, in mixed case, until step 5100 upper-cases them all. Read or written by steps 3301
-- (activity-detection settings), 3501 (manual filter codes), 5100, 5500 (legacy settings
-- import), 6001, 6003, 6151, 6152, 6173, 6292, 6301, 7114, 7120, 7150, 7210, 7300, 7400, 7410
-- and 7420; step 6460 adds ORGID and rebuilds the key, so the key carries a name of its own
-- (looked up in the catalogue by 6460), and reads LANGUAGE and SITENAME.
CREATE TABLE PARAM (
  NAME VARCHAR(40) NOT NULL,
  VAL VARCHAR(255),
  CONSTRAINT PK_PARAM PRIMARY KEY (NAME)
);

-- Key counters: VAL is the last number handed out. Read and written by step 3501 (row ROUTE),
-- rows added by step 5002 (mappage, MAPIMAGE, MAPOBJECT), carried into the generators
-- <NAME>cnt by step 5100 and left in place after it.
CREATE TABLE COUNTER (
  NAME VARCHAR(30) NOT NULL,
  VAL INTEGER,
  PRIMARY KEY (NAME)
);

-- Objects: customers (wrist and home units) and fixed devices. WCTYPE is the unit type code
-- (old codes 0 to 5; step 3201 converts them and sets GROUPNBR). FWDPOS, FWDNBR and FWDSYSTEM
-- are the old forwarding settings that step 3501 turns into routes. ROOM is a number until step
-- 6003 makes it text; FWDSYSTEM is a smallint until step 7300. Read or changed by steps 3111,
-- 3201, 3301, 3501, 4000, 4101, 5100, 5500 (pictures named in IMGFILENAME), 6001, 6002, 6003,
-- 6201, 6202, 6302, 6450, 6460, 7130, 7150, 7200, 7210, 7300 (drops IMGFILENAME), 7400, 7410
-- and 7420; the tables of step 6201 and 7420 refer to its key.
CREATE TABLE OBJECT (
  OBJECTN INTEGER NOT NULL,
  NAME VARCHAR(50),
  SHORTNAME VARCHAR(15),
  IDUSER VARCHAR(20),
  ADDRESS VARCHAR(50),
  PHONE VARCHAR(20),
  DEVICEN INTEGER,
  WCTYPE INTEGER DEFAULT 0,
  GROUPNBR INTEGER DEFAULT 1,
  ROOM INTEGER,
  ROOMPHONE VARCHAR(20),
  CONNDELAY INTEGER,
  WRIST_OFF_DELAY INTEGER,
  FWDPOS INTEGER,
  FWDNBR VARCHAR(30),
  FWDSYSTEM SMALLINT,
  PARAMS INTEGER DEFAULT 0,
  SPEECH INTEGER DEFAULT 0,
  HOMECURVECOLLECT INTEGER DEFAULT 0,
  ISFOLLOWED INTEGER DEFAULT 0,
  HOMEMONITORINGINTERVAL DOUBLE PRECISION,
  CURVEALARMDAYMINDELAY INTEGER,
  CURVEALARMDAYMAXDELAY INTEGER,
  CURVEALARMNITEMINDELAY INTEGER,
  CURVEALARMNITEMAXDELAY INTEGER,
  IMGFILENAME VARCHAR(255),
  PRIMARY KEY (OBJECTN)
);

-- Events (alarms). Indexed by step 3101 (OBJECTN, EVENT_TIME) and later by steps 7200 (ACKED),
-- 7210 (TYPEN) and 7300 (ISOPEN); LOC_NAME widened by step 4101; LOCN shifted by step 7400.
-- Columns added by steps 3111, 3401, 3501, 5001, 6003, 6202, 6302, 6460, 7100, 7130 and 7210;
-- watched by the trigger TRIG_1 of steps 6201, 6292 and 6460.
CREATE TABLE EVENT (
  EVENTN INTEGER NOT NULL,
  OBJECTN INTEGER,
  TYPEN INTEGER,
  EVENT_TIME TIMESTAMP,
  ACK_TIME TIMESTAMP,
  LOCN INTEGER,
  LOC_NAME VARCHAR(15),
  ACKED INTEGER DEFAULT 0,
  ISOPEN INTEGER DEFAULT 0,
  PRIMARY KEY (EVENTN)
);

-- Curve rows: one row per object, day and row type. DAYPOS is a whole day number (day 0 is
-- 30 December 1899). Indexed on ROWTYPE by step 3101; the first and last day of row type 1 set
-- the calculation schedules of steps 4000, 4101 and 6450.
CREATE TABLE CURVE (
  CURVEN INTEGER NOT NULL,
  OBJECTREF INTEGER NOT NULL,
  DAYPOS INTEGER NOT NULL,
  ROWTYPE INTEGER NOT NULL,
  POINTCOUNT INTEGER,
  DAYVALUE DOUBLE PRECISION,
  CURVEDATA BLOB SUB_TYPE 0 SEGMENT SIZE 80,
  PRIMARY KEY (CURVEN)
);

-- Curve index: one row per object with curve data. LASTDAYTIMEPOS is a day number with the time
-- of day as its fraction (read by step 6003); CURRENTROW is reset by step 6460. Columns added by
-- steps 4101 (filled from OBJECT.WCTYPE), 6001, 6003, 6150, 6171, 6302, 6400, 6460, 7300 and
-- 7410; widened by step 7420; watched by the trigger TRIG_18 of step 7100.
CREATE TABLE CURVEINDEX (
  OBJECTREF INTEGER NOT NULL,
  FIRSTDAYPOS INTEGER,
  LASTDAYPOS INTEGER,
  LASTDAYTIMEPOS DOUBLE PRECISION,
  CURRENTROW INTEGER,
  PRIMARY KEY (OBJECTREF)
);

-- Alarm types, keyed by TYPEN until step 6460 rebuilds the key as (ORGID, TYPEN) (it looks the
-- old key's name up in the catalogue). One language only: NAME and TEXT; the per-language
-- columns NAME<L>, TEXT<L> and SHORTNAME<L> come with steps 4101, 6000, 6200, 6300, 7200 and
-- 7410. Steps 5100, 6001, 6003 and 6302 insert types with NAME, STATUS, ALARMGROUP (and SPEECH);
-- step 6003 sets SPEECH for all types; step 7110 fills TEXT of its new types. Also read or
-- changed by steps 3501, 5000, 6002, 6172, 6201, 6202, 6292, 6400, 7000, 7100, 7150, 7210,
-- 7300, 7400 and 7420, and by the alarm-text refresh of the version chain.
CREATE TABLE ALARMTYPE (
  TYPEN INTEGER NOT NULL,
  NAME VARCHAR(30),
  TEXT BLOB SUB_TYPE 0 SEGMENT SIZE 80,
  STATUS INTEGER,
  ALARMGROUP INTEGER,
  SPEECH INTEGER DEFAULT 1,
  PRIMARY KEY (TYPEN)
);

-- Locations. LOCN is a smallint until step 7150 drops the key (found in the catalogue), makes
-- it an integer and keys it as PK_LOCATION; negative numbers are moved up by step 7400.
-- MULTIN becomes an integer in step 3501 (and sets ISACTIVE in step 7420), NAME is widened by
-- steps 4101 and 7410, AREA is cleared by step 7130 and made an integer by step 7300. LOC_TYPE
-- selects the base-station defaults of steps 6153, 6202, 7114, 7120 and 7400 (9 = home base
-- station). Columns added by steps 5100, 6001, 6003, 6200, 6202, 6400, 6460, 7130, 7300, 7410
-- and 7420; copied into BSSETTING by step 6001; watched by the trigger TRIG_10 of step 6201.
CREATE TABLE LOCATION (
  LOCN SMALLINT NOT NULL,
  NAME VARCHAR(15),
  LOC_TYPE INTEGER DEFAULT 0,
  MULTIN SMALLINT,
  AREA SMALLINT,
  ISACTIVE INTEGER DEFAULT 1,
  PRIMARY KEY (LOCN)
);

-- Home monitoring of the objects followed at home. MONITORINGINIT is cleared and LATESTINTERNAL
-- added by step 6003; LATESTCURVECALL (a day number) and CONNECTIONLOST give the home base
-- stations their connection state in step 6202; ORGID added by step 6460.
CREATE TABLE HOMEFOLLOW (
  OBJECTREF INTEGER NOT NULL,
  MONITORINGINIT INTEGER DEFAULT 0,
  CONNECTIONLOST INTEGER DEFAULT 0,
  LATESTCURVECALL DOUBLE PRECISION,
  PRIMARY KEY (OBJECTREF)
);

-- Real-time curves of the old client, not bound to a user. Dropped and created anew, per user,
-- by step 5100.
CREATE TABLE REALTIMECURVES (
  OBJECTREF INTEGER NOT NULL,
  COLORPOS INTEGER NOT NULL,
  PRIMARY KEY (OBJECTREF)
);

-- The counters the server kept at this version; a new database starts them at 0.
INSERT INTO COUNTER (NAME, VAL) VALUES ('object', 0);
INSERT INTO COUNTER (NAME, VAL) VALUES ('event', 0);
INSERT INTO COUNTER (NAME, VAL) VALUES ('curve', 0);
INSERT INTO COUNTER (NAME, VAL) VALUES ('location', 0);

-- The database version, read by the version chain.
INSERT INTO PARAM (NAME, VAL) VALUES ('DBVERSION', '3101');

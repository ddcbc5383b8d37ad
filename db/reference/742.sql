/*
  Reference database upddata/742.fdb of the setup package: the alarm-type catalogue of
  version 7.4.2, the first with Slovenian and Spanish texts. Step 7410 reopens the reference
  database on this file and copies, for every alarm type of organisation 1 ("SELECT * FROM
  AlarmType where OrgID = 1 ORDER BY TypeN"), the columns NAMESLO, TEXTSLO, SHORTNAMESLO,
  NAMESPA, TEXTSPA and SHORTNAMESPA into that type of every organisation. It stays the
  reference database for the rest of the run, so the alarm-text refresh at the end of the chain
  copies the other languages from here as well: the build therefore makes it from the same
  catalogue as common.fdb (alarm_catalogue.sql, run first), less the backend connection types
  89 and 90, which came after this version (step 7420 adds them).

  "select * from param" is the test read when the database is opened.
*/

DELETE FROM ALARMTYPE WHERE TYPEN IN (89, 90);

CREATE TABLE PARAM (
  NAME VARCHAR(40) NOT NULL,
  VAL VARCHAR(255),
  ORGID INTEGER DEFAULT 0 NOT NULL,
  CONSTRAINT PK_PARAM PRIMARY KEY (ORGID, NAME)
);

-- The catalogue's database version.
INSERT INTO PARAM (ORGID, NAME, VAL) VALUES (0, 'DBVERSION', '7420');

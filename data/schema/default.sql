-- The configuration database: the whole programming of one controller.
-- Column order matters: wire messages and editors read several tables by
-- position, and conversion of older files copies columns by position.
-- Yes/no columns hold 0 or 1; any non-zero value reads as true.

PRAGMA application_id = 1280197972;  -- 'LNET': marks the tool's own files
PRAGMA user_version = 3;             -- format "3.0"; 1 and 2 are older formats

-- Timed tone events of the six schedules; page group N is column N + 4.
CREATE TABLE Event (
  Schedule INTEGER NOT NULL,
  StartTime TEXT(5) NOT NULL,
  Tone INTEGER NOT NULL DEFAULT 1,
  Duration INTEGER NOT NULL DEFAULT 1,
  PageGroup1 INTEGER NOT NULL DEFAULT 0,
  PageGroup2 INTEGER NOT NULL DEFAULT 0,
  PageGroup3 INTEGER NOT NULL DEFAULT 0,
  PageGroup4 INTEGER NOT NULL DEFAULT 0,
  PageGroup5 INTEGER NOT NULL DEFAULT 0,
  PageGroup6 INTEGER NOT NULL DEFAULT 0,
  PageGroup7 INTEGER NOT NULL DEFAULT 0,
  PageGroup8 INTEGER NOT NULL DEFAULT 0,
  PageGroup9 INTEGER NOT NULL DEFAULT 0,
  PageGroup10 INTEGER NOT NULL DEFAULT 0,
  PageGroup11 INTEGER NOT NULL DEFAULT 0,
  PageGroup12 INTEGER NOT NULL DEFAULT 0,
  PageGroup13 INTEGER NOT NULL DEFAULT 0,
  PageGroup14 INTEGER NOT NULL DEFAULT 0,
  PageGroup15 INTEGER NOT NULL DEFAULT 0,
  PageGroup16 INTEGER NOT NULL DEFAULT 0
);

-- Active weekdays of each schedule, Sunday to Saturday, read by position.
CREATE TABLE SchedDays (
  Schedule INTEGER NOT NULL,
  Sunday INTEGER NOT NULL DEFAULT 0,
  Monday INTEGER NOT NULL DEFAULT 0,
  Tuesday INTEGER NOT NULL DEFAULT 0,
  Wednesday INTEGER NOT NULL DEFAULT 0,
  Thursday INTEGER NOT NULL DEFAULT 0,
  Friday INTEGER NOT NULL DEFAULT 0,
  Saturday INTEGER NOT NULL DEFAULT 0
);

-- Stations 1-96 in station order: architectural number (4) and caller-ID text (15).
CREATE TABLE Clid (
  clid_station INTEGER NOT NULL,
  archnum TEXT(4),
  clid_string TEXT(15)
);

-- The four custom page groups (dial codes 50-53); page group N is column N + 1.
CREATE TABLE PageGroup (
  DialCode INTEGER NOT NULL,
  PageGroup1 INTEGER NOT NULL DEFAULT 0,
  PageGroup2 INTEGER NOT NULL DEFAULT 0,
  PageGroup3 INTEGER NOT NULL DEFAULT 0,
  PageGroup4 INTEGER NOT NULL DEFAULT 0,
  PageGroup5 INTEGER NOT NULL DEFAULT 0,
  PageGroup6 INTEGER NOT NULL DEFAULT 0,
  PageGroup7 INTEGER NOT NULL DEFAULT 0,
  PageGroup8 INTEGER NOT NULL DEFAULT 0,
  PageGroup9 INTEGER NOT NULL DEFAULT 0,
  PageGroup10 INTEGER NOT NULL DEFAULT 0,
  PageGroup11 INTEGER NOT NULL DEFAULT 0,
  PageGroup12 INTEGER NOT NULL DEFAULT 0,
  PageGroup13 INTEGER NOT NULL DEFAULT 0,
  PageGroup14 INTEGER NOT NULL DEFAULT 0,
  PageGroup15 INTEGER NOT NULL DEFAULT 0,
  PageGroup16 INTEGER NOT NULL DEFAULT 0
);

-- Class of service of each group of six stations: 0 normal only, 1 normal and
-- emergency, 2 emergency only.
CREATE TABLE ClassService (
  "Group" INTEGER NOT NULL,
  Service INTEGER NOT NULL DEFAULT 1
);

-- System options, one row, read and written by position (the ring pattern takes
-- two of the board's switches).
CREATE TABLE DipSwitch (
  LowStn21 INTEGER NOT NULL DEFAULT 0,
  LowStn22 INTEGER NOT NULL DEFAULT 0,
  LowStn23 INTEGER NOT NULL DEFAULT 0,
  LowStn24 INTEGER NOT NULL DEFAULT 0,
  DialPlan3Digit INTEGER NOT NULL DEFAULT 0,
  QueueTone INTEGER NOT NULL DEFAULT 0,
  DialTone INTEGER NOT NULL DEFAULT 0,
  HfAlertTone INTEGER NOT NULL DEFAULT 0,
  PageAlertTone INTEGER NOT NULL DEFAULT 0,
  RingbackTone INTEGER NOT NULL DEFAULT 0,
  PrivacyTone INTEGER NOT NULL DEFAULT 0,
  PriorityGlobal INTEGER NOT NULL DEFAULT 0,
  PriorityOverride INTEGER NOT NULL DEFAULT 0,
  RingPattern INTEGER NOT NULL DEFAULT 0,
  ExtToneSource INTEGER NOT NULL DEFAULT 0
);

-- Page groups receiving background music, the emergency tone and the clock tone.
CREATE TABLE Bgm (
  PageGroup1 INTEGER NOT NULL DEFAULT 0,
  PageGroup2 INTEGER NOT NULL DEFAULT 0,
  PageGroup3 INTEGER NOT NULL DEFAULT 0,
  PageGroup4 INTEGER NOT NULL DEFAULT 0,
  PageGroup5 INTEGER NOT NULL DEFAULT 0,
  PageGroup6 INTEGER NOT NULL DEFAULT 0,
  PageGroup7 INTEGER NOT NULL DEFAULT 0,
  PageGroup8 INTEGER NOT NULL DEFAULT 0,
  PageGroup9 INTEGER NOT NULL DEFAULT 0,
  PageGroup10 INTEGER NOT NULL DEFAULT 0,
  PageGroup11 INTEGER NOT NULL DEFAULT 0,
  PageGroup12 INTEGER NOT NULL DEFAULT 0,
  PageGroup13 INTEGER NOT NULL DEFAULT 0,
  PageGroup14 INTEGER NOT NULL DEFAULT 0,
  PageGroup15 INTEGER NOT NULL DEFAULT 0,
  PageGroup16 INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE EmergencyPG (
  PageGroup1 INTEGER NOT NULL DEFAULT 0,
  PageGroup2 INTEGER NOT NULL DEFAULT 0,
  PageGroup3 INTEGER NOT NULL DEFAULT 0,
  PageGroup4 INTEGER NOT NULL DEFAULT 0,
  PageGroup5 INTEGER NOT NULL DEFAULT 0,
  PageGroup6 INTEGER NOT NULL DEFAULT 0,
  PageGroup7 INTEGER NOT NULL DEFAULT 0,
  PageGroup8 INTEGER NOT NULL DEFAULT 0,
  PageGroup9 INTEGER NOT NULL DEFAULT 0,
  PageGroup10 INTEGER NOT NULL DEFAULT 0,
  PageGroup11 INTEGER NOT NULL DEFAULT 0,
  PageGroup12 INTEGER NOT NULL DEFAULT 0,
  PageGroup13 INTEGER NOT NULL DEFAULT 0,
  PageGroup14 INTEGER NOT NULL DEFAULT 0,
  PageGroup15 INTEGER NOT NULL DEFAULT 0,
  PageGroup16 INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE TonesPG (
  PageGroup1 INTEGER NOT NULL DEFAULT 0,
  PageGroup2 INTEGER NOT NULL DEFAULT 0,
  PageGroup3 INTEGER NOT NULL DEFAULT 0,
  PageGroup4 INTEGER NOT NULL DEFAULT 0,
  PageGroup5 INTEGER NOT NULL DEFAULT 0,
  PageGroup6 INTEGER NOT NULL DEFAULT 0,
  PageGroup7 INTEGER NOT NULL DEFAULT 0,
  PageGroup8 INTEGER NOT NULL DEFAULT 0,
  PageGroup9 INTEGER NOT NULL DEFAULT 0,
  PageGroup10 INTEGER NOT NULL DEFAULT 0,
  PageGroup11 INTEGER NOT NULL DEFAULT 0,
  PageGroup12 INTEGER NOT NULL DEFAULT 0,
  PageGroup13 INTEGER NOT NULL DEFAULT 0,
  PageGroup14 INTEGER NOT NULL DEFAULT 0,
  PageGroup15 INTEGER NOT NULL DEFAULT 0,
  PageGroup16 INTEGER NOT NULL DEFAULT 0
);

-- Number of expansion boards, 0-3.
CREATE TABLE Config (
  System_Config INTEGER NOT NULL DEFAULT 0
);

-- The clock board: installed, types of lines A and B (1-based positions in
-- Clocks), direction (0 input, 1 output), digital code format 0-3.
CREATE TABLE ClockDef (
  ClockEnabled INTEGER NOT NULL DEFAULT 0,
  ClockA INTEGER NOT NULL DEFAULT 1,
  ClockB INTEGER NOT NULL DEFAULT 1,
  Direction INTEGER NOT NULL DEFAULT 0,
  BCD_Type INTEGER NOT NULL DEFAULT 0
);

-- Read-only catalogue of clock types, in table order.
CREATE TABLE Clocks (
  CIndex TEXT NOT NULL,
  CCorrected TEXT
);

-- Revision of the tool that last saved the file.
CREATE TABLE Rev (
  rev TEXT NOT NULL
);

WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 6)
INSERT INTO SchedDays (Schedule) SELECT i FROM n;

WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 96)
INSERT INTO Clid (clid_station, archnum, clid_string) SELECT i, '    ', '               ' FROM n;

INSERT INTO PageGroup (DialCode) VALUES (0), (1), (2), (3);

WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 16)
INSERT INTO ClassService ("Group", Service) SELECT i, 1 FROM n;

INSERT INTO DipSwitch (QueueTone, DialTone, HfAlertTone, PageAlertTone, RingbackTone, PrivacyTone)
VALUES (1, 1, 1, 1, 1, 1);

INSERT INTO Bgm DEFAULT VALUES;
INSERT INTO EmergencyPG VALUES (1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1);
INSERT INTO TonesPG VALUES (1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1);
INSERT INTO Config (System_Config) VALUES (0);
INSERT INTO ClockDef DEFAULT VALUES;

INSERT INTO Clocks (CIndex, CCorrected) VALUES
  ('Minute Impulse 24V', 'Every hour'),
  ('Minute Impulse 12V', 'Every hour'),
  ('Second Impulse 24V', 'Every minute'),
  ('Digital Code A', 'Every second'),
  ('Digital Code B', 'Every second'),
  ('Dual Motor 59 Min', 'Hourly at 59 minutes'),
  ('Synchronous Wired', 'Twice a day'),
  ('None', 'No correction');

INSERT INTO Rev (rev) VALUES ('02.00');

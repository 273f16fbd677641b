-- A small sample site for the run script's demonstration: the main board and
-- one expansion board (48 stations), a school day of bells in schedule 1, a
-- shorter Saturday in schedule 2, named stations and two custom page groups.
-- Applied on top of data/schema/default.sql by tools/mkdb.

UPDATE Config SET System_Config = 1;

UPDATE SchedDays SET Monday = 1, Tuesday = 1, Wednesday = 1, Thursday = 1, Friday = 1 WHERE Schedule = 1;
UPDATE SchedDays SET Saturday = 1 WHERE Schedule = 2;

INSERT INTO Event (Schedule, StartTime, Tone, Duration, PageGroup1, PageGroup2, PageGroup3, PageGroup4, PageGroup5)
VALUES
  (1, '08:00', 1, 5, 1, 1, 1, 1, 1),
  (1, '08:50', 2, 3, 1, 1, 1, 1, 0),
  (1, '09:45', 2, 3, 1, 1, 1, 1, 0),
  (1, '10:30', 3, 10, 1, 1, 1, 1, 1),
  (1, '12:15', 3, 10, 1, 1, 1, 1, 1),
  (1, '15:30', 1, 5, 1, 1, 1, 1, 1),
  (2, '09:00', 1, 5, 1, 0, 0, 0, 0),
  (2, '12:00', 1, 5, 1, 0, 0, 0, 0);

UPDATE Clid SET archnum = '100 ', clid_string = 'Reception      ' WHERE clid_station = 1;
UPDATE Clid SET archnum = '101 ', clid_string = 'Office         ' WHERE clid_station = 2;
UPDATE Clid SET archnum = '102 ', clid_string = 'Staff Room     ' WHERE clid_station = 3;
UPDATE Clid SET archnum = '110 ', clid_string = 'Gym            ' WHERE clid_station = 7;
UPDATE Clid SET archnum = '120 ', clid_string = 'Library        ' WHERE clid_station = 13;
UPDATE Clid SET archnum = '201 ', clid_string = 'Room 201       ' WHERE clid_station = 25;
UPDATE Clid SET archnum = '202 ', clid_string = 'Room 202       ' WHERE clid_station = 26;

UPDATE PageGroup SET PageGroup1 = 1, PageGroup2 = 1 WHERE DialCode = 0;
UPDATE PageGroup SET PageGroup5 = 1, PageGroup6 = 1, PageGroup7 = 1 WHERE DialCode = 1;

UPDATE Bgm SET PageGroup3 = 1, PageGroup4 = 1;

-- Emergency and time tones reach only the page groups of the two boards present.
UPDATE EmergencyPG SET PageGroup9 = 0, PageGroup10 = 0, PageGroup11 = 0, PageGroup12 = 0,
  PageGroup13 = 0, PageGroup14 = 0, PageGroup15 = 0, PageGroup16 = 0;
UPDATE TonesPG SET PageGroup9 = 0, PageGroup10 = 0, PageGroup11 = 0, PageGroup12 = 0,
  PageGroup13 = 0, PageGroup14 = 0, PageGroup15 = 0, PageGroup16 = 0;

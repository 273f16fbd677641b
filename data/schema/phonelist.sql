-- Template of the phone list of remote sites.
PRAGMA application_id = 1280197972;
PRAGMA user_version = 3;

CREATE TABLE PhoneList (
  Description TEXT,
  PhoneNumber TEXT
);
INSERT INTO PhoneList (Description, PhoneNumber) VALUES ('Main office', '5551234');

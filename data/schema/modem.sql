-- Template of the list of commands for the modem at the controller.
PRAGMA application_id = 1280197972;
PRAGMA user_version = 3;

CREATE TABLE ModemList (
  Modem TEXT,
  Command TEXT
);
INSERT INTO ModemList (Modem, Command) VALUES ('Generic Hayes compatible', 'AT&FE0Q0V1S0=1&W');

-- The errors database: one row per logged failure or trace line, at most 1000.
PRAGMA application_id = 1280197972;
PRAGMA user_version = 3;

CREATE TABLE "Error" (
  errno INTEGER,
  errdesc TEXT(100),
  errmodule TEXT(50),
  ErrProgram TEXT(50),
  errfcn TEXT(50),
  errdate TEXT,
  errTime TEXT
);

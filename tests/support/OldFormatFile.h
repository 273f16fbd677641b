#pragma once

#include <QString>

// Writes a configuration file of an older format at path: the tables of the
// default database (defaultDb) with PRAGMA user_version = format, some columns
// spelt as the older tool spelt them, and programming that differs from the
// defaults so a conversion can be seen: station 7 named, two events, two
// expansion boards and revision "01.00".
void writeOldFormatFile(const QString &defaultDb, const QString &path, int format = 2);

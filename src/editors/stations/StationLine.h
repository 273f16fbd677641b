#pragma once

#include <QString>

// One line of the station lists: the station right-aligned in 2 characters, a
// tab, the arch number left-aligned in 4, a tab, the CLID text left-aligned in
// 15 (23 characters). The station window and the station dialog read the
// values back out of a line by position, so the layout is fixed.
namespace StationLine {
QString format(int station, const QString &archnum, const QString &clid);
// The values of a line, trimmed of their padding blanks.
int station(const QString &line);
QString archnum(const QString &line);
QString clid(const QString &line);

// text without its leading and trailing blanks; other white space stays.
QString trimBlanks(const QString &text);
} // namespace StationLine

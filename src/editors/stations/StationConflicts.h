#pragma once

#include "editors/stations/ClidTable.h"

#include <QList>
#include <QString>

// Two arch numbers conflict when one equals the other or a leading part of
// it: dialling the shorter one would never reach the longer. Numbers are
// compared without their padding blanks; an empty number conflicts with none.
struct Conflict {
    int Station = 0;
    QString Archnum; // as stored, 4 characters
};
using ConflictList = QList<Conflict>;

// The stations of rows (other than station itself) whose numbers conflict
// with archNum: first those beginning with it, in row order, then those
// holding a shorter leading part of it, shortest first.
ConflictList Find_Conflicts(const QList<StationEntry> &rows, int station, const QString &archNum);

// The same rule over the stations outside an auto-numbering run (none of
// them is skipped).
ConflictList Find_Auto_Conflicts(const QList<StationEntry> &outsideStations, const QString &archNum);

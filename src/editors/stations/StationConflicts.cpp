#include "editors/stations/StationConflicts.h"

#include "editors/stations/StationLine.h"

namespace {
ConflictList search(const QList<StationEntry> &rows, int skipStation, const QString &archNum)
{
    ConflictList result;
    const QString wanted = StationLine::trimBlanks(archNum);
    if (wanted.isEmpty())
        return result;
    for (const StationEntry &row : rows)
        if (row.station != skipStation && StationLine::trimBlanks(row.archnum).startsWith(wanted))
            result.append({row.station, row.archnum});
    // Every station holding a shorter leading part is listed, not only the
    // first of them, so clearing the list leaves no conflict behind.
    for (qsizetype length = 1; length < wanted.size(); ++length) {
        const QString part = wanted.left(length);
        for (const StationEntry &row : rows)
            if (row.station != skipStation && StationLine::trimBlanks(row.archnum) == part)
                result.append({row.station, row.archnum});
    }
    return result;
}
} // namespace

ConflictList Find_Conflicts(const QList<StationEntry> &rows, int station, const QString &archNum)
{
    return search(rows, station, archNum);
}

ConflictList Find_Auto_Conflicts(const QList<StationEntry> &outsideStations, const QString &archNum)
{
    return search(outsideStations, 0, archNum);
}

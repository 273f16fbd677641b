#pragma once

#include "editors/stations/StationConflicts.h"

#include <QList>
#include <QPair>
#include <QString>

#include <optional>

// Auto numbering gives the stations after a selected one consecutive arch
// numbers, up to a last number the user enters. These are the checks of that
// number and the plan of a run, without any window.
namespace AutoNumbering {
inline const QString kCheckTitle = QStringLiteral("Automatic Numbering");
inline const QString kQuestionTitle = QStringLiteral("Auto Numbering");
extern const QString kRequiresArchNumber;
extern const QString kExceedsLastStation;
extern const QString kLastBelowFirst;
extern const QString kConflictsInRange;
extern const QString kOutsideConflicts;

// The number an arch number text stands for: its leading digits ("07" is 7,
// "" is 0).
int value(const QString &text);

// The run from startStation would pass the last station of the boards fitted.
bool Exceeds_Max_Station(int startStation, int first, int last, int expansionBoards);
// The run would reach ten times its first number, a number beginning with it
// (first numbers of three or four digits cannot get there within 96 stations).
bool Conflicts_In_Range(const QString &firstText, int first, int last);

// The message of the first check the last number fails, in the order the
// user is told; nothing when the run is accepted.
std::optional<QString> check(int startStation, const QString &firstText, const QString &lastText, int expansionBoards);
// The last station of an accepted run.
int lastStation(int startStation, const QString &firstText, const QString &lastText);
} // namespace AutoNumbering

// What a run from startStation (holding firstNumber) to lastStation does:
// the new number of every following station, and the stations outside the
// run whose numbers conflict with one of them, found in the snapshot of
// those stations taken before the run (a station may be listed more than
// once). Clearing them needs the user's consent.
struct AutoNumberPlan {
    QList<QPair<int, QString>> numbers;
    ConflictList conflicts;

    static AutoNumberPlan make(const QList<StationEntry> &outsideStations, int startStation, const QString &firstNumber,
                               int lastStation);
};

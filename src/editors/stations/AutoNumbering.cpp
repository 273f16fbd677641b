#include "editors/stations/AutoNumbering.h"

using namespace Qt::StringLiterals;

namespace AutoNumbering {
const QString kRequiresArchNumber = u"This function requires a defined Architectural Number.\r\n\r\n"
                                    u"Select 'Edit Station Entry' to define an Architectural Number for the current "
                                    u"station."_s;
const QString kExceedsLastStation = u"The auto numbering range exceeds the last valid station."_s;
const QString kLastBelowFirst = u"Last Arch Number must be greater than starting arch number."_s;
const QString kConflictsInRange = u"Cannot perform auto numbering.\r\n\r\nArchitectural conflicts will occur."_s;
const QString kOutsideConflicts = u"Arch number conflicts with stations outside of "
                                  u"auto-numbering range have been found.\r\n\r\n"
                                  u"Save new Arch Numbers and delete arch numbers from conflicting "
                                  u"stations?"_s;

int value(const QString &text)
{
    qsizetype digits = 0;
    while (digits < text.size() && digits < 9 && text.at(digits).isDigit() && text.at(digits).unicode() < 0x80)
        ++digits;
    return text.left(digits).toInt();
}

bool Exceeds_Max_Station(int startStation, int first, int last, int expansionBoards)
{
    if (expansionBoards < 0 || expansionBoards > 3)
        return false;
    return startStation + (last - first) > 24 * (expansionBoards + 1);
}

bool Conflicts_In_Range(const QString &firstText, int first, int last)
{
    if (firstText.size() > 2)
        return false;
    return last - first >= 9 * first;
}

std::optional<QString> check(int startStation, const QString &firstText, const QString &lastText, int expansionBoards)
{
    const int first = value(firstText);
    const int last = value(lastText);
    if (Exceeds_Max_Station(startStation, first, last, expansionBoards))
        return kExceedsLastStation;
    if (first > last)
        return kLastBelowFirst;
    if (Conflicts_In_Range(firstText, first, last))
        return kConflictsInRange;
    return std::nullopt;
}

int lastStation(int startStation, const QString &firstText, const QString &lastText)
{
    return value(lastText) - value(firstText) + startStation;
}
} // namespace AutoNumbering

AutoNumberPlan AutoNumberPlan::make(const QList<StationEntry> &outsideStations, int startStation,
                                    const QString &firstNumber, int lastStation)
{
    AutoNumberPlan plan;
    int number = AutoNumbering::value(firstNumber);
    for (int station = startStation + 1; station <= lastStation; ++station) {
        const QString text = QString::number(++number);
        plan.numbers.append({station, text});
        plan.conflicts.append(Find_Auto_Conflicts(outsideStations, text));
    }
    return plan;
}

#include "editors/stations/StationLine.h"

#include "config/Schema.h"
#include "core/Utility.h"

namespace StationLine {

QString format(int station, const QString &archnum, const QString &clid)
{
    return Utility::PadLeft(QString::number(station), 2) + u'\t' + Utility::PadRight(archnum, Schema::kArchNumWidth) +
           u'\t' + Utility::PadRight(clid, Schema::kClidWidth);
}

int station(const QString &line)
{
    return trimBlanks(line.left(2)).toInt();
}

QString archnum(const QString &line)
{
    return trimBlanks(line.mid(3, Schema::kArchNumWidth));
}

QString clid(const QString &line)
{
    return trimBlanks(line.right(Schema::kClidWidth));
}

QString trimBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

} // namespace StationLine

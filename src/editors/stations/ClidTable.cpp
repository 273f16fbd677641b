#include "editors/stations/ClidTable.h"

#include "config/Schema.h"
#include "core/Utility.h"
#include "editors/stations/StationLine.h"
#include "platform/Database.h"

#include <functional>

using namespace Qt::StringLiterals;

QString ClidTable::storedArchnum(const QString &archnum)
{
    return Utility::PadRight(StationLine::trimBlanks(archnum), Schema::kArchNumWidth);
}

QString ClidTable::storedClid(const QString &clid)
{
    return Utility::PadRight(StationLine::trimBlanks(clid), Schema::kClidWidth);
}

std::optional<QList<StationEntry>> ClidTable::select(const QString &sql, const QVariantList &binds) const
{
    const auto rows = m_db.rows(sql, binds);
    if (!rows)
        return std::nullopt;
    QList<StationEntry> result;
    result.reserve(rows->size());
    for (const QVariantList &r : *rows)
        result.append({r.value(0).toLongLong(), r.value(1).toInt(), r.value(2).toString(), r.value(3).toString()});
    return result;
}

std::optional<QList<StationEntry>> ClidTable::load() const
{
    return select(u"SELECT rowid, clid_station, archnum, clid_string FROM Clid ORDER BY rowid"_s, {});
}

std::optional<QList<StationEntry>> ClidTable::outside(int first, int last) const
{
    return select(u"SELECT rowid, clid_station, archnum, clid_string FROM Clid "
                  u"WHERE clid_station NOT BETWEEN ? AND ? ORDER BY archnum, rowid"_s,
                  {first, last});
}

bool ClidTable::write(int station, const QString &archnum, const QString &clid)
{
    return m_db.exec(u"UPDATE Clid SET archnum = ?, clid_string = ? WHERE clid_station = ?"_s,
                     {storedArchnum(archnum), storedClid(clid), station});
}

bool ClidTable::clearArchnum(int station)
{
    return m_db.exec(u"UPDATE Clid SET archnum = ? WHERE clid_station = ?"_s, {storedArchnum({}), station});
}

bool ClidTable::clearStation(int station)
{
    return write(station, {}, {});
}

bool ClidTable::inTransaction(const std::function<bool()> &writes)
{
    if (!m_db.transaction())
        return false;
    if (!writes()) {
        m_db.rollback();
        return false;
    }
    return m_db.commit();
}

bool ClidTable::writeArchnums(const QList<QPair<int, QString>> &numbers)
{
    return inTransaction([&] {
        for (const auto &[station, archnum] : numbers)
            if (!m_db.exec(u"UPDATE Clid SET archnum = ? WHERE clid_station = ?"_s, {storedArchnum(archnum), station}))
                return false;
        return true;
    });
}

bool ClidTable::restore(const QList<StationEntry> &rows)
{
    return inTransaction([&] {
        for (const StationEntry &row : rows)
            if (!m_db.exec(u"UPDATE Clid SET archnum = ?, clid_string = ? WHERE rowid = ?"_s,
                           {row.archnum, row.clid, row.rowId}))
                return false;
        return true;
    });
}

#include "editors/clocks/ClockCatalogue.h"

#include "platform/Database.h"

using namespace Qt::StringLiterals;

bool ClockCatalogue::load()
{
    m_names.clear();
    const auto rows = m_db.rows(u"SELECT CIndex FROM Clocks ORDER BY rowid"_s);
    if (!rows) {
        m_lastError = m_db.lastError();
        return false;
    }
    for (const QVariantList &row : *rows)
        m_names << row.value(0).toString();
    return true;
}

std::optional<QString> ClockCatalogue::correction(const QString &name)
{
    // The name is a bound value: type names may hold quotes.
    const auto rows = m_db.rows(u"SELECT CCorrected FROM Clocks WHERE CIndex = ? ORDER BY rowid LIMIT 1"_s, {name});
    if (!rows) {
        m_lastError = m_db.lastError();
        return std::nullopt;
    }
    if (rows->isEmpty())
        return std::nullopt;
    return rows->first().value(0).toString();
}

int ClockCatalogue::entryIndex(int position, int count, bool *outOfRange)
{
    const bool inList = position >= 1 && position <= count;
    if (outOfRange)
        *outOfRange = !inList && position != 0;
    return inList ? position - 1 : -1;
}

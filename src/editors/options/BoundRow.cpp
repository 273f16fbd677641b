#include "editors/options/BoundRow.h"

#include "platform/Database.h"

using namespace Qt::StringLiterals;

BoundRow::BoundRow(Database &db, QString table, QStringList columns)
    : m_db(db), m_table(std::move(table)), m_columns(std::move(columns))
{
}

bool BoundRow::read()
{
    m_values.clear();
    m_rowid.reset();
    QStringList selected{u"rowid"_s};
    for (const QString &c : m_columns)
        selected << Database::quoted(c);
    const auto rows = m_db.rows(u"SELECT "_s + selected.join(u", "_s) + u" FROM "_s + Database::quoted(m_table) +
                                u" ORDER BY rowid LIMIT 1"_s);
    if (!rows) {
        m_lastError = m_db.lastError();
        return false;
    }
    if (rows->isEmpty()) {
        m_lastError = m_table + u" has no row"_s;
        return false;
    }
    const QVariantList &row = rows->first();
    m_rowid = row.value(0).toLongLong();
    for (int i = 0; i < m_columns.size(); ++i)
        m_values.insert(m_columns[i].toLower(), row.value(i + 1));
    return true;
}

bool BoundRow::write(const QHash<QString, QVariant> &values)
{
    if (values.isEmpty())
        return true;
    if (!m_rowid) {
        m_lastError = m_table + u" has no row to write"_s;
        return false;
    }
    QStringList assignments;
    QVariantList binds;
    for (auto it = values.begin(); it != values.end(); ++it) {
        assignments << Database::quoted(it.key()) + u" = ?"_s;
        binds << it.value();
    }
    binds << *m_rowid;
    if (!m_db.exec(u"UPDATE "_s + Database::quoted(m_table) + u" SET "_s + assignments.join(u", "_s) +
                       u" WHERE rowid = ?"_s,
                   binds)) {
        m_lastError = m_db.lastError();
        return false;
    }
    for (auto it = values.begin(); it != values.end(); ++it)
        m_values.insert(it.key().toLower(), it.value());
    return true;
}

#include "platform/RecordSet.h"

#include "platform/Database.h"

RecordSet::RecordSet(Database &db, const QString &table, const QString &where, const QVariantList &binds,
                     const QString &orderBy)
    : m_db(db), m_where(where), m_binds(binds), m_orderBy(orderBy)
{
    m_table = db.tableName(table);
    if (m_table.isEmpty())
        m_table = table;
    reload();
}

bool RecordSet::reload()
{
    m_rows.clear();
    m_rowIds.clear();
    m_fields = m_db.columns(m_table);
    m_ok = false;
    if (m_fields.isEmpty())
        return false;
    QString sql = QStringLiteral("SELECT rowid, * FROM ") + Database::quoted(m_table);
    if (!m_where.isEmpty())
        sql += QStringLiteral(" WHERE ") + m_where;
    if (!m_orderBy.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + m_orderBy;
    const auto rows = m_db.rows(sql, m_binds);
    if (!rows)
        return false;
    for (QVariantList r : *rows) {
        m_rowIds << r.takeFirst().toLongLong();
        m_rows << r;
    }
    m_ok = true;
    return true;
}

int RecordSet::fieldIndex(const QString &name) const
{
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant RecordSet::value(int row, int field) const
{
    if (row < 0 || row >= m_rows.size())
        return {};
    return m_rows[row].value(field);
}

QVariant RecordSet::value(int row, const QString &field) const
{
    return value(row, fieldIndex(field));
}

QVariantList RecordSet::row(int row) const
{
    return m_rows.value(row);
}

qint64 RecordSet::rowId(int row) const
{
    return m_rowIds.value(row, -1);
}

bool RecordSet::setValue(int row, int field, const QVariant &value)
{
    return setValues(row, {{field, value}});
}

bool RecordSet::setValue(int row, const QString &field, const QVariant &value)
{
    return setValue(row, fieldIndex(field), value);
}

bool RecordSet::setValues(int row, const QList<QPair<int, QVariant>> &values)
{
    if (row < 0 || row >= m_rows.size() || values.isEmpty())
        return false;
    QStringList sets;
    QVariantList binds;
    for (const auto &[field, v] : values) {
        if (field < 0 || field >= m_fields.size())
            return false;
        sets << Database::quoted(m_fields[field]) + QStringLiteral(" = ?");
        binds << v;
    }
    binds << m_rowIds[row];
    if (!m_db.exec(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(Database::quoted(m_table), sets.join(u", ")),
                   binds))
        return false;
    for (const auto &[field, v] : values)
        m_rows[row][field] = v;
    return true;
}

bool RecordSet::addNew(const QVariantList &values)
{
    if (values.size() > m_fields.size())
        return false;
    QStringList names, marks;
    for (int i = 0; i < values.size(); ++i) {
        names << Database::quoted(m_fields[i]);
        marks << QStringLiteral("?");
    }
    const QString sql = values.isEmpty()
                            ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(Database::quoted(m_table))
                            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                  .arg(Database::quoted(m_table), names.join(u", "), marks.join(u", "));
    const std::optional<qint64> id = m_db.insert(sql, values);
    if (!id)
        return false;
    // Rows are kept in rowid order, where a new row always comes last; other
    // orders are rebuilt from the table.
    if (m_orderBy != QLatin1String("rowid") || !m_where.isEmpty())
        return reload();
    const auto added =
        m_db.rows(QStringLiteral("SELECT * FROM %1 WHERE rowid = ?").arg(Database::quoted(m_table)), {*id});
    if (!added || added->size() != 1)
        return reload();
    m_rowIds << *id;
    m_rows << added->first();
    return true;
}

bool RecordSet::remove(int row)
{
    if (row < 0 || row >= m_rows.size())
        return false;
    if (!m_db.exec(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(Database::quoted(m_table)), {m_rowIds[row]}))
        return false;
    m_rows.removeAt(row);
    m_rowIds.removeAt(row);
    return true;
}

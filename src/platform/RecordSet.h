#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

class Database;

// The rows of one table in table order (insertion order), loaded at once, with
// fields by position (0-based) or by name without regard to letter case. Changes
// are written straight through to the database by rowid. This is the record set
// the editors and the wire messages use to read and write rows by position.
class RecordSet {
public:
    RecordSet(Database &db, const QString &table, const QString &where = {}, const QVariantList &binds = {},
              const QString &orderBy = QStringLiteral("rowid"));

    bool ok() const { return m_ok; }
    const QString &table() const { return m_table; }
    int count() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    const QStringList &fields() const { return m_fields; }
    int fieldCount() const { return int(m_fields.size()); }
    int fieldIndex(const QString &name) const;

    QVariant value(int row, int field) const;
    QVariant value(int row, const QString &field) const;
    // A yes/no column: any non-zero value is true.
    bool flag(int row, int field) const { return value(row, field).toInt() != 0; }
    QVariantList row(int row) const;
    qint64 rowId(int row) const;

    bool setValue(int row, int field, const QVariant &value);
    bool setValue(int row, const QString &field, const QVariant &value);
    // Sets several fields of one row in one statement (positions → values).
    bool setValues(int row, const QList<QPair<int, QVariant>> &values);
    // Appends a row; values by position, missing ones take the column default.
    bool addNew(const QVariantList &values);
    bool remove(int row);
    bool reload();

private:
    Database &m_db;
    QString m_table;
    QString m_where;
    QVariantList m_binds;
    QString m_orderBy;
    QStringList m_fields;
    QList<qint64> m_rowIds;
    QList<QVariantList> m_rows;
    bool m_ok = false;
};

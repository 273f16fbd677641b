#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

class Database;

// The first row (in rowid order) of a one-row table, as the option and clock
// windows edit it: the named columns are read once when the window opens and
// the window writes back only the columns its controls changed.
class BoundRow {
public:
    BoundRow(Database &db, QString table, QStringList columns);

    // Reads the row; false (and lastError) when the table cannot be read or
    // has no row.
    bool read();
    bool found() const { return m_rowid.has_value(); }
    // The column's value as read; a null QVariant before a successful read.
    QVariant stored(const QString &column) const { return m_values.value(column.toLower()); }

    // Writes the given columns of the row read; false (and lastError) when no
    // row was read or the write fails. Nothing to write is a success.
    bool write(const QHash<QString, QVariant> &values);

    const QString &lastError() const { return m_lastError; }

private:
    Database &m_db;
    QString m_table;
    QStringList m_columns;
    QHash<QString, QVariant> m_values; // by lower-case column name
    std::optional<qint64> m_rowid;
    QString m_lastError;
};

#pragma once

#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

// One connection to one SQLite database file. The connection has a unique name
// and is removed when the object dies; no QSqlDatabase is kept as a member, and
// every query made through query() must be destroyed before this object.
//
// An existing file is opened through a "mode=rw" (or "mode=ro") URI, so a
// mistyped path is never created; the file counts as open only after a first
// query succeeds, so a file that is not a database is refused at once.
class Database {
public:
    enum class Mode { ReadWrite, ReadOnly, Create };

    explicit Database(const QString &path, Mode mode = Mode::ReadWrite);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    bool isOpen() const { return m_open; }
    const QString &path() const { return m_path; }
    const QString &connectionName() const { return m_connection; }
    // The text of the last failure (open, prepare or exec).
    const QString &lastError() const { return m_lastError; }

    // A query object bound to this connection.
    QSqlQuery query() const;

    // Runs one statement with bound parameters; false (and lastError) on failure.
    bool exec(const QString &sql, const QVariantList &binds = {});
    // Runs an INSERT with bound parameters; the new row's rowid, or nothing on failure.
    std::optional<qint64> insert(const QString &sql, const QVariantList &binds = {});
    // First column of the first row, or nothing when the statement fails or has no row.
    std::optional<QVariant> scalar(const QString &sql, const QVariantList &binds = {});
    // All rows of a statement, each as a list of values in column order.
    std::optional<QList<QVariantList>> rows(const QString &sql, const QVariantList &binds = {});

    // User tables in creation order (sqlite_master order), without SQLite's own.
    QStringList tables();
    // Exact stored name of a table matched without regard to letter case, or "".
    QString tableName(const QString &name);
    // Column names of a table in physical order (empty when the table is missing).
    QStringList columns(const QString &table);
    // Position (0-based) of a column matched without regard to letter case, -1 if absent.
    int columnIndex(const QString &table, const QString &column);
    std::optional<int> rowCount(const QString &table);

    int userVersion();
    bool setUserVersion(int version);

    bool transaction();
    bool commit();
    bool rollback();

    // "PRAGMA integrity_check" (full) or "quick_check": true when the file is sound.
    bool integrityCheck(bool quick = false);
    // Writes a compacted copy of the database to target (VACUUM INTO); target must not exist.
    bool compactInto(const QString &target);

    // Quotes an identifier for SQL ("Group" → "\"Group\"").
    static QString quoted(const QString &identifier);

private:
    // Prepares, binds and runs one statement; nothing (and lastError) on failure.
    std::optional<QSqlQuery> run(const QString &sql, const QVariantList &binds);

    QString m_path;
    QString m_connection;
    QString m_lastError;
    bool m_open = false;
};

#include "platform/Database.h"

#include <QAtomicInteger>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlRecord>
#include <QUrl>

namespace {
QString nextConnectionName()
{
    static QAtomicInteger<quint64> counter;
    return QStringLiteral("linnet-db-%1").arg(counter.fetchAndAddRelaxed(1));
}

constexpr int kBusyTimeoutMs = 2000;
} // namespace

Database::Database(const QString &path, Mode mode) : m_path(path), m_connection(nextConnectionName())
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs);
        if (mode == Mode::Create) {
            db.setDatabaseName(path);
        } else {
            // A URI keeps SQLite from creating a file that does not exist.
            QString uri = QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
            uri += mode == Mode::ReadOnly ? QStringLiteral("?mode=ro") : QStringLiteral("?mode=rw");
            db.setDatabaseName(uri);
            options += QStringLiteral(";QSQLITE_OPEN_URI");
            if (mode == Mode::ReadOnly)
                options += QStringLiteral(";QSQLITE_OPEN_READONLY");
        }
        db.setConnectOptions(options);
        if (!db.open()) {
            m_lastError = db.lastError().text();
            return;
        }
    }
    // SQLite opens lazily: only a first read tells whether the file is a database.
    m_open = true;
    if (!scalar(QStringLiteral("SELECT count(*) FROM sqlite_master")))
        m_open = false;
}

Database::~Database()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

QSqlQuery Database::query() const
{
    return QSqlQuery(QSqlDatabase::database(m_connection, false));
}

std::optional<QSqlQuery> Database::run(const QString &sql, const QVariantList &binds)
{
    QSqlQuery q = query();
    q.setForwardOnly(true);
    if (!q.prepare(sql)) {
        m_lastError = q.lastError().text();
        return std::nullopt;
    }
    for (const QVariant &v : binds)
        q.addBindValue(v);
    if (!q.exec()) {
        m_lastError = q.lastError().text();
        return std::nullopt;
    }
    return q;
}

bool Database::exec(const QString &sql, const QVariantList &binds)
{
    if (!m_open && m_lastError.isEmpty())
        m_lastError = QStringLiteral("database is not open");
    return run(sql, binds).has_value();
}

std::optional<qint64> Database::insert(const QString &sql, const QVariantList &binds)
{
    const std::optional<QSqlQuery> q = run(sql, binds);
    if (!q)
        return std::nullopt;
    return q->lastInsertId().toLongLong();
}

std::optional<QVariant> Database::scalar(const QString &sql, const QVariantList &binds)
{
    std::optional<QSqlQuery> q = run(sql, binds);
    if (!q || !q->next())
        return std::nullopt;
    return q->value(0);
}

std::optional<QList<QVariantList>> Database::rows(const QString &sql, const QVariantList &binds)
{
    std::optional<QSqlQuery> q = run(sql, binds);
    if (!q)
        return std::nullopt;
    QList<QVariantList> out;
    const int n = q->record().count();
    while (q->next()) {
        QVariantList row;
        row.reserve(n);
        for (int i = 0; i < n; ++i)
            row << q->value(i);
        out << row;
    }
    if (q->lastError().isValid()) {
        m_lastError = q->lastError().text();
        return std::nullopt;
    }
    return out;
}

QStringList Database::tables()
{
    QStringList out;
    const auto r = rows(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE "
                                       "'sqlite\\_%' ESCAPE '\\' ORDER BY rowid"));
    if (r)
        for (const QVariantList &row : *r)
            out << row.value(0).toString();
    return out;
}

QString Database::tableName(const QString &name)
{
    for (const QString &t : tables())
        if (t.compare(name, Qt::CaseInsensitive) == 0)
            return t;
    return {};
}

QStringList Database::columns(const QString &table)
{
    QStringList out;
    const auto r = rows(QStringLiteral("SELECT name FROM pragma_table_info(?) ORDER BY cid"), {table});
    if (r)
        for (const QVariantList &row : *r)
            out << row.value(0).toString();
    return out;
}

int Database::columnIndex(const QString &table, const QString &column)
{
    const QStringList cols = columns(table);
    for (int i = 0; i < cols.size(); ++i)
        if (cols[i].compare(column, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

std::optional<int> Database::rowCount(const QString &table)
{
    const auto v = scalar(QStringLiteral("SELECT count(*) FROM ") + quoted(table));
    if (!v)
        return std::nullopt;
    return v->toInt();
}

int Database::userVersion()
{
    const auto v = scalar(QStringLiteral("PRAGMA user_version"));
    return v ? v->toInt() : -1;
}

bool Database::setUserVersion(int version)
{
    return exec(QStringLiteral("PRAGMA user_version = %1").arg(version));
}

bool Database::transaction()
{
    return exec(QStringLiteral("BEGIN"));
}

bool Database::commit()
{
    return exec(QStringLiteral("COMMIT"));
}

bool Database::rollback()
{
    return exec(QStringLiteral("ROLLBACK"));
}

bool Database::integrityCheck(bool quick)
{
    const auto r = rows(quick ? QStringLiteral("PRAGMA quick_check") : QStringLiteral("PRAGMA integrity_check"));
    return r && r->size() == 1 && r->first().value(0).toString() == QLatin1String("ok");
}

bool Database::compactInto(const QString &target)
{
    return exec(QStringLiteral("VACUUM INTO ?"), {target});
}

QString Database::quoted(const QString &identifier)
{
    QString s = identifier;
    s.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include <functional>
#include <optional>

class Database;

// One row of the Clid table as stored (arch number and CLID text with their
// padding).
struct StationEntry {
    qint64 rowId = 0;
    int station = 0;
    QString archnum;
    QString clid;
};

// The stations' arch numbers and CLID texts in the working database. Every
// write stores the values trimmed of blanks and padded to their column width;
// a station whose row is missing is not written. All statements use bound
// parameters.
class ClidTable {
public:
    explicit ClidTable(Database &db) : m_db(db) {}

    // Every row in table order (the station order of a sound file); nothing
    // when the table cannot be read.
    std::optional<QList<StationEntry>> load() const;
    // The rows whose stations lie outside first..last, ordered by arch number.
    std::optional<QList<StationEntry>> outside(int first, int last) const;

    bool write(int station, const QString &archnum, const QString &clid);
    bool clearArchnum(int station);
    bool clearStation(int station);
    // Several arch numbers in one transaction: all are written or none.
    bool writeArchnums(const QList<QPair<int, QString>> &numbers);
    // Puts back the values of rows taken by load(), in one transaction.
    bool restore(const QList<StationEntry> &rows);

    Database &database() const { return m_db; }

    static QString storedArchnum(const QString &archnum);
    static QString storedClid(const QString &clid);

private:
    std::optional<QList<StationEntry>> select(const QString &sql, const QVariantList &binds) const;
    bool inTransaction(const std::function<bool()> &writes);

    Database &m_db;
};

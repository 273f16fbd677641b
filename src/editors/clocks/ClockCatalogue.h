#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class Database;

// The Clocks table: the clock types a clock line can be set to, in table
// order. A line stores the 1-based position of its type in this order.
class ClockCatalogue {
public:
    explicit ClockCatalogue(Database &db) : m_db(db) {}

    // Reads the type names; false (and lastError) when the table cannot be read.
    bool load();
    const QStringList &names() const { return m_names; }

    // The correction text of the first type with this name; nothing when no
    // row has it or the look-up fails.
    std::optional<QString> correction(const QString &name);

    // The list entry a stored position selects, -1 for none. Position 0 means
    // no type and is not a fault; a position outside 1..count is
    // (outOfRange is set).
    static int entryIndex(int position, int count, bool *outOfRange = nullptr);

    const QString &lastError() const { return m_lastError; }

private:
    Database &m_db;
    QStringList m_names;
    QString m_lastError;
};

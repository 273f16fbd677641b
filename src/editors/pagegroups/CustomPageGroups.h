#pragma once

#include "editors/common/PageGroupFlags.h"

#include <QString>

#include <array>
#include <optional>

class Database;

// The PageGroup table: the four custom page groups in table order (dial codes
// 50, 51, 52, 53), each the 16 page-group flags that follow the DialCode
// column, read and written by position.
class CustomPageGroups {
public:
    static constexpr int kGroups = 4;
    using Table = std::array<PageGroups::Flags, kGroups>;

    explicit CustomPageGroups(Database &db) : m_db(db) {}

    // The four rows; nothing when the table cannot be read or has fewer than
    // four rows or seventeen columns (then lastError says why).
    std::optional<Table> load();
    // Writes all 64 flags, the four rows in one transaction: all or none.
    bool store(const Table &table);

    const QString &lastError() const { return m_lastError; }

private:
    Database &m_db;
    QString m_lastError;
};

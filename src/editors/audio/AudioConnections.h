#pragma once

#include "editors/common/PageGroupFlags.h"

#include <QString>

#include <optional>

class Database;

// One audio source's page groups: the single row of Bgm (background music),
// TonesPG (clock tone) or EmergencyPG (emergency tone), columns PageGroup1 to
// PageGroup16.
class AudioConnections {
public:
    enum class Source { Bgm, TimeTone, Emergency };
    static QString tableName(Source source);

    AudioConnections(Database &db, Source source) : m_db(db), m_table(tableName(source)) {}

    // The row's flags; nothing when the table or a column cannot be read.
    // A table without its row reads as no page groups.
    std::optional<PageGroups::Flags> load();
    // Writes the row, adding it when the table has lost it.
    bool store(const PageGroups::Flags &flags);

    const QString &lastError() const { return m_lastError; }

private:
    Database &m_db;
    QString m_table;
    QString m_lastError;
};

#pragma once

#include <QString>

#include <array>
#include <optional>

class Database;

// The ClassService table: one row per group of six stations with its class of
// service, 0 "Normal Only", 1 "Normal / Emergency", 2 "Emergency Only!".
// Four groups belong to each board, so with n expansion boards groups 1 to
// 4 × (n + 1) exist.
class ClassOfService {
public:
    static constexpr int kGroups = 16;
    static constexpr int kGroupsPerBoard = 4;
    static constexpr int kStationsPerGroup = 6;
    static constexpr int kChoices = 3;

    // A group's class as shown: nothing for a group without a row or with a
    // stored value that is no choice.
    using Selections = std::array<std::optional<int>, kGroups>;

    explicit ClassOfService(Database &db) : m_db(db) {}

    static int lastGroup(int expansionBoards);
    // The value a stored one is shown as: -1 (an old "true") counts as 1;
    // nothing when it is none of the choices.
    static std::optional<int> shownValue(int stored);

    // What the table holds, by group number (index group - 1).
    struct Stored {
        Selections shown{};
        std::array<bool, kGroups> hasRow{};
    };

    // Nothing when the table cannot be read.
    std::optional<Stored> load();
    // Writes the groups up to lastGroup(expansionBoards) that have a selection,
    // in one transaction. The rows of missing boards' groups, rows with a group
    // number outside 1-16 and groups without a selection keep what they hold.
    bool store(const Selections &selections, int expansionBoards);

    const QString &lastError() const { return m_lastError; }

private:
    Database &m_db;
    QString m_lastError;
};

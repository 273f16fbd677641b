#pragma once

#include <QString>
#include <QStringList>

class Database;

// The test every configuration passes before it is opened: the tables the
// editors and the wire messages read (several of them by column position),
// the fixed row counts, the board count, and a sound file. It also reads the
// programming state the rest of the tool keeps while the file is open.
class ValidityCheck {
public:
    struct Result {
        bool valid = false;
        int totalEvents = 0;
        int expansionBoards = 0;
        bool clockBoard = false;
        // Why the file is invalid, one line per failed rule, in checking order.
        QStringList problems;
    };

    // How strictly column names are compared. Files of the current format must
    // carry the names the tool uses; files of the older formats are imported by
    // position, so only their column counts matter.
    enum class Names { Checked, Ignored };

    static Result check(Database &db, Names names = Names::Checked);
};

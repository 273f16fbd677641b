#pragma once

#include <QList>
#include <QString>

class Database;

// The check of every value a send carries, run before anything goes to the
// controller. The validity test of an opened file looks at tables, columns and
// row counts; this one looks at each cell the record messages are built from:
// whole numbers in their ranges, yes/no values, start times, arch numbers, and
// texts that fit their width and the controller's character set. A file that
// passes it makes only well-formed messages.
//
// A plain function over a database: it asks nothing and logs nothing, so the
// Send command, the command line and tests all use it the same way.
class ValueCheck {
public:
    // The message lists this many problems, then counts the rest.
    static constexpr int kShownProblems = 10;

    struct Problem {
        QString table;   // "" when the database itself cannot be read
        int row = 0;     // 1-based, in table order; 0 for a rule about the whole table
        QString column;  // "" for a rule about the whole table
        QString value;   // the stored value as the message shows it ("" when there is none)
        QString reason;  // why it is refused, where the value alone does not say
        QString allowed; // what the column, or the table, takes

        // One line of the message: "Event, row 2, Tone: 0 - allowed: ...".
        QString text() const;
    };

    // Every problem of the configuration, table by table in the order of a send.
    static QList<Problem> check(Database &db);
    // The message that refuses a configuration: the first kShownProblems
    // problems, then how many more there are. "" when there are none.
    static QString message(const QList<Problem> &problems);
};

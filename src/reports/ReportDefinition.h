#pragma once

#include <QList>
#include <QString>

#include <optional>

// One report definition file: a text of "key=value" lines ("#" starts a
// comment line; a line ending in "\" continues on the next one).
//   title     the report's heading
//   database  optional: a database file of the application folder (a bare
//             name) to read instead of the working configuration
//   query     one SELECT statement
//   column    result column|heading|width in characters[|right]; one per
//             printed column, in order
//   group     optional: result column|caption; the rows are printed in groups
//             of equal values of that column (the query orders them), each
//             under a line of the caption and the value
//   empty     optional: the line printed when the query gives no rows
struct ReportColumn {
    QString field;
    QString heading;
    int width = 0;
    bool alignRight = false;
};

struct ReportDefinition {
    QString title;
    QString database;
    QString query;
    QList<ReportColumn> columns;
    QString groupField;
    QString groupCaption;
    QString emptyText;

    // The definition in text; nothing, with the reason in error, when a key
    // is unknown, a line is not "key=value", or title, query or columns are missing.
    static std::optional<ReportDefinition> parse(const QString &text, QString *error);
    // The definition in a file (UTF-8).
    static std::optional<ReportDefinition> load(const QString &path, QString *error);
};

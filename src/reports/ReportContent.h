#pragma once

#include "reports/ReportDefinition.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What one report prints: its definition and the rows its query gave, each
// row the texts of the definition's columns (and of the group column).
struct ReportRow {
    QString group;
    QStringList cells;
};

struct ReportContent {
    ReportDefinition definition;
    QList<ReportRow> rows;
};

// Runs a definition's query read-only, on the working database or on the
// database of the application folder it names (found without regard to letter
// case). Nothing, with the reason in error, when the database cannot be
// opened, the query fails, or a named column is not in its result.
class ReportQuery {
public:
    ReportQuery(QString workingDbPath, QString appDir)
        : m_workingDb(std::move(workingDbPath)), m_appDir(std::move(appDir))
    {
    }

    std::optional<ReportContent> run(const ReportDefinition &definition, QString *error) const;

private:
    QString m_workingDb;
    QString m_appDir;
};

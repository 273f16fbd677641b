#include "reports/ReportContent.h"

#include "core/Utility.h"
#include "platform/Database.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>

using namespace Qt::StringLiterals;

namespace {
bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

// Numbers print as integers where they are whole (SQLite may give 1.0).
QString cellText(const QVariant &value)
{
    if (value.isNull())
        return {};
    if (value.typeId() == QMetaType::Double) {
        const double d = value.toDouble();
        if (d == double(qint64(d)))
            return QString::number(qint64(d));
    }
    return value.toString().trimmed();
}
} // namespace

std::optional<ReportContent> ReportQuery::run(const ReportDefinition &definition, QString *error) const
{
    QString path = m_workingDb;
    if (!definition.database.isEmpty())
        path = FileOps::resolve(QDir(m_appDir).filePath(definition.database));
    if (!QFileInfo(path).isFile()) {
        fail(error, u"the database %1 does not exist"_s.arg(path));
        return std::nullopt;
    }
    // Read-only: a definition can only read, whatever its query says.
    Database db(path, Database::Mode::ReadOnly);
    if (!db.isOpen()) {
        fail(error, u"cannot open %1: %2"_s.arg(path, db.lastError()));
        return std::nullopt;
    }
    ReportContent content{definition, {}};
    {
        QSqlQuery query = db.query();
        query.setForwardOnly(true);
        if (!query.prepare(definition.query) || !query.exec()) {
            fail(error, u"the query failed: %1"_s.arg(query.lastError().text()));
            return std::nullopt;
        }
        const QSqlRecord record = query.record();
        QList<int> positions;
        for (const ReportColumn &column : definition.columns) {
            const int position = record.indexOf(column.field);
            if (position < 0) {
                fail(error, u"the query gives no column \"%1\""_s.arg(column.field));
                return std::nullopt;
            }
            positions << position;
        }
        int groupPosition = -1;
        if (!definition.groupField.isEmpty()) {
            groupPosition = record.indexOf(definition.groupField);
            if (groupPosition < 0) {
                fail(error, u"the query gives no column \"%1\""_s.arg(definition.groupField));
                return std::nullopt;
            }
        }
        while (query.next()) {
            ReportRow row;
            if (groupPosition >= 0)
                row.group = cellText(query.value(groupPosition));
            for (int position : positions)
                row.cells << cellText(query.value(position));
            content.rows << row;
        }
        if (query.lastError().isValid()) {
            fail(error, u"the query failed: %1"_s.arg(query.lastError().text()));
            return std::nullopt;
        }
    }
    return content;
}

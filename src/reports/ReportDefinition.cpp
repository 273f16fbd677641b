#include "reports/ReportDefinition.h"

#include <QFile>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {
constexpr int kMaxWidth = 200;

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

// A "column=" value: field|heading|width[|right].
bool parseColumn(const QString &value, int line, ReportColumn &column, QString *error)
{
    const QStringList parts = value.split(u'|');
    if (parts.size() < 3 || parts.size() > 4)
        return fail(error, u"line %1: a column is field|heading|width[|right]"_s.arg(line));
    column.field = parts[0].trimmed();
    column.heading = parts[1];
    bool ok = false;
    column.width = parts[2].trimmed().toInt(&ok);
    if (column.field.isEmpty())
        return fail(error, u"line %1: the column has no result column"_s.arg(line));
    if (!ok || column.width < 1 || column.width > kMaxWidth)
        return fail(error, u"line %1: the column width must be a number from 1 to %2"_s.arg(line).arg(kMaxWidth));
    if (parts.size() == 4) {
        if (parts[3].trimmed().compare(u"right"_s, Qt::CaseInsensitive) != 0)
            return fail(error, u"line %1: the column's fourth part can only be \"right\""_s.arg(line));
        column.alignRight = true;
    }
    return true;
}
} // namespace

std::optional<ReportDefinition> ReportDefinition::parse(const QString &text, QString *error)
{
    ReportDefinition def;
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const int number = i + 1;
        QString line = lines[i];
        line.remove(u'\r');
        while (line.endsWith(u'\\') && i + 1 < lines.size()) {
            line.chop(1);
            line += u'\n' + QString(lines[++i]).remove(u'\r');
        }
        if (line.trimmed().isEmpty() || line.trimmed().startsWith(u'#'))
            continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0) {
            fail(error, u"line %1: not a key=value line"_s.arg(number));
            return std::nullopt;
        }
        const QString key = line.left(eq).trimmed().toLower();
        const QString value = line.mid(eq + 1);
        if (key == "title"_L1) {
            def.title = value.trimmed();
        } else if (key == "database"_L1) {
            def.database = value.trimmed();
            if (def.database.contains(u'/') || def.database.contains(u'\\') || def.database.startsWith(u'.')) {
                fail(error, u"line %1: the database must be a file name of the application folder"_s.arg(number));
                return std::nullopt;
            }
        } else if (key == "query"_L1) {
            def.query = value.trimmed();
        } else if (key == "column"_L1) {
            ReportColumn column;
            if (!parseColumn(value, number, column, error))
                return std::nullopt;
            def.columns << column;
        } else if (key == "group"_L1) {
            const QStringList parts = value.split(u'|');
            def.groupField = parts.value(0).trimmed();
            def.groupCaption = parts.value(1).trimmed();
            if (parts.size() > 2 || def.groupField.isEmpty()) {
                fail(error, u"line %1: a group is field|caption"_s.arg(number));
                return std::nullopt;
            }
        } else if (key == "empty"_L1) {
            def.emptyText = value.trimmed();
        } else {
            fail(error, u"line %1: unknown key \"%2\""_s.arg(number).arg(key));
            return std::nullopt;
        }
    }
    if (def.title.isEmpty() || def.query.isEmpty() || def.columns.isEmpty()) {
        fail(error, u"a definition needs a title, a query and at least one column"_s);
        return std::nullopt;
    }
    return def;
}

std::optional<ReportDefinition> ReportDefinition::load(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(error, u"cannot read %1: %2"_s.arg(path, file.errorString()));
        return std::nullopt;
    }
    QString parseError;
    auto def = parse(QString::fromUtf8(file.readAll()), &parseError);
    if (!def)
        fail(error, path + u": "_s + parseError);
    return def;
}

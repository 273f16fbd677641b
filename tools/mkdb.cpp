// Build-time tool: creates an SQLite database from an SQL script.
//   mkdb OUTPUT SCRIPT.sql
// The output is written beside the target and renamed over it at the end, so an
// interrupted build never leaves a half-made template behind.
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

#include <cstdio>

namespace {
QStringList statements(const QString &script)
{
    QStringList lines;
    for (const QString &line : script.split(QLatin1Char('\n'))) {
        const int comment = line.indexOf(QLatin1String("--"));
        lines << (comment >= 0 ? line.left(comment) : line);
    }
    QStringList out;
    for (const QString &s : lines.join(QLatin1Char('\n')).split(QLatin1Char(';')))
        if (!s.trimmed().isEmpty())
            out << s.trimmed();
    return out;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: mkdb OUTPUT SCRIPT.sql\n");
        return 2;
    }
    const QString output = args[1];
    const QString temp = output + QStringLiteral(".tmp");
    QFile script(args[2]);
    if (!script.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "mkdb: cannot read %s\n", qPrintable(args[2]));
        return 1;
    }
    QFile::remove(temp);
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("mkdb"));
        db.setDatabaseName(temp);
        if (!db.open()) {
            std::fprintf(stderr, "mkdb: %s\n", qPrintable(db.lastError().text()));
            return 1;
        }
        for (const QString &sql : statements(QString::fromUtf8(script.readAll()))) {
            QSqlQuery q(db);
            if (!q.exec(sql)) {
                std::fprintf(stderr, "mkdb: %s\n  in: %s\n", qPrintable(q.lastError().text()), qPrintable(sql));
                ok = false;
                break;
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("mkdb"));
    if (!ok) {
        QFile::remove(temp);
        return 1;
    }
    QFile::remove(output);
    return QFile::rename(temp, output) ? 0 : 1;
}

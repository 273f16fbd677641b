#include "core/OwnFiles.h"

#include "core/AppPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace OwnFiles {
namespace {
Kind kindOfName(const QString &fileName)
{
    static const QHash<QString, Kind> kinds{
        {QStringLiteral("~TEMP"), Kind::WorkingCopy},   {QStringLiteral("DEFAULT"), Kind::Template},
        {QStringLiteral("ERRORS"), Kind::ErrorLog},     {QStringLiteral("PHONELST"), Kind::PhoneList},
        {QStringLiteral("DPHONELST"), Kind::PhoneList}, {QStringLiteral("MODEM"), Kind::ModemList},
        {QStringLiteral("DMODEM"), Kind::ModemList},
    };
    return kinds.value(fileName.section(QLatin1Char('.'), 0, 0).toUpper(), Kind::None);
}

// The folder as the file system knows it (links and ".." resolved) when it exists.
QString realFolder(const QString &folder)
{
    const QFileInfo info(folder);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}
} // namespace

Kind kind(const AppPaths &paths, const QString &path)
{
    if (path.isEmpty())
        return Kind::None;
    const QString appDir = realFolder(paths.appDir());
    QStringList candidates{QFileInfo(path).absoluteFilePath()};
    if (const QString target = QFileInfo(path).canonicalFilePath(); !target.isEmpty())
        candidates << target;
    for (const QString &candidate : std::as_const(candidates)) {
        const QFileInfo info(candidate);
        if (realFolder(info.absolutePath()) != appDir)
            continue;
        if (const Kind k = kindOfName(info.fileName()); k != Kind::None)
            return k;
    }
    return Kind::None;
}

QString role(Kind kind)
{
    switch (kind) {
    case Kind::WorkingCopy: return QStringLiteral("the tool's working copy of the open configuration");
    case Kind::Template: return QStringLiteral("the tool's template for new configurations");
    case Kind::ErrorLog: return QStringLiteral("the tool's error log");
    case Kind::PhoneList: return QStringLiteral("the tool's phone list");
    case Kind::ModemList: return QStringLiteral("the tool's list of modem commands");
    case Kind::None: break;
    }
    return {};
}

QString refusal(const AppPaths &paths, const QString &path, const QString &action)
{
    const Kind k = kind(paths, path);
    if (k == Kind::None)
        return {};
    return QStringLiteral("%1 is %2, not a configuration file of your own, and cannot be %3.")
        .arg(QDir::toNativeSeparators(path), role(k), action);
}

bool anyIn(const QString &folder)
{
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &entry : entries)
        if (kindOfName(entry) != Kind::None || entry.compare(QLatin1String("settings.ini"), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}
} // namespace OwnFiles

#include "core/AppPaths.h"

#include "core/OwnFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

AppPaths::AppPaths(QString appDir, QString templatesDir)
    : m_appDir(QDir::cleanPath(QDir(appDir).absolutePath())),
      m_templatesDir(templatesDir.isEmpty() ? defaultTemplatesDir() : std::move(templatesDir))
{
}

QString AppPaths::file(const QString &name) const
{
    return m_appDir + QLatin1Char('/') + name;
}

QString AppPaths::defaultAppDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString AppPaths::defaultTemplatesDir()
{
    const QString fromEnv = qEnvironmentVariable("LINNET_TEMPLATES");
    if (!fromEnv.isEmpty())
        return fromEnv;
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/linnet"));
}

bool AppPaths::seedFromTemplates(QString *error) const
{
    QDir dir(m_appDir);
    if (dir.exists() && !dir.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (OwnFiles::anyIn(m_appDir))
            return true;
        // A folder given by mistake (a home or a project folder) is neither
        // filled with the tool's files nor taken for a damaged application folder.
        if (error)
            *error = QStringLiteral("%1 is not an application folder of the tool: it holds other files and none of "
                                    "the tool's own (DEFAULT, errors, settings.ini). Give a new or empty folder, or "
                                    "the folder the tool already uses.")
                         .arg(QDir::toNativeSeparators(m_appDir));
        return false;
    }
    if (!QDir().mkpath(m_appDir)) {
        if (error)
            *error = QStringLiteral("Cannot create the application folder ") + m_appDir;
        return false;
    }
    const QDir templates(m_templatesDir);
    if (!templates.exists()) {
        if (error)
            *error = QStringLiteral("The templates folder ") + m_templatesDir + QStringLiteral(" does not exist");
        return false;
    }
    QDirIterator it(m_templatesDir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = file(templates.relativeFilePath(source));
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (!QFile::copy(source, target)) {
            if (error)
                *error = QStringLiteral("Cannot copy ") + source + QStringLiteral(" to ") + target;
            return false;
        }
        QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner | QFile::ReadOwner);
    }
    return true;
}

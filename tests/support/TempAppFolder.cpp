#include "TempAppFolder.h"

#include <QFile>

#include <gtest/gtest.h>

TempAppFolder::TempAppFolder()
{
    const AppPaths paths(m_dir.path() + QStringLiteral("/app"), templatesDir());
    QString error;
    EXPECT_TRUE(paths.seedFromTemplates(&error)) << error.toStdString();
    m_context = std::make_unique<AppContext>(paths, m_prompter, m_registry);
}

QString TempAppFolder::copyTemplate(const QString &templateName, const QString &newName) const
{
    const QString target = m_dir.filePath(newName);
    QFile::remove(target);
    EXPECT_TRUE(QFile::copy(templatesDir() + QLatin1Char('/') + templateName, target));
    QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
    return target;
}

#include "reports/ReportList.h"

#include "core/Utility.h"

#include <QDir>
#include <QFileInfo>

namespace ReportList {

QString caption(int index)
{
    return index >= 0 && index < kCount ? QString::fromLatin1(kEntries[index].caption) : QString();
}

QString stem(int index)
{
    if (index < 0 || index >= kCount)
        return {};
    const QString entry = QString::fromLatin1(kEntries[index].definition);
    return QFileInfo(QString(entry).replace(QLatin1Char('\\'), QLatin1Char('/'))).completeBaseName();
}

QString definitionPath(const QString &appDir, int index)
{
    if (index < 0 || index >= kCount)
        return {};
    QString entry = QString::fromLatin1(kEntries[index].definition);
    entry.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir(appDir).filePath(entry);
}

QString resolvedDefinitionPath(const QString &appDir, int index)
{
    return FileOps::resolve(definitionPath(appDir, index));
}

int find(const QString &name)
{
    bool isNumber = false;
    const int number = name.toInt(&isNumber);
    if (isNumber)
        return number >= 0 && number < kCount ? number : -1;
    for (int i = 0; i < kCount; ++i)
        if (stem(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

} // namespace ReportList

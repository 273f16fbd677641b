#include "platform/Registry.h"

#include <QtGlobal>

QString QtRegistry::GetRegString(const QString &root, const QString &key, const QString &valueName) const
{
    if (root == QLatin1String(kLocalMachine) && key.compare(QLatin1String(kBrowserKey), Qt::CaseInsensitive) == 0 &&
        valueName.compare(QLatin1String("Version"), Qt::CaseInsensitive) == 0)
        return QString::fromLatin1(qVersion());
    return {};
}

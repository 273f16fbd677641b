#include "reports/ReportFormula.h"

#include <QFileInfo>
#include <QLocale>

using namespace Qt::StringLiterals;

QString ReportFormula::text(const QString &currentFileName)
{
    if (currentFileName == "Untitled"_L1)
        return u"Database = 'Untitled'"_s;
    const QFileInfo info(currentFileName);
    if (!info.isFile())
        return u"Database = '"_s + currentFileName + u"'"_s;
    return u"Database = '"_s + currentFileName + u"  "_s +
           QLocale().toString(info.lastModified(), QLocale::ShortFormat) + u"'"_s;
}

#include "config/Schema.h"

#include "platform/Windows1252.h"

QString Schema::formatVersionText(int userVersion)
{
    return QStringLiteral("%1.0").arg(userVersion);
}

bool Schema::isShownByController(QChar c)
{
    return Windows1252::isGraphic(c);
}

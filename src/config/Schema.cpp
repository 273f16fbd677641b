#include "config/Schema.h"

QString Schema::formatVersionText(int userVersion)
{
    return QStringLiteral("%1.0").arg(userVersion);
}

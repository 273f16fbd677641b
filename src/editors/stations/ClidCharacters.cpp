#include "editors/stations/ClidCharacters.h"

#include "config/Schema.h"

using namespace Qt::StringLiterals;

namespace ClidCharacters {

std::optional<QChar> firstRefused(const QString &text)
{
    for (QChar c : text)
        if (!Schema::isShownByController(c))
            return c;
    return std::nullopt;
}

QString refusedMessage(QChar c)
{
    const QString code = u"U+"_s + QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0');
    const QString shown = c.isPrint() ? u"\""_s + c + u"\" ("_s + code + u')' : code;
    return u"The character "_s + shown +
           u" cannot be sent to the controller.\r\n\r\n"
           u"A CLID description takes only the letters, digits and signs of the Windows-1252 code page."_s;
}

} // namespace ClidCharacters

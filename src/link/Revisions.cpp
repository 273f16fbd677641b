#include "link/Revisions.h"

#include "link/LinkState.h"

#include <QStringList>

namespace {
const QChar kTab(9);

// Characters pos..pos+len-1 (1-based) of the body, as far as it has them.
QString mid(const char *body, std::size_t size, std::size_t pos, std::size_t len)
{
    if (pos > size)
        return {};
    const std::size_t available = std::min(len, size - pos + 1);
    return QString::fromLatin1(body + pos - 1, qsizetype(available));
}
} // namespace

QString Revisions::revisionText(const QString &major, const QString &minor)
{
    const QString shownMajor = major.startsWith(QLatin1Char('0')) ? major.mid(1, 1) : major;
    return QStringLiteral("Rev ") + shownMajor + QLatin1Char('.') + minor;
}

Revisions Revisions::fromReply(const char *body, std::size_t size)
{
    Revisions r;
    r.SecondCpuText =
        QStringLiteral("Second CPU: ") + kTab + revisionText(mid(body, size, 2, 2), mid(body, size, 4, 2));
    r.MainCpuText = QStringLiteral("Main CPU: ") + kTab + revisionText(mid(body, size, 6, 2), mid(body, size, 8, 2));
    if (mid(body, size, 10, 4) != QLatin1String("0000"))
        r.ThirdCpuText =
            QStringLiteral("Third CPU: ") + kTab + revisionText(mid(body, size, 10, 2), mid(body, size, 12, 2));
    const QString card = mid(body, size, 14, 1);
    if (card == QLatin1String("1") || card == QLatin1String("2"))
        r.FirstOptionText = QStringLiteral("First Option Card: ") + kTab + QStringLiteral("Type ") + card;
    if (mid(body, size, 15, 1) == QLatin1String("1"))
        r.SecondOptionText = QStringLiteral("Second Option Card: ") + kTab + QStringLiteral("Type CLOCK");
    return r;
}

Revisions Revisions::notCommunicating()
{
    Revisions r;
    r.MainCpuText = QStringLiteral("Main CPU: ") + kTab + QStringLiteral("Unknown");
    r.SecondCpuText = QStringLiteral("Second CPU: ") + kTab + QStringLiteral("Unknown");
    r.ThirdCpuText = QStringLiteral("Third CPU: ") + kTab + QStringLiteral("Unknown");
    r.LinkStatusText = QStringLiteral("** Not Communicating **");
    return r;
}

Revisions Revisions::preRelease()
{
    Revisions r;
    r.MainCpuText = QStringLiteral("Main CPU: ") + kTab + QStringLiteral("Pre 2.00");
    r.SecondCpuText = QStringLiteral("Second CPU: ") + kTab + QStringLiteral("Pre 2.00");
    return r;
}

QStringList Revisions::lines() const
{
    QStringList out;
    for (const QString *line :
         {&MainCpuText, &SecondCpuText, &ThirdCpuText, &LinkStatusText, &FirstOptionText, &SecondOptionText})
        if (!line->isEmpty())
            out << *line;
    return out;
}

std::optional<QString> ControllerRevision(const LinkState &link, const Revisions &revs)
{
    if (link.NoResponse)
        return std::nullopt;
    QString rev = link.NakLimit ? QStringLiteral("00.00") : revs.SecondCpuText.right(5).trimmed();
    if (rev.startsWith(QLatin1Char('0')))
        rev.remove(0, 1);
    return rev;
}

QString SendWarningText(const QString &modelName)
{
    return QStringList{modelName + QStringLiteral(" System may not support all programmed features."),
                       QString(),
                       QStringLiteral("Upgrade the ") + modelName +
                           QStringLiteral(" System Software to prevent receiving"),
                       QStringLiteral("this message in the future."),
                       QString(),
                       QStringLiteral("Continue? "),
                       QString()}
        .join(QStringLiteral("\r\n"));
}

#include "shell/FileDialogs.h"

#include <QFileDialog>
#include <QStringList>

namespace FileDialogs {
QString qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        if (!description.contains(QLatin1Char('(')))
            description += QStringLiteral(" (") + QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')) +
                           QLatin1Char(')');
        out << description;
    }
    return out.isEmpty() ? filter : out.join(QStringLiteral(";;"));
}

std::optional<QString> chooseOpenFile(QWidget *parent, const QString &filter)
{
    const QString file = QFileDialog::getOpenFileName(parent, QStringLiteral("Open"), QString(), qtFilter(filter));
    if (file.isEmpty())
        return std::nullopt;
    return file;
}

std::optional<QString> chooseSaveFile(QWidget *parent, const QString &filter, const QString &proposed)
{
    const QString file = QFileDialog::getSaveFileName(parent, QStringLiteral("Save As"), proposed, qtFilter(filter),
                                                      nullptr, QFileDialog::DontConfirmOverwrite);
    if (file.isEmpty())
        return std::nullopt;
    return file;
}
} // namespace FileDialogs

#include "shell/frmHelp.h"

#include "ui/WindowUtil.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QTextBrowser>
#include <QVBoxLayout>

frmHelp::frmHelp(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmHelp"));
    setProperty("linnetNotAForm", true);
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("txtHelp"));
    m_browser->setOpenExternalLinks(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(twips(10500), twips(9000));
}

bool frmHelp::showFile(const QString &path, bool html)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString text = QString::fromUtf8(file.readAll());
    m_browser->setSearchPaths({QFileInfo(path).absolutePath()});
    if (html) {
        m_browser->setFont(QFont());
        m_browser->setHtml(text);
    } else {
        m_browser->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        m_browser->setPlainText(text);
    }
    return true;
}

#include "core/RequiredFiles.h"

#include "core/AppContext.h"

QStringList RequiredFiles::reportSet()
{
    static const QStringList reports = {
        QStringLiteral("reports/sched.rpt"),   QStringLiteral("reports/event.rpt"),
        QStringLiteral("reports/bgm.rpt"),     QStringLiteral("reports/class.rpt"),
        QStringLiteral("reports/clid.rpt"),    QStringLiteral("reports/dip.rpt"),
        QStringLiteral("reports/pagegrp.rpt"), QStringLiteral("reports/phonlst.rpt"),
        QStringLiteral("reports/clocks.rpt"),
    };
    return reports;
}

bool RequiredFiles::CheckFile(const QString &name)
{
    if (m_context.files.IsFile(m_context.paths.file(name)))
        return true;
    m_context.prompter.message(QStringLiteral("File ") + QLatin1Char('\'') + name + QLatin1Char('\'') +
                                   QStringLiteral(" was not found in the application directory. Make sure the "
                                                  "application was properly installed."),
                               m_context.state.variant.ProductTitle, Prompter::Exclamation);
    return false;
}

bool RequiredFiles::ensureFromTemplate(const QString &name, const QString &templateName)
{
    if (m_context.files.IsFile(m_context.paths.file(name)))
        return true;
    if (!CheckFile(templateName))
        return false;
    m_context.files.fcnCopyFile(m_context.paths.file(templateName), m_context.paths.file(name));
    return CheckFile(name);
}

bool RequiredFiles::CheckRequiredFiles()
{
    if (!CheckFile(QStringLiteral("DEFAULT")) || !CheckFile(QStringLiteral("Errors")))
        return false;
    if (!ensureFromTemplate(QStringLiteral("phonelst"), QStringLiteral("Dphonelst")))
        return false;
    if (!ensureFromTemplate(QStringLiteral("modem"), QStringLiteral("Dmodem")))
        return false;
    for (const QString &report : reportSet())
        if (!CheckFile(report))
            return false;
    return CheckFile(m_context.state.variant.HelpFileName);
}

#include "shell/HelpCommands.h"

#include "core/AppContext.h"
#include "core/BusyRules.h"
#include "core/MainWindowHost.h"
#include "shell/ModalCommands.h"
#include "shell/frmAbout.h"
#include "shell/frmDebug.h"
#include "shell/frmHelp.h"
#include "ui/WindowUtil.h"

#include <QFileInfo>

HelpCommands::HelpCommands(AppContext &context, MainWindowHost &host, ModalCommands &modal, QWidget &mainWindow)
    : m_context(context), m_host(host), m_modal(modal), m_mainWindow(mainWindow)
{
}

void HelpCommands::logError(int number, const QString &description)
{
    m_context.log.LogError(number, description, QStringLiteral("frmMenu"), QStringLiteral("frmMenu"),
                           QStringLiteral("mnuHelp"));
}

void HelpCommands::mnuHelpContents_Click()
{
    if (BusyRules::helpBusy(m_host, m_context.state.variant.ProductTitle))
        return;
    const QString name = m_context.state.variant.HelpFileName;
    const QString path = FileOps::resolve(m_context.paths.appDir() + QLatin1Char('/') + name);
    if (!QFileInfo(path).isFile()) {
        logError(ErrNo::FileNotFound, QStringLiteral("Help file ") + name + QStringLiteral(" not found"));
        return;
    }
    if (!m_helpWindow) {
        m_helpWindow = new frmHelp(&m_mainWindow);
        CenterScreen(m_helpWindow);
    }
    auto *help = static_cast<frmHelp *>(m_helpWindow.data());
    help->setWindowTitle(m_context.state.variant.ProductTitle + QStringLiteral(" - Help"));
    if (!help->showFile(path, name.right(3).toUpper() == QLatin1String("CHM")))
        logError(ErrNo::PathFileAccessError, QStringLiteral("Cannot read help file ") + name);
    help->show();
    help->raise();
    help->activateWindow();
}

void HelpCommands::mnuHelpAbout_Click()
{
    if (BusyRules::helpBusy(m_host, m_context.state.variant.ProductTitle))
        return;
    m_host.DisableAllRootMenus();
    // A fuller about box (with the controller's revisions) may be registered.
    if (!m_modal.showModal(QStringLiteral("frmAbout"))) {
        frmAbout about(m_context, &m_mainWindow);
        about.exec();
    }
    m_host.InableAllRootMenus();
}

void HelpCommands::mnuDebug_Click()
{
    frmDebug debug(m_context, &m_mainWindow);
    debug.exec();
}

void HelpCommands::closeHelp()
{
    if (m_helpWindow)
        m_helpWindow->close();
}

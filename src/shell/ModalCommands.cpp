#include "shell/ModalCommands.h"

#include "core/AppContext.h"
#include "core/BusyRules.h"
#include "core/MainWindowHost.h"
#include "shell/ChildWindows.h"
#include "shell/frmSwitchBoard.h"
#include "ui/WindowRegistry.h"

#include <QDialog>
#include <QEventLoop>
#include <QWidget>

ModalCommands::ModalCommands(AppContext &context, const WindowRegistry &windows, ChildWindows &children,
                             MainWindowHost &host, QWidget &mainWindow)
    : m_context(context), m_windows(windows), m_children(children), m_host(host), m_mainWindow(mainWindow)
{
}

void ModalCommands::setCommand(const QString &menuName, std::function<void()> handler)
{
    m_commands.insert(menuName, std::move(handler));
}

bool ModalCommands::runInstalled(const QString &menuName)
{
    const auto it = m_commands.constFind(menuName);
    if (it == m_commands.constEnd() || !*it)
        return false;
    (*it)();
    return true;
}

void ModalCommands::runCommand(const QString &menuName)
{
    if (runInstalled(menuName))
        return;
    // Without a handler, a command that only shows its window does so.
    static const QHash<QString, QString> windows = {
        {QStringLiteral("mnuDate"), QStringLiteral("frmDate")},
        {QStringLiteral("mnuComPort"), QStringLiteral("frmComPort")},
        {QStringLiteral("mnuRemoteModem"), QStringLiteral("frmRemoteModem")}};
    if (windows.contains(menuName) && m_windows.has(windows.value(menuName)))
        showModal(windows.value(menuName));
}

bool ModalCommands::showModal(const QString &windowName)
{
    if (!m_windows.has(windowName))
        return false;
    QWidget *w = m_windows.create(windowName, m_context, &m_mainWindow, 0);
    if (!w) {
        m_context.log.LogError(ErrNo::ObjectRequired, windowName + QStringLiteral(" could not be created"),
                               QStringLiteral("frmMenu"), QStringLiteral("frmMenu"), QStringLiteral("Load"));
        return false;
    }
    if (auto *dialog = qobject_cast<QDialog *>(w)) {
        dialog->setWindowModality(Qt::ApplicationModal);
        dialog->exec();
        delete dialog;
        return true;
    }
    w->setWindowFlag(Qt::Window);
    w->setWindowModality(Qt::ApplicationModal);
    w->setAttribute(Qt::WA_DeleteOnClose);
    QEventLoop loop;
    QObject::connect(w, &QObject::destroyed, &loop, &QEventLoop::quit);
    w->show();
    loop.exec();
    return true;
}

void ModalCommands::mnuConfig_Click(const std::function<void()> &afterConfiguration)
{
    const QList<QWidget *> windows = m_children.loaded();
    const bool onlySwitchBoard = windows.size() == 2 && windows[1]->windowTitle() == frmSwitchBoard::kCaption;
    if (windows.size() > 1 && !onlySwitchBoard) {
        if (BusyRules::editorsBusy(m_host, m_context.state.variant.ProductTitle))
            return;
        // A window that cannot say whether it holds changes is asked about.
        const bool changes = m_children.anyUncommittedChanges(true);
        const QString text =
            QStringLiteral("Cannot open the System Configuration window until all open windows are closed.\r\n"
                           "(Changing the configuration affects available programming options.)\r\n\r\n") +
            (changes ? QStringLiteral("You will be asked to accept or reject changes to open windows.  Continue?")
                     : QStringLiteral("Continue?"));
        if (m_context.prompter.ask(text, m_context.state.variant.ProductTitle, Prompter::YesNo,
                                   Prompter::Exclamation) != Prompter::AnswerYes)
            return;
    }
    if (!m_host.SaveOpenForms(QStringLiteral("System Configuration")))
        return;
    showModal(QStringLiteral("frmConfig"));
    if (afterConfiguration)
        afterConfiguration();
    m_mainWindow.raise();
    m_mainWindow.activateWindow();
}

void ModalCommands::mnuPrint_Click()
{
    if (BusyRules::saveBusy(m_host) || !m_host.SaveOpenForms(QStringLiteral("Print")))
        return;
    showModal(QStringLiteral("frmPrint"));
}

void ModalCommands::mnuComPort_Click(bool modemLinked)
{
    if (runInstalled(QStringLiteral("mnuComPort")) || BusyRules::saveBusy(m_host))
        return;
    if (modemLinked) {
        m_context.prompter.message(QStringLiteral("You have to Release Modem before proceeding."),
                                   QStringLiteral("Remote Modem Connection"));
        return;
    }
    showModal(QStringLiteral("frmComPort"));
}

#include "shell/TransferWindows.h"

#include "core/AppContext.h"
#include "shell/frmMsgWait.h"
#include "shell/frmMyMsgBox.h"

#include <QMenu>
#include <QWidget>
#include <QWindow>

TransferWindows::TransferWindows(AppContext &context, QWidget *mainWindow, std::function<void()> closeLog)
    : m_context(context), m_main(mainWindow), m_closeLog(std::move(closeLog))
{
}

TransferWindows::~TransferWindows()
{
    delete m_progress;
}

void TransferWindows::showProgress()
{
    if (!m_progress) {
        // A window of its own rather than a child of the main window, so that
        // disabling the main window during the transfer leaves it readable; it
        // is tied to the main window so it stays above it. A new window for each
        // command places it last among the loaded windows, as the busy rules expect.
        m_progress = new frmMsgWait(m_context.state.variant.ProductTitle);
        m_progress->setAttribute(Qt::WA_DeleteOnClose);
        m_progress->winId();
        if (m_main && m_main->windowHandle())
            m_progress->windowHandle()->setTransientParent(m_main->windowHandle());
    }
    m_progress->show();
    m_progress->raise();
    m_progress->activateWindow();
}

void TransferWindows::closeProgress()
{
    // Closing deletes the window later; the next command gets a new one.
    if (m_progress)
        m_progress->close();
    m_progress = nullptr;
}

void TransferWindows::setMainWindowEnabled(bool enabled)
{
    if (!enabled)
        m_transferAttempted = true;
    if (!m_main)
        return;
    // A menu widget enables its own menu-bar item whenever it is enabled again,
    // which would enable menus that are meant to stay disabled (Schedules with
    // no configuration open): their states are kept and put back.
    if (!enabled && m_main->isEnabled()) {
        m_menuStates.clear();
        for (QMenu *menu : m_main->findChildren<QMenu *>())
            m_menuStates.append({menu, menu->menuAction()->isEnabled()});
    }
    m_main->setEnabled(enabled);
    if (enabled) {
        for (const auto &[menu, wasEnabled] : std::as_const(m_menuStates))
            if (menu)
                menu->menuAction()->setEnabled(wasEnabled);
        m_menuStates.clear();
    }
}

void TransferWindows::showExceptions(const QString &text, const QString &logFileName)
{
    auto *box = new frmMyMsgBox(m_context, m_closeLog, m_main);
    box->setMsg(text, logFileName);
    box->show();
}

void TransferWindows::WhatToDisplay(const QString &sLabel, const QString &sText, int iPercent)
{
    if (m_progress)
        m_progress->WhatToDisplay(sLabel, sText, iPercent);
}

void TransferWindows::SetModemComm()
{
    if (m_progress)
        m_progress->SetModemComm();
}

void TransferWindows::SetModemRelease()
{
    if (m_progress)
        m_progress->SetModemRelease();
}

void TransferWindows::ChangeCaption(const QString &newCaption)
{
    if (m_progress)
        m_progress->ChangeCaption(newCaption);
}

#pragma once

#include "core/ProgressSink.h"
#include "link/transfer/TransferScreen.h"
#include "shell/frmMsgWait.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>
#include <utility>

class QMenu;
class QWidget;
struct AppContext;

// The windows the Send and Receive commands (and the about box) use in the
// tool: a new progress window frmMsgWait for each command, kept in front of
// the main window; the main window's enabled state; and the exceptions window
// frmMyMsgBox. Lives on the user-interface thread; linkSink() may be called
// from the link thread.
class TransferWindows : public QObject, public TransferScreen, private ProgressSink {
    Q_OBJECT
public:
    // closeLog closes the communications log for the exceptions window's View Log.
    TransferWindows(AppContext &context, QWidget *mainWindow, std::function<void()> closeLog = {});
    ~TransferWindows() override;

    // TransferScreen
    void showProgress() override;
    void closeProgress() override;
    ProgressSink &sink() override { return *this; }
    ProgressSink &linkSink() override { return m_queued; }
    void setMainWindowEnabled(bool enabled) override;
    void showExceptions(const QString &text, const QString &logFileName) override;

    // The progress window while it is shown, else nullptr.
    frmMsgWait *progressWindow() const { return m_progress; }
    // Whether the main window was disabled for a transfer since the last
    // clearTransferMark(): the command got as far as opening the port.
    bool transferAttempted() const { return m_transferAttempted; }
    void clearTransferMark() { m_transferAttempted = false; }

private:
    // ProgressSink: forwarded to the progress window of the moment, if any.
    void WhatToDisplay(const QString &sLabel, const QString &sText, int iPercent) override;
    void SetModemComm() override;
    void SetModemRelease() override;
    void ChangeCaption(const QString &newCaption) override;

    AppContext &m_context;
    QPointer<QWidget> m_main;
    std::function<void()> m_closeLog;
    QPointer<frmMsgWait> m_progress;
    QueuedProgressSink m_queued{*this, this};
    QList<std::pair<QPointer<QMenu>, bool>> m_menuStates;
    bool m_transferAttempted = false;
};

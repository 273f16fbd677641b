#pragma once

#include "link/LinkThread.h"
#include "link/ModComm.h"
#include "link/datetime/DateTimeCommand.h"
#include "link/datetime/DateTimeEngine.h"
#include "link/datetime/DateTimeScreen.h"
#include "link/transfer/TransferCommands.h"
#include "link/transfer/TransferEngine.h"
#include "platform/serial/PortMap.h"
#include "platform/serial/QtSerialPort.h"
#include "shell/TransferWindows.h"

#include <QObject>

#include <functional>

class WindowRegistry;
class frmMenu;
struct AppContext;

// The tool's serial link and the commands that use it: one port, owned and
// used by the link thread, the Send and Receive commands with their windows,
// the about box with the controller's revisions, and closing the link at
// shut-down. Every exchange runs on the link thread through LinkThread::call,
// so the user-interface thread never waits on the port.
// The Date/Time command's progress window: the transfer windows' progress
// window in its single-message layout.
class DateTimeProgress : public DateTimeScreen {
public:
    explicit DateTimeProgress(TransferWindows &windows) : m_windows(windows) {}
    void showProgress(const QString &caption, const QString &line) override;
    void closeProgress() override { m_windows.closeProgress(); }

private:
    TransferWindows &m_windows;
};

class ToolLink : public QObject {
    Q_OBJECT
public:
    struct Options {
        QString device;                   // a device path used whatever the port number ("" for none)
        int port = 0;                     // a port number whose device is used for this run (0 for the settings')
        std::function<void()> updateData; // post-processing of data received from an older controller
    };

    ToolLink(AppContext &context, frmMenu &menu, WindowRegistry &windows, FileCommands *files, Options options);
    ~ToolLink() override;

    void mnuSend_Click() { runTransfer(true); }
    void mnuRx_Click() { runTransfer(false); }
    void mnuDate_Click();

    TransferWindows &windows() { return m_windows; }
    TransferCommands &commands() { return m_commands; }
    DateTimeCommand &dateTimeCommand() { return m_dateTime; }
    LinkThread &linkThread() { return m_link; }
    // The device the link opens for the current port number.
    QString devicePath() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TransferCommands::Hooks hooks(frmMenu &menu, FileCommands *files, std::function<void()> updateData);
    void runTransfer(bool send);
    QWidget *createAbout(AppContext &context, QWidget *parent);
    void showDateDialog(DateTimeSession &session);

    AppContext &m_context;
    frmMenu &m_menu;
    QtSerialPort m_port;
    PortMap m_ports;
    ModComm m_comm;
    TransferEngine m_engine;
    TransferWindows m_windows;
    TransferCommands m_commands;
    WindowRegistry &m_registry;
    DateTimeEngine m_dateEngine;
    DateTimeProgress m_dateProgress;
    DateTimeCommand m_dateTime;
    bool m_busy = false;
    // Last, so it is the first to go: its queued jobs (the last Exit_Comm) run
    // while the port and the link still exist.
    LinkThread m_link;
};

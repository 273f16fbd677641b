#pragma once

#include "link/LinkThread.h"
#include "link/ModComm.h"
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

    TransferWindows &windows() { return m_windows; }
    TransferCommands &commands() { return m_commands; }
    LinkThread &linkThread() { return m_link; }
    // The device the link opens for the current port number.
    QString devicePath() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TransferCommands::Hooks hooks(frmMenu &menu, FileCommands *files, std::function<void()> updateData);
    void runTransfer(bool send);
    QWidget *createAbout(AppContext &context, QWidget *parent);

    AppContext &m_context;
    frmMenu &m_menu;
    QtSerialPort m_port;
    PortMap m_ports;
    ModComm m_comm;
    TransferEngine m_engine;
    TransferWindows m_windows;
    TransferCommands m_commands;
    bool m_busy = false;
    // Last, so it is the first to go: its queued jobs (the last Exit_Comm) run
    // while the port and the link still exist.
    LinkThread m_link;
};

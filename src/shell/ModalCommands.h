#pragma once

#include <QHash>
#include <QString>

#include <functional>

class ChildWindows;
class MainWindowHost;
class QWidget;
class WindowRegistry;
struct AppContext;

// The commands that show a modal window over the main window: Configuration,
// Print, Port selection, and the commands other parts of the tool install
// (Send, Receive, Date/Time, the modem commands). A command without an
// installed handler shows its registered window, if any.
class ModalCommands {
public:
    ModalCommands(AppContext &context, const WindowRegistry &windows, ChildWindows &children, MainWindowHost &host,
                  QWidget &mainWindow);

    void setCommand(const QString &menuName, std::function<void()> handler);
    void runCommand(const QString &menuName);
    // Shows a registered window modally; false when none is registered or it
    // could not be made.
    bool showModal(const QString &windowName);

    // Closes every other window first (asking about their changes); afterwards
    // afterConfiguration runs (the switchboard follows the new configuration).
    void mnuConfig_Click(const std::function<void()> &afterConfiguration);
    void mnuPrint_Click();
    // modemLinked: a modem link is up, which must be released first.
    void mnuComPort_Click(bool modemLinked);

private:
    bool runInstalled(const QString &menuName);

    AppContext &m_context;
    const WindowRegistry &m_windows;
    ChildWindows &m_children;
    MainWindowHost &m_host;
    QWidget &m_mainWindow;
    QHash<QString, std::function<void()>> m_commands;
};

#pragma once

#include <QPointer>

class MainWindowHost;
class ModalCommands;
class QWidget;
struct AppContext;

// The Help menu: the help viewer on the variant's help file, the about box and
// the debug window. Contents and About do nothing while a transfer runs.
class HelpCommands {
public:
    HelpCommands(AppContext &context, MainWindowHost &host, ModalCommands &modal, QWidget &mainWindow);

    void mnuHelpContents_Click();
    void mnuHelpAbout_Click();
    void mnuDebug_Click();
    // Closes the help viewer, if open.
    void closeHelp();

private:
    void logError(int number, const QString &description);

    AppContext &m_context;
    MainWindowHost &m_host;
    ModalCommands &m_modal;
    QWidget &m_mainWindow;
    QPointer<QWidget> m_helpWindow;
};

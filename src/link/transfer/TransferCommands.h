#pragma once

#include "link/transfer/TransferEngine.h"

#include <QString>

#include <functional>

class FileCommands;
class MainWindowHost;
class TransferScreen;
struct AppContext;

// The main window's Send and Receive commands. They run on the user-interface
// thread (or the command line's thread); the exchanges with the controller run
// through runOnLink, so the command reads in order while windows repaint.
class TransferCommands {
public:
    struct Hooks {
        MainWindowHost *host = nullptr;   // none on the command line
        FileCommands *files = nullptr;    // File > Open when nothing is open
        std::function<void()> updateData; // post-processing of data from an older controller
        // Runs a job where the link lives; by default, right here.
        std::function<void(const std::function<void()> &)> runOnLink;
        // The pause before a transfer, in seconds; by default Utility::Sleep.
        std::function<void(int)> pause;
    };

    TransferCommands(AppContext &context, TransferEngine &engine, TransferScreen &screen, Hooks hooks);

    void mnuSend_Click();
    void mnuRx_Click();

    // The last command ended with its completion message.
    bool succeeded() const { return m_succeeded; }
    // The last Send was refused by the value check: nothing was sent.
    bool refused() const { return m_refused; }
    // What the link reported for the last command's transfer; empty when it
    // stopped before the transfer.
    const TransferEngine::Outcome &lastOutcome() const { return m_lastOutcome; }

private:
    // Runs the value check on the working database; false (after showing the
    // problems) when the configuration cannot be sent.
    bool valuesAllowed();
    void Send_Data();
    void Receive_Data(const QString &revision);
    bool modemDialling() const;
    void enableMenus();
    void setBusy(bool busy);
    void link(const std::function<void()> &job);
    QString modelName() const;
    QString title() const;

    AppContext &m_context;
    TransferEngine &m_engine;
    TransferScreen &m_screen;
    Hooks m_hooks;
    bool m_succeeded = false;
    bool m_refused = false;
    TransferEngine::Outcome m_lastOutcome;
};

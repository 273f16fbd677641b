#pragma once

#include "core/AppContext.h"
#include "link/ModComm.h"
#include "platform/Registry.h"
#include "platform/ScriptedPrompter.h"
#include "platform/serial/PortMap.h"
#include "platform/serial/QtSerialPort.h"

#include <QTextStream>

#include <memory>

class StartUp;

// What every command works with: the application folder (seeded from the
// templates on first use) set up by the tool's own start-up steps without
// windows (settings, errors database, variant, single-instance lock), its
// error log and shared state, a prompter that never waits on the terminal (it
// prints each prompt and gives the cautious answer), and the serial link on
// the chosen port or device.
class CliSession {
public:
    struct Options {
        QString appDir;
        QString device; // wins over port
        int port = 0;   // 0: the settings file's "Com Port"
        bool trace = false;
        // The controller gets a second between the revision exchange and the
        // transfer; a simulator does not need it.
        bool pause = true;
    };

    explicit CliSession(const Options &options);
    ~CliSession();

    // False when the application folder cannot be prepared or is in use by
    // another instance; the reason is in error, or was printed when error is "".
    bool prepare(QString *error);

    AppContext &context() { return *m_context; }
    ModComm &comm() { return *m_comm; }
    ScriptedPrompter &prompter() { return m_prompter; }
    const Options &options() const { return m_options; }
    QTextStream &out() { return m_out; }
    QTextStream &err() { return m_err; }

    // Prompts are printed as they come: messages that report a problem
    // (exclamation or critical icon) on standard error, the rest and every
    // question with its answer on standard output; everything on standard
    // error once a command's standard output carries data.
    void setPromptsToStandardError(bool all) { m_promptsToError = all; }

private:
    void echo(const ScriptedPrompter::Prompt &prompt, Prompter::Answer answer);

    Options m_options;
    ScriptedPrompter m_prompter;
    QtRegistry m_registry;
    QtSerialPort m_port;
    PortMap m_ports;
    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<StartUp> m_startUp;
    std::unique_ptr<ModComm> m_comm;
    QTextStream m_out;
    QTextStream m_err;
    bool m_promptsToError = false;
};

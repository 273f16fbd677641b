#pragma once

#include "link/LinkState.h"
#include "link/Revisions.h"
#include "link/TraceFiles.h"

#include <QByteArray>

#include <chrono>
#include <optional>

class AppPaths;
class Clock;
class ErrorLog;
class PortMap;
class SerialPort;
struct AppState;

// The serial link with the controller: opening the port, raw character I/O with
// its time-out, framing, the ACK/NAK handshake with five attempts, validation
// of received messages, the revision exchange and the transfer traces.
// Synchronous: each call returns when its exchange is over, so it runs on the
// link thread (or the command line's only thread), never on the UI thread.
// Nothing is raised to the caller; failures are logged and returned as values.
class ModComm {
public:
    static constexpr auto kCharTimeout = std::chrono::milliseconds(500);
    static constexpr int kSendAttempts = 5;
    static constexpr int kReceiveTries = 5;
    static constexpr qsizetype kReceivedLineCut = 50;
    // A line without CR ends after this many characters, so a far end that
    // streams without ever ending a line cannot hold the link forever.
    static constexpr qsizetype kLongestLine = 4096;

    ModComm(SerialPort &port, const PortMap &ports, AppState &state, ErrorLog &log, const AppPaths &paths,
            const Clock &clock);

    bool Init_Comm(int handshaking);
    void Exit_Comm();
    void MyPutStr(const QByteArray &text);
    QByteArray MyGet1Char();
    QByteArray MyGetString();
    QByteArray Compute_Checksum(const QByteArray &body);
    bool Send_Msg(const QByteArray &body);
    bool Receive_Msg(bool checkRev);
    bool Valid_message();
    bool NewHWnOldSW();
    // Logs a line event of the port.
    void MSCom_OnComm(int event);

    // Asks the controller for its revisions and fills revisions(). Does nothing
    // while a modem is being dialled (the caller knows: it owns the windows).
    void GetRevs(bool modemDialling = false);
    const Revisions &revisions() const { return m_revs; }
    // The revision that decides a transfer's revision questions (after GetRevs).
    std::optional<QString> controllerRevision() const { return ControllerRevision(m_link, m_revs); }

    LinkState &link() { return m_link; }
    const LinkState &link() const { return m_link; }
    TraceFiles &files() { return m_files; }
    SerialPort &port() { return m_port; }
    const PortMap &ports() const { return m_ports; }
    // Why the last Init_Comm could not open the port ("" when it could).
    QString openFailure() const;

private:
    void trace(const QByteArray &text, const char *procedure = "Mygetstring");
    void logFailure(int number, const QString &procedure);
    // True while the port is usable; notes (once) a device that went away
    // since Init_Comm opened it.
    bool portUsable();

    SerialPort &m_port;
    const PortMap &m_ports;
    AppState &m_state;
    ErrorLog &m_log;
    const Clock &m_clock;
    TraceFiles m_files;
    LinkState m_link;
    Revisions m_revs;
    // Init_Comm opened the port and Exit_Comm has not closed it since.
    bool m_opened = false;
};

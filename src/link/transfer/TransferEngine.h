#pragma once

#include "link/records/TransferLink.h"

#include <QString>
#include <QStringList>

#include <optional>

class AppPaths;
class ErrorLog;
class ModComm;
class ProgressSink;
class RecordReaders;
struct AppState;

// The part of the Send and Receive commands that talks to the controller. Runs
// on the link thread (or the command line's only thread); every message to the
// user is left to the caller, which gets the outcome.
class TransferEngine {
public:
    TransferEngine(ModComm &comm, AppState &state, ErrorLog &log, const AppPaths &paths);

    // Creates the communications log anew and reads the controller's
    // revisions. The revision that decides the questions, or nothing when the
    // controller did not answer.
    std::optional<QString> prepare(bool modemDialling = false);

    struct Outcome {
        bool portOpened = false;
        // The sequence reached its end message. For a send this alone does not
        // mean the controller holds the programming: see delivered.
        bool AllDone = false;
        bool ExceptionsOccurred = false;
        // Send: every record was built and acknowledged. Receive: as AllDone.
        bool delivered = false;
        QStringList refused; // records the controller refused, in order
        QString lostDevice;  // the device went away during the transfer
        QString openFailure; // why the port could not be opened, when it was not
        // Receive: what the received configuration says; the caller stores it
        // in the application state on its own thread. The clock board is only
        // known when its message came.
        int ExpansionBoards = 0;
        std::optional<bool> ClockBoard;
    };

    // Sends S and every record in the fixed order. The working database is
    // read for the duration of the transfer.
    Outcome Send_Data(ProgressSink *progress);
    // Sends R and stores every received record in the working database until
    // the end message A. revision decides the revision-conflict rule. The
    // application state is not written: the boards and the clock board come
    // back in the outcome.
    Outcome Receive_Data(const QString &revision, ProgressSink *progress);

    // Dispatches the validated body of a received message to its reader.
    void Process_Msg(RecordReaders &readers, const QByteArray &body, ProgressSink *progress);

    const TransferFlags &flags() const { return m_flags; }
    int ClidCount = 0;

private:
    ModComm &m_comm;
    AppState &m_state;
    ErrorLog &m_log;
    const AppPaths &m_paths;
    TransferFlags m_flags;
};

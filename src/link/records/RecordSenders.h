#pragma once

#include <QString>

class Database;
class ErrorLog;
class TransferLink;
class TransferProgress;
struct AppState;
struct TransferFlags;

// The senders of the Send Data sequence: each reads its table of the working
// database, builds its bodies and sends them through the link. A message that
// is not acknowledged sets AbortSession (except for the clock and the tone page
// groups, whose answer is ignored); a failure is written to the communications
// log and the error log, and sets ExceptionsOccurred.
class RecordSenders {
public:
    RecordSenders(Database &db, AppState &state, TransferLink &link, ErrorLog &log, TransferFlags &flags,
                  TransferProgress *progress = nullptr);

    void SendSched();        // W, seven weekdays
    void SendEvents();       // E, every event by schedule and start time
    void SendClock();        // I
    void SendCT();           // K, time-tone page groups
    void SendEmer();         // N, emergency page groups
    void SendClid();         // C, every station
    void SendGroups();       // G, the custom page groups
    void SendClassService(); // P
    void SendDip();          // D
    void SendBGM();          // M
    void SendConfig();       // X
    void SendAllDone();      // A

private:
    // Sends one body; false when it was not acknowledged.
    bool send(const QString &body);
    void failed(int number, const QString &procedure, const QString &text, const QString &body);
    void sendTonePageGroups(QChar type, const QString &table, const QString &procedure, const QString &text);

    Database &m_db;
    AppState &m_state;
    TransferLink &m_link;
    ErrorLog &m_log;
    TransferFlags &m_flags;
    TransferProgress *m_progress = nullptr;
};

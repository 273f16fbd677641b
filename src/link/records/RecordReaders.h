#pragma once

#include <QString>

class ErrorLog;
class ReceiveTables;
class TransferLink;
struct AppState;

// The readers of the Receive Data sequence: each parses one validated body and
// writes it through the record sets the receive keeps open. A reader failure is
// written to the communications log and the error log and sets
// ExceptionsOccurred; the row being changed is then not saved and the receive
// goes on with the next message.
class RecordReaders {
public:
    RecordReaders(ReceiveTables &tables, AppState &state, TransferLink &link, ErrorLog &log);

    void ReadSched(const QString &body);        // W
    void ReadEvent(const QString &body);        // E
    void REadClock(const QString &body);        // I
    void ReadCT(const QString &body);           // K
    void ReadEmer(const QString &body);         // N
    void ReadClid(const QString &body);         // C
    void ReadGroup(const QString &body);        // G
    void ReadClassService(const QString &body); // P
    void ReadDip(const QString &body);          // D
    void ReadBGM(const QString &body);          // M
    void ReadConfig(const QString &body);       // X

    // A clock message was stored, so the state's ClockBoard is the controller's.
    bool clockReceived() const { return m_clockReceived; }

    // How a reader names itself in its failure lines.
    struct Reader {
        QString procedure;
        QString text;
        bool describesError = false; // the line carries the description, not the number
    };

private:
    void failed(const Reader &reader, int number, const QString &body, const QString &description = {});
    void readTonePageGroups(const Reader &reader, int table, const QString &body);

    ReceiveTables &m_tables;
    AppState &m_state;
    TransferLink &m_link;
    ErrorLog &m_log;
    bool m_clockReceived = false;
};

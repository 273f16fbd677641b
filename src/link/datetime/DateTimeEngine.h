#pragma once

#include "link/datetime/DateTimeMessages.h"

#include <QByteArray>

#include <optional>

class Clock;
class ModComm;

// The date, time and daylight-saving exchanges with the controller. Runs on
// the link thread (or the command line's only thread); shows nothing: the
// Date/Time command decides what the user sees.
class DateTimeEngine {
public:
    DateTimeEngine(ModComm &comm, const Clock &clock);

    // Opens the port without handshaking; false when it cannot be opened.
    bool openPort();
    // Starts a new communications log with its date line.
    void startLog();
    void closeLog();

    // The Z/U exchange. A controller that does not acknowledge Z or does not
    // answer leaves both flags clear.
    DateTimeMessages::Daylight Receive_Daylight_Savings();

    struct Reading {
        bool queryAccepted = false; // the controller acknowledged Q
        bool replied = false;       // and answered with a T message
        QByteArray body;            // that T body
        bool valid = false;         // holding a possible date and time
    };
    // The Q/T exchange; a received reply is checked with ValidDataTime.
    Reading queryDateTime();

    // Writes the reply's check to the communications log and returns it.
    bool ValidDataTime(const QByteArray &body);
    // Sets the controller from the PC's clock; the answer is not examined.
    void SendCurrentDateTime();
    // Sets the daylight-saving adjustment; true when acknowledged.
    bool SendDayLight(bool on, bool supported);
    // Sends a T body; true when acknowledged.
    bool SendDateTime(const QByteArray &body);

    bool exceptionsOccurred() const;

private:
    ModComm &m_comm;
    const Clock &m_clock;
};

#pragma once

#include <QByteArray>
#include <QDateTime>

#include <functional>

class SimCore;

// The controller's own clock and daylight-saving setting. Z is answered with
// U (adjustment flag, support flag), Q with T (its date and time); U and T
// from the tool set them. A controller without daylight-saving support
// answers U?0 and ignores U. One whose clock was lost reports an impossible
// date (month 13) until it is set.
class SimDateTime {
public:
    using Now = std::function<QDateTime()>;

    explicit SimDateTime(Now now = [] { return QDateTime::currentDateTime(); });

    void setDaylightSupported(bool on) { m_supported = on; }
    void setDaylightEnabled(bool on) { m_enabled = on; }
    void setClockLost(bool lost) { m_lost = lost; }
    // Sets the clock so that it shows this moment now.
    void setClock(const QDateTime &moment);

    QDateTime clock() const;
    bool daylightEnabled() const { return m_enabled; }
    bool clockLost() const { return m_lost; }

    QByteArray daylightReply() const;
    QByteArray dateTimeReply() const;
    // Takes a T body from the tool; false (and nothing changed) for an impossible one.
    bool setFromBody(const QByteArray &body);

    // Registers the Z, Q, U and T handlers.
    void attach(SimCore &core);

private:
    Now m_now;
    qint64 m_offsetSeconds = 0;
    bool m_supported = true;
    bool m_enabled = true;
    bool m_lost = false;
};

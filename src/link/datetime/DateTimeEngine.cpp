#include "link/datetime/DateTimeEngine.h"

#include "link/ModComm.h"
#include "platform/Clock.h"
#include "platform/serial/SerialPort.h"

DateTimeEngine::DateTimeEngine(ModComm &comm, const Clock &clock) : m_comm(comm), m_clock(clock)
{
}

bool DateTimeEngine::openPort()
{
    return m_comm.Init_Comm(SerialPort::HandshakeNone);
}

void DateTimeEngine::startLog()
{
    m_comm.files().closeCommLog();
    m_comm.files().createCommLog();
}

void DateTimeEngine::closeLog()
{
    m_comm.files().closeCommLog();
}

DateTimeMessages::Daylight DateTimeEngine::Receive_Daylight_Savings()
{
    LinkState &link = m_comm.link();
    link.MsgBuffer = DateTimeMessages::kDaylightQuery;
    if (!m_comm.Send_Msg(link.MsgBuffer))
        return {};
    link.ExceptionsOccurred = false;
    // A newer controller's longer reply is still taken as the daylight state.
    if (!m_comm.Receive_Msg(true))
        return {};
    return DateTimeMessages::Setup_Daylight(link.MsgBuffer);
}

DateTimeEngine::Reading DateTimeEngine::queryDateTime()
{
    Reading r;
    LinkState &link = m_comm.link();
    link.MsgBuffer = DateTimeMessages::kDateTimeQuery;
    r.queryAccepted = m_comm.Send_Msg(link.MsgBuffer);
    if (!r.queryAccepted)
        return r;
    r.replied = m_comm.Receive_Msg(false) && link.MsgBuffer.startsWith('T');
    if (!r.replied)
        return r;
    r.body = link.MsgBuffer;
    r.valid = ValidDataTime(r.body);
    return r;
}

bool DateTimeEngine::ValidDataTime(const QByteArray &body)
{
    m_comm.files().writeCommLog("Valid_DateTime msg_str:  " + body);
    return DateTimeMessages::holdsValidDateTime(body);
}

void DateTimeEngine::SendCurrentDateTime()
{
    m_comm.Send_Msg(DateTimeMessages::dateTimeBody(m_clock.wallNow()));
}

bool DateTimeEngine::SendDayLight(bool on, bool supported)
{
    return m_comm.Send_Msg(DateTimeMessages::daylightBody(on, supported));
}

bool DateTimeEngine::SendDateTime(const QByteArray &body)
{
    return m_comm.Send_Msg(body);
}

bool DateTimeEngine::exceptionsOccurred() const
{
    return m_comm.link().ExceptionsOccurred;
}

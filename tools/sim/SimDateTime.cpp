#include "SimDateTime.h"

#include "SimCore.h"

namespace {
QByteArray two(int n)
{
    return QByteArray::number(n).rightJustified(2, '0');
}

int field(const QByteArray &body, int pos)
{
    return body.mid(pos - 1, 2).toInt();
}
} // namespace

SimDateTime::SimDateTime(Now now) : m_now(std::move(now))
{
}

void SimDateTime::setClock(const QDateTime &moment)
{
    m_offsetSeconds = m_now().secsTo(moment);
    m_lost = false;
}

QDateTime SimDateTime::clock() const
{
    return m_now().addSecs(m_offsetSeconds);
}

QByteArray SimDateTime::daylightReply() const
{
    return QByteArray("U") + (m_supported && m_enabled ? '1' : '0') + (m_supported ? '1' : '0');
}

QByteArray SimDateTime::dateTimeReply() const
{
    const QDateTime c = clock();
    const QTime t = c.time();
    const QDate d = c.date();
    return "T" + two(t.hour()) + two(t.minute()) + two(t.second()) + (m_lost ? QByteArray("13") : two(d.month())) +
           two(d.day()) + two(d.year() % 100);
}

bool SimDateTime::setFromBody(const QByteArray &body)
{
    if (body.size() != 13)
        return false;
    const QDate date(2000 + field(body, 12), field(body, 8), field(body, 10));
    const QTime time(field(body, 2), field(body, 4), field(body, 6));
    if (!date.isValid() || !time.isValid())
        return false;
    setClock(QDateTime(date, time));
    return true;
}

void SimDateTime::attach(SimCore &core)
{
    core.registerHandler('Z', [this](SimCore &sim, const QByteArray &) { sim.queueMessage(daylightReply()); });
    core.registerHandler('Q', [this](SimCore &sim, const QByteArray &) { sim.queueMessage(dateTimeReply()); });
    core.registerHandler('T', [this](SimCore &, const QByteArray &body) { setFromBody(body); });
    core.registerHandler('U', [this](SimCore &, const QByteArray &body) {
        if (m_supported && body.size() == 3)
            m_enabled = body.at(1) == '1';
    });
}

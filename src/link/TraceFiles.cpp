#include "link/TraceFiles.h"

#include "core/AppPaths.h"
#include "platform/Clock.h"

TraceFiles::TraceFiles(const AppPaths &paths, const Clock &clock)
    : m_txPath(paths.TxTracePath()), m_rxPath(paths.RxTracePath()), m_logPath(paths.CommLogPath()), m_clock(clock)
{
}

QString TraceFiles::commLogPath() const
{
    return m_logPath;
}

bool TraceFiles::create(QFile &file, const QString &path)
{
    file.close();
    file.setFileName(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QString stamp = m_clock.wallNow().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    writeLine(file, "Date - Time - " + stamp.toLatin1());
    return true;
}

bool TraceFiles::createTransmit()
{
    return create(m_data, m_txPath);
}

bool TraceFiles::createReceive()
{
    return create(m_data, m_rxPath);
}

bool TraceFiles::createCommLog()
{
    return create(m_commLog, m_logPath);
}

void TraceFiles::closeData()
{
    m_data.close();
}

void TraceFiles::closeCommLog()
{
    m_commLog.close();
}

void TraceFiles::writeLine(QFile &file, const QByteArray &line)
{
    if (!file.isOpen())
        return;
    file.write(line + "\r\n");
    file.flush();
}

void TraceFiles::writeData(const QByteArray &line)
{
    writeLine(m_data, line);
}

void TraceFiles::writeCommLog(const QByteArray &line)
{
    writeLine(m_commLog, line);
}

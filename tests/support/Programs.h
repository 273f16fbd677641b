#pragma once

#include "TempAppFolder.h"

#include <QProcess>
#include <QStringList>

// linnet-sim on a new pseudo-terminal; stopped when the object goes.
class SimProcess {
public:
    explicit SimProcess(const QStringList &args = {})
    {
        m_process.start(TempAppFolder::binDir() + QStringLiteral("/linnet-sim"), args);
        if (m_process.waitForStarted(5000) && m_process.waitForReadyRead(5000)) {
            const QString line = QString::fromLatin1(m_process.readLine()).trimmed();
            if (line.startsWith(QLatin1String("PTY ")))
                m_path = line.mid(4);
        }
    }
    ~SimProcess()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
        m_process.waitForFinished(3000);
    }
    SimProcess(const SimProcess &) = delete;
    SimProcess &operator=(const SimProcess &) = delete;

    QString path() const { return m_path; }

private:
    QProcess m_process;
    QString m_path;
};

// One run of linnet-cli: its exit status and what it printed.
struct CliRun {
    int status = -1;
    QString out;
    QString err;
};

inline CliRun runCli(const QStringList &args)
{
    QProcess cli;
    cli.start(TempAppFolder::binDir() + QStringLiteral("/linnet-cli"), args);
    cli.waitForFinished(60000);
    return {cli.exitCode(), QString::fromUtf8(cli.readAllStandardOutput()),
            QString::fromUtf8(cli.readAllStandardError())};
}

#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

class Clock;
class AppPaths;

// The transfer traces in the application folder: file 1 is tx_data.txt during a
// send or rx_data.txt during a receive, file 2 the communications log
// log_file.txt. Each is created anew with a "Date - Time - " first line; every
// line ends with CR LF and is flushed at once, so the log is complete even if
// the tool stops. Writing to a file that is not open writes nothing.
class TraceFiles {
public:
    TraceFiles(const AppPaths &paths, const Clock &clock);

    bool createTransmit();
    bool createReceive();
    bool createCommLog();
    void closeData();
    void closeCommLog();

    bool dataOpen() const { return m_data.isOpen(); }
    bool commLogOpen() const { return m_commLog.isOpen(); }

    void writeData(const QByteArray &line);
    void writeCommLog(const QByteArray &line);

    QString dataPath() const { return m_data.fileName(); }
    QString commLogPath() const;

private:
    bool create(QFile &file, const QString &path);
    static void writeLine(QFile &file, const QByteArray &line);

    QString m_txPath;
    QString m_rxPath;
    QString m_logPath;
    const Clock &m_clock;
    QFile m_data;
    QFile m_commLog;
};

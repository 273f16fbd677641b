#pragma once

#include <QMutex>
#include <QString>

class Clock;

// The error log: one row per trapped failure or trace line in table "Error" of
// the errors database. It never reports a failure to its caller; with the
// database missing or damaged nothing is recorded. Safe to call from any thread
// (the link thread logs too): each call opens its own connection under a lock.
class ErrorLog {
public:
    static constexpr int kMaxRows = 1000;
    static constexpr int kDescriptionWidth = 100;
    static constexpr int kNameWidth = 50;
    // A table locked by another program is retried this many times, then the
    // entry is dropped.
    static constexpr int kLockRetries = 3;

    explicit ErrorLog(QString errorsDbPath);
    ErrorLog(QString errorsDbPath, const Clock &clock);

    void LogError(int number, const QString &description, const QString &program, const QString &module,
                  const QString &procedure);
    // A trace line: number 0, "Not An Error" as program and module.
    void trace(const QString &text, const QString &procedure)
    {
        LogError(0, text, QStringLiteral("Not An Error"), QStringLiteral("Not An Error"), procedure);
    }

    const QString &path() const { return m_path; }

    // True when path is a sound database with the table "Error" and every
    // column the log writes. A file without it (an empty file counts as an
    // empty database) can record nothing.
    static bool usable(const QString &path);

    // The standard message of a run-time error number, used when a failure is
    // logged without a description.
    static QString standardMessage(int number);

private:
    QString m_path;
    const Clock &m_clock;
    QMutex m_mutex;
};

// Error numbers the tool uses when it logs its own failures.
namespace ErrNo {
constexpr int None = 0;
constexpr int InvalidProcedureCall = 5;
constexpr int Overflow = 6;
constexpr int SubscriptOutOfRange = 9;
constexpr int DivisionByZero = 11;
constexpr int TypeMismatch = 13;
constexpr int FileNotFound = 53;
constexpr int FileAlreadyOpen = 55;
constexpr int FileAlreadyExists = 58;
constexpr int DiskFull = 61;
constexpr int PermissionDenied = 70;
constexpr int PathFileAccessError = 75;
constexpr int PathNotFound = 76;
constexpr int ObjectRequired = 424;
constexpr int CouldNotFindTable = 3078;
constexpr int CannotOpenDatabase = 3049;
constexpr int NotADatabase = 3343;
constexpr int TableLocked = 3186;
constexpr int RowLocked = 3260;
constexpr int ItemNotFound = 3265;
constexpr int NoCurrentRecord = 3021;
constexpr int DatabaseError = 3001;
constexpr int PortOpen = 8005;
constexpr int PortNotOpen = 8012;
constexpr int DeviceNotAvailable = 8015;
} // namespace ErrNo

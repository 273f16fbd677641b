#include "core/Utility.h"

#include "core/ErrorLog.h"
#include "platform/RecordSet.h"

#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTimer>

#include <filesystem>
#include <system_error>

namespace Utility {

QString PadRight(const QString &text, int n)
{
    if (n < 0)
        return text;
    return (text + QString(n, QLatin1Char(' '))).left(n);
}

QString PadLeft(const QString &text, int n)
{
    if (n < 0)
        return text;
    return (QString(n, QLatin1Char(' ')) + text).right(n);
}

QString LeadingZeroes(const QString &text, int n)
{
    if (n < 0)
        return text;
    return (QString(n, QLatin1Char('0')) + text).right(n);
}

QString GetPathPart(const QString &path)
{
    const int slash = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return slash < 0 ? QString() : path.left(slash + 1);
}

int Allow_digits_only(int keyCode)
{
    constexpr int kBackspace = 8;
    if ((keyCode >= '0' && keyCode <= '9') || keyCode == kBackspace)
        return keyCode;
    return 0;
}

bool TableEmpty(const RecordSet &records)
{
    return !records.ok() || records.isEmpty();
}

QString GetBackUpName(const QString &file, const QString &extension)
{
    if (file.isEmpty())
        return QStringLiteral("~x.") + extension;
    // Only a "." in the file name counts: one in a folder name is not an extension.
    const int dot = file.lastIndexOf(QLatin1Char('.'));
    const int slash = std::max(file.lastIndexOf(QLatin1Char('/')), file.lastIndexOf(QLatin1Char('\\')));
    if (dot < 1 || dot < slash)
        return file + QLatin1Char('.') + extension;
    return file.left(dot + 1) + extension;
}

void Sleep(int seconds)
{
    const qint64 end = QDateTime::currentSecsSinceEpoch() + qint16(seconds);
    while (QDateTime::currentSecsSinceEpoch() < end) {
        QEventLoop loop;
        const qint64 msLeft = (end * 1000) - QDateTime::currentMSecsSinceEpoch();
        QTimer::singleShot(std::max<qint64>(1, msLeft), &loop, &QEventLoop::quit);
        loop.exec();
    }
}

} // namespace Utility

namespace {
const QString kProgram = QStringLiteral("Unknown");
const QString kModule = QStringLiteral("Utility");

// The files of a folder matching a file-name pattern without regard to case.
QStringList matching(const QString &name, bool withSideFiles)
{
    const QFileInfo info(name);
    QDir dir = info.absoluteDir();
    QString pattern = info.fileName();
    if (pattern.isEmpty() || !dir.exists())
        return {};
    QStringList patterns{pattern};
    if (withSideFiles && pattern.endsWith(QLatin1String(".*"))) {
        const QString stem = pattern.chopped(2);
        patterns << stem << stem + QStringLiteral("-journal") << stem + QStringLiteral("-wal")
                 << stem + QStringLiteral("-shm");
    }
    QStringList out;
    const QStringList entries = dir.entryList(QDir::Files, QDir::Name);
    for (const QString &entry : entries) {
        for (const QString &p : patterns) {
            const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(p),
                                        QRegularExpression::CaseInsensitiveOption);
            if (re.match(entry).hasMatch()) {
                out << dir.filePath(entry);
                break;
            }
        }
    }
    return out;
}

bool exists(const QString &path)
{
    return QFileInfo(FileOps::resolve(path)).isFile();
}
} // namespace

QString FileOps::resolve(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists())
        return path;
    const QDir dir = info.absoluteDir();
    if (!dir.exists())
        return path;
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : entries)
        if (entry.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return path;
}

bool FileOps::IsFile(const QString &name)
{
    for (const QString &f : matching(name, false))
        if (!QFileInfo(f).isHidden())
            return true;
    return false;
}

void FileOps::RemoveFile(const QString &name)
{
    const QStringList files = matching(name, true);
    if (files.isEmpty())
        return;
    for (const QString &f : files)
        QFile::remove(f);
    if (IsFile(name))
        m_log.LogError(ErrNo::PathFileAccessError, QStringLiteral("File ") + name + QStringLiteral(" did not delete."),
                       kProgram, kModule, QStringLiteral("RemoveFile"));
}

bool FileOps::fcnRemoveFile(const QString &name)
{
    constexpr int kAttempts = 5;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const QString path = resolve(name);
        if (!QFileInfo(path).isFile())
            return true;
        std::error_code ec;
        std::filesystem::remove(std::filesystem::path(path.toStdString()), ec);
        if (ec == std::errc::permission_denied || ec == std::errc::operation_not_permitted ||
            ec == std::errc::read_only_file_system)
            return false;
        if (ec)
            m_log.LogError(ErrNo::PathFileAccessError, QString::fromStdString(ec.message()), kProgram, kModule,
                           QStringLiteral("fcnRemoveFile"));
        if (!QFileInfo(path).isFile())
            return true;
    }
    return false;
}

bool FileOps::fcnCopyFile(const QString &source, const QString &target)
{
    if (!fcnRemoveFile(target))
        return false;
    const QString from = resolve(source);
    if (!QFileInfo(from).isFile())
        return false;
    QFile in(from);
    if (!in.copy(target)) {
        if (in.error() != QFileDevice::PermissionsError)
            m_log.LogError(ErrNo::PathFileAccessError, in.errorString(), kProgram, kModule,
                           QStringLiteral("fcnRemoveFile"));
    }
    // A copy of a read-only file must still be writable: it becomes a working file.
    if (exists(target))
        QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner | QFile::ReadOwner);
    return exists(target);
}

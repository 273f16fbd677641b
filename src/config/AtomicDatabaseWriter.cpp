#include "config/AtomicDatabaseWriter.h"

#include "platform/Database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString errnoText(const char *what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}

// Flushes a file or a folder to disk.
bool syncPath(const QString &path, bool folder)
{
    const int fd = ::open(QFile::encodeName(path).constData(), folder ? (O_RDONLY | O_DIRECTORY) : O_RDWR);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

// The temporary of a save of fileName: "." + fileName + "." + six characters of mkstemp.
QString temporaryPattern(const QString &fileName)
{
    return QStringLiteral("^\\.") + QRegularExpression::escape(fileName) + QStringLiteral("\\.[A-Za-z0-9]{6}$");
}

// A save that was killed before its rename leaves its full-size temporary
// behind, hidden beside the file. Nobody can use it, so the next save of the
// same file removes it; files of any other name are never touched.
void removeStaleTemporaries(const QString &folder, const QString &fileName)
{
    const QRegularExpression pattern(temporaryPattern(fileName));
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : entries)
        if (pattern.match(entry).hasMatch())
            QFile::remove(folder + QLatin1Char('/') + entry);
}

// The permissions a newly created file gets in this process.
mode_t defaultFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}
} // namespace

bool AtomicDatabaseWriter::passed(Stage stage)
{
    return !m_observer || m_observer(stage);
}

AtomicDatabaseWriter::Outcome AtomicDatabaseWriter::fail(Outcome outcome, const QString &why)
{
    m_lastError = why;
    if (!m_temporary.isEmpty())
        QFile::remove(m_temporary);
    return outcome;
}

AtomicDatabaseWriter::Outcome AtomicDatabaseWriter::write(const QString &source, const QString &target)
{
    m_lastError.clear();
    m_temporary.clear();

    // A link is followed, so the file it names is replaced and the link stays.
    QString finalPath = QFileInfo(target).absoluteFilePath();
    if (const QFileInfo link(finalPath); link.isSymLink() && link.exists())
        finalPath = link.canonicalFilePath();
    const QFileInfo info(finalPath);
    if (info.exists() && !info.isFile())
        return fail(Outcome::TargetNotReplaceable, finalPath + QStringLiteral(" is not a file"));

    const QString folder = info.absolutePath();
    if (!QFileInfo(folder).isDir())
        return fail(Outcome::CopyFailed, folder + QStringLiteral(" does not exist"));

    removeStaleTemporaries(folder, info.fileName());
    // An empty file with a unique name reserves the temporary; VACUUM INTO accepts an empty target.
    QByteArray temporary =
        QFile::encodeName(folder + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return fail(Outcome::CopyFailed, errnoText("creating the temporary file"));
    m_temporary = QFile::decodeName(temporary);
    // The new file keeps the permissions of the one it replaces.
    struct stat st {};
    const bool replacing = ::stat(QFile::encodeName(finalPath).constData(), &st) == 0;
    ::fchmod(fd, replacing ? (st.st_mode & 07777) : defaultFileMode());
    ::close(fd);

    {
        Database from(source, Database::Mode::ReadOnly);
        if (!from.isOpen())
            return fail(Outcome::CopyFailed,
                        QStringLiteral("cannot read ") + source + QStringLiteral(": ") + from.lastError());
        if (!from.compactInto(m_temporary))
            return fail(Outcome::CopyFailed, from.lastError());
    }
    if (!passed(Stage::TemporaryWritten))
        return fail(Outcome::CopyFailed, QStringLiteral("abandoned after the copy was written"));

    {
        Database copy(m_temporary, Database::Mode::ReadOnly);
        if (!copy.isOpen() || !copy.integrityCheck(true))
            return fail(Outcome::CopyFailed, QStringLiteral("the written copy failed its check: ") + copy.lastError());
    }
    if (!passed(Stage::TemporaryChecked))
        return fail(Outcome::CopyFailed, QStringLiteral("abandoned after the copy was checked"));

    const Flush flush = m_flush ? m_flush : Flush(syncPath);
    if (!flush(m_temporary, false))
        return fail(Outcome::CopyFailed, errnoText("flushing the temporary file"));
    if (!passed(Stage::ReadyToReplace))
        return fail(Outcome::CopyFailed, QStringLiteral("abandoned before replacing the file"));

    if (::rename(temporary.constData(), QFile::encodeName(finalPath).constData()) != 0)
        return fail(Outcome::TargetNotReplaceable, errnoText("replacing the file"));
    // The rename is durable once the folder entry is on disk; the file itself is already complete.
    if (!flush(folder, true))
        m_lastError = errnoText("flushing the folder");
    passed(Stage::Replaced);
    return Outcome::Written;
}

#include "config/UnsavedMarker.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

namespace {
bool syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}
} // namespace

bool UnsavedMarker::exists() const
{
    return QFileInfo(m_path).isFile();
}

bool UnsavedMarker::write(const QString &file) const
{
    if (exists())
        return true;
    QFile marker(m_path);
    if (!marker.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray text = file.toUtf8() + '\n';
    const bool written = marker.write(text) == text.size() && marker.flush() && ::fsync(marker.handle()) == 0;
    marker.close();
    return written && syncFolder(QFileInfo(m_path).absolutePath());
}

void UnsavedMarker::remove() const
{
    QFile::remove(m_path);
}

QString UnsavedMarker::file() const
{
    QFile marker(m_path);
    if (!marker.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(marker.readLine()).trimmed();
}

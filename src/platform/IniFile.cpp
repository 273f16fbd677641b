#include "platform/IniFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include <optional>

namespace {
QStringList readLines(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromLocal8Bit(f.readAll());
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool isSectionLine(const QString &line, QString *name)
{
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return false;
    const int close = t.indexOf(QLatin1Char(']'));
    if (close < 0)
        return false;
    *name = t.mid(1, close - 1).trimmed();
    return true;
}

bool keyOf(const QString &line, QString *key, QString *value)
{
    const int eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        return false;
    *key = line.left(eq).trimmed();
    if (value)
        *value = line.mid(eq + 1).trimmed();
    return true;
}

std::optional<QString> find(const QString &path, const QString &section, const QString &key)
{
    bool inSection = false;
    for (const QString &line : readLines(path)) {
        QString name;
        if (isSectionLine(line, &name)) {
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        QString k, v;
        if (inSection && keyOf(line, &k, &v) && k.compare(key, Qt::CaseInsensitive) == 0) {
            // A value in matching quotes is returned without them, as the system does.
            if (v.size() >= 2 && (v.startsWith(QLatin1Char('"')) || v.startsWith(QLatin1Char('\''))) &&
                v.endsWith(v.front()))
                v = v.mid(1, v.size() - 2);
            return v;
        }
    }
    return std::nullopt;
}
} // namespace

QString IniFile::readString(const QString &section, const QString &key) const
{
    return find(m_path, section, key).value_or(QString()).left(kMaxStringRead);
}

qint16 IniFile::readInt(const QString &section, const QString &key) const
{
    const QString v = find(m_path, section, key).value_or(QString());
    int i = 0;
    bool negative = false;
    if (i < v.size() && (v[i] == QLatin1Char('-') || v[i] == QLatin1Char('+')))
        negative = v[i++] == QLatin1Char('-');
    quint32 n = 0;
    for (; i < v.size() && v[i].isDigit() && v[i].unicode() < 128; ++i)
        n = n * 10 + quint32(v[i].unicode() - '0');
    if (negative)
        n = quint32(-qint64(n));
    return qint16(quint16(n & 0xFFFF));
}

bool IniFile::write(const QString &section, const QString &key, const QString &value) const
{
    QStringList lines = readLines(m_path);
    const QString entry = key + QLatin1Char('=') + value;
    int sectionStart = -1;
    int insertAt = -1;
    bool inSection = false;
    for (int i = 0; i < lines.size(); ++i) {
        QString name;
        if (isSectionLine(lines[i], &name)) {
            if (inSection)
                break;
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            if (inSection)
                sectionStart = insertAt = i + 1;
            continue;
        }
        if (!inSection)
            continue;
        QString k;
        if (keyOf(lines[i], &k, nullptr) && k.compare(key, Qt::CaseInsensitive) == 0) {
            lines[i] = entry;
            insertAt = -2;
            break;
        }
        if (!lines[i].trimmed().isEmpty())
            insertAt = i + 1;
    }
    if (insertAt >= 0) {
        lines.insert(insertAt, entry);
    } else if (sectionStart < 0) {
        lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;
    }
    QSaveFile f(m_path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write((lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n")).toLocal8Bit());
    return f.commit();
}

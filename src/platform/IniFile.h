#pragma once

#include <QString>

// Reader and writer of private-profile files: "[Section]" lines and "key=value"
// lines, section and key names matched without regard to letter case, keys may
// contain blanks ("Com Port"). Each call reads (and a write rewrites) the whole
// file, so other sections and keys, comments and their order are preserved.
// A missing file or key reads as 0 or "".
class IniFile {
public:
    static constexpr int kMaxStringRead = 127;

    explicit IniFile(QString path) : m_path(std::move(path)) {}

    // At most 127 characters, as read into a 128-character buffer.
    QString readString(const QString &section, const QString &key) const;
    // The leading whole number of the value (a value that is not a number reads
    // as 0), cut to its low 16 bits.
    qint16 readInt(const QString &section, const QString &key) const;
    // Creates the file, the section or the key as needed; false when the file
    // cannot be written.
    bool write(const QString &section, const QString &key, const QString &value) const;

private:
    QString m_path;
};

#pragma once

#include <QString>

// A thin wrapper around the settings file: one file and one section, then reads
// and writes of keys in that section. A failing read yields 0 or "", a failing
// write is skipped; nothing is logged here.
class INIClass {
public:
    void SetFileName(const QString &name) { m_fileName = name; }
    void SetSectionName(const QString &name) { m_sectionName = name; }

    // The key's whole-number value cut to 16 bits; 0 when missing or not a number.
    qint16 ReadINT_From_INI(const QString &key) const;
    // At most 127 characters of the key's value; "" when missing.
    QString ReadString_From_INI(const QString &key) const;
    // Creates the file, the section or the key as needed.
    void WriteINI(const QString &key, const QString &value) const;

private:
    QString m_fileName;
    QString m_sectionName;
};

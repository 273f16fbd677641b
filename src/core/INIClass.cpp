#include "core/INIClass.h"

#include "platform/IniFile.h"

qint16 INIClass::ReadINT_From_INI(const QString &key) const
{
    return IniFile(m_fileName).readInt(m_sectionName, key);
}

QString INIClass::ReadString_From_INI(const QString &key) const
{
    return IniFile(m_fileName).readString(m_sectionName, key);
}

void INIClass::WriteINI(const QString &key, const QString &value) const
{
    IniFile(m_fileName).write(m_sectionName, key, value);
}

#include "editors/audio/AudioConnections.h"

#include "platform/Database.h"
#include "platform/RecordSet.h"

using namespace Qt::StringLiterals;

namespace {
QString column(int k)
{
    return u"PageGroup"_s + QString::number(k + 1);
}
} // namespace

QString AudioConnections::tableName(Source source)
{
    switch (source) {
    case Source::Bgm: return u"Bgm"_s;
    case Source::TimeTone: return u"TonesPG"_s;
    case Source::Emergency: return u"EmergencyPG"_s;
    }
    return {};
}

std::optional<PageGroups::Flags> AudioConnections::load()
{
    const RecordSet rows(m_db, m_table);
    if (!rows.ok()) {
        m_lastError = m_table + u" not read: "_s + m_db.lastError();
        return std::nullopt;
    }
    PageGroups::Flags flags{};
    for (int k = 0; k < PageGroups::kCount; ++k) {
        if (rows.fieldIndex(column(k)) < 0) {
            m_lastError = m_table + u" has no column "_s + column(k);
            return std::nullopt;
        }
        flags[k] = !rows.isEmpty() && rows.value(0, column(k)).toInt() != 0;
    }
    return flags;
}

bool AudioConnections::store(const PageGroups::Flags &flags)
{
    RecordSet rows(m_db, m_table);
    if (!rows.ok()) {
        m_lastError = m_table + u" not read: "_s + m_db.lastError();
        return false;
    }
    if (rows.isEmpty() && !rows.addNew({})) {
        m_lastError = m_table + u" row not added: "_s + m_db.lastError();
        return false;
    }
    QList<QPair<int, QVariant>> values;
    for (int k = 0; k < PageGroups::kCount; ++k) {
        const int field = rows.fieldIndex(column(k));
        if (field < 0) {
            m_lastError = m_table + u" has no column "_s + column(k);
            return false;
        }
        values.append({field, flags[k] ? 1 : 0});
    }
    if (!rows.setValues(0, values)) {
        m_lastError = m_table + u" not written: "_s + m_db.lastError();
        return false;
    }
    return true;
}

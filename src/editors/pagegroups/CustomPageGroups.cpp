#include "editors/pagegroups/CustomPageGroups.h"

#include "platform/Database.h"
#include "platform/RecordSet.h"

using namespace Qt::StringLiterals;

namespace {
const QString kTable = u"PageGroup"_s;
// DialCode is column 0; page group k + 1 is column k + 1.
constexpr int kFirstFlag = 1;
} // namespace

std::optional<CustomPageGroups::Table> CustomPageGroups::load()
{
    const RecordSet rows(m_db, kTable);
    if (!rows.ok()) {
        m_lastError = u"PageGroup not read: "_s + m_db.lastError();
        return std::nullopt;
    }
    if (rows.count() < kGroups || rows.fieldCount() < kFirstFlag + PageGroups::kCount) {
        m_lastError =
            u"PageGroup has %1 rows of %2 columns, 4 rows of 17 expected"_s.arg(rows.count()).arg(rows.fieldCount());
        return std::nullopt;
    }
    Table table{};
    for (int g = 0; g < kGroups; ++g)
        for (int k = 0; k < PageGroups::kCount; ++k)
            table[g][k] = rows.flag(g, kFirstFlag + k);
    return table;
}

bool CustomPageGroups::store(const Table &table)
{
    RecordSet rows(m_db, kTable);
    if (!rows.ok() || rows.count() < kGroups || rows.fieldCount() < kFirstFlag + PageGroups::kCount) {
        m_lastError = u"PageGroup rows not found: "_s + m_db.lastError();
        return false;
    }
    if (!m_db.transaction()) {
        m_lastError = m_db.lastError();
        return false;
    }
    for (int g = 0; g < kGroups; ++g) {
        QList<QPair<int, QVariant>> values;
        for (int k = 0; k < PageGroups::kCount; ++k)
            values.append({kFirstFlag + k, table[g][k] ? 1 : 0});
        if (!rows.setValues(g, values)) {
            m_lastError = u"PageGroup row %1 not written: "_s.arg(g + 1) + m_db.lastError();
            m_db.rollback();
            return false;
        }
    }
    if (!m_db.commit()) {
        m_lastError = m_db.lastError();
        m_db.rollback();
        return false;
    }
    return true;
}

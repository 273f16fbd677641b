#include "editors/classservice/ClassOfService.h"

#include "platform/Database.h"
#include "platform/RecordSet.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
const QString kTable = u"ClassService"_s;
const QString kGroup = u"Group"_s;
const QString kService = u"Service"_s;
} // namespace

int ClassOfService::lastGroup(int expansionBoards)
{
    return kGroupsPerBoard * (std::clamp(expansionBoards, 0, 3) + 1);
}

std::optional<int> ClassOfService::shownValue(int stored)
{
    if (stored == -1)
        return 1;
    if (stored >= 0 && stored < kChoices)
        return stored;
    return std::nullopt;
}

std::optional<ClassOfService::Stored> ClassOfService::load()
{
    const RecordSet rows(m_db, kTable);
    if (!rows.ok() || rows.fieldIndex(kGroup) < 0 || rows.fieldIndex(kService) < 0) {
        m_lastError = u"ClassService not read: "_s + m_db.lastError();
        return std::nullopt;
    }
    Stored stored;
    for (int r = 0; r < rows.count(); ++r) {
        const int group = rows.value(r, kGroup).toInt();
        if (group < 1 || group > kGroups)
            continue;
        stored.hasRow[group - 1] = true;
        stored.shown[group - 1] = shownValue(rows.value(r, kService).toInt());
    }
    return stored;
}

bool ClassOfService::store(const Selections &selections, int expansionBoards)
{
    RecordSet rows(m_db, kTable);
    const int service = rows.fieldIndex(kService);
    if (!rows.ok() || rows.fieldIndex(kGroup) < 0 || service < 0) {
        m_lastError = u"ClassService not read: "_s + m_db.lastError();
        return false;
    }
    if (!m_db.transaction()) {
        m_lastError = m_db.lastError();
        return false;
    }
    const int last = lastGroup(expansionBoards);
    for (int r = 0; r < rows.count(); ++r) {
        const int group = rows.value(r, kGroup).toInt();
        if (group < 1 || group > last || !selections[group - 1])
            continue;
        if (!rows.setValue(r, service, *selections[group - 1])) {
            m_lastError = u"ClassService group %1 not written: "_s.arg(group) + m_db.lastError();
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

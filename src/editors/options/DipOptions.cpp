#include "editors/options/DipOptions.h"

#include "editors/options/BoundRow.h"

using namespace Qt::StringLiterals;

QString DipOptions::column(Field field)
{
    static const QStringList names{u"LowStn21"_s,     u"LowStn22"_s,     u"LowStn23"_s,       u"LowStn24"_s,
                                   u"QueueTone"_s,    u"DialTone"_s,     u"HfAlertTone"_s,    u"PageAlertTone"_s,
                                   u"RingbackTone"_s, u"PrivacyTone"_s,  u"PriorityGlobal"_s, u"PriorityOverride"_s,
                                   u"RingPattern"_s,  u"ExtToneSource"_s};
    return names.value(field);
}

QStringList DipOptions::columns()
{
    QStringList result;
    for (int f = 0; f < kFields; ++f)
        result << column(Field(f));
    return result;
}

DipOptions DipOptions::fromRow(const BoundRow &row)
{
    DipOptions options;
    for (int f = 0; f < kFields; ++f) {
        const QVariant stored = row.stored(column(Field(f)));
        if (f == RingPattern) {
            bool number = false;
            const int pattern = stored.toInt(&number);
            options.set(RingPattern, number && !stored.isNull() ? pattern : kNoRingPattern);
        } else {
            options.set(Field(f), stored.toInt() != 0 ? 1 : 0);
        }
    }
    return options;
}

QHash<QString, QVariant> DipOptions::changesFrom(const DipOptions &other) const
{
    QHash<QString, QVariant> changes;
    for (int f = 0; f < kFields; ++f)
        if (m_values[f] != other.m_values[f])
            changes.insert(column(Field(f)), m_values[f]);
    return changes;
}

#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <array>

class BoundRow;

// The system options as the option window's controls show them: every box
// and both two-way choices 0 or 1, the ring pattern the stored number
// (0 American, 1 Dutch, 2 British; kNoRingPattern when the row holds none).
class DipOptions {
public:
    enum Field {
        LowStn21,
        LowStn22,
        LowStn23,
        LowStn24,
        QueueTone,
        DialTone,
        HfAlertTone,
        PageAlertTone,
        RingbackTone,
        PrivacyTone,
        PriorityGlobal,
        PriorityOverride,
        RingPattern,
        ExtToneSource,
        kFields
    };
    enum Ring { American = 0, Dutch = 1, British = 2 };
    static constexpr int kNoRingPattern = -1;

    // The DipSwitch column of a field.
    static QString column(Field field);
    static QStringList columns();

    // A stored yes/no value of any truth (Jet writes -1) shows as 1; a ring
    // pattern that is not a number shows as kNoRingPattern.
    static DipOptions fromRow(const BoundRow &row);

    int value(Field field) const { return m_values[field]; }
    bool on(Field field) const { return m_values[field] == 1; }
    void set(Field field, int value) { m_values[field] = value; }

    // The columns whose values differ from other's, with this one's values.
    QHash<QString, QVariant> changesFrom(const DipOptions &other) const;

    bool operator==(const DipOptions &) const = default;

private:
    std::array<int, kFields> m_values{};
};

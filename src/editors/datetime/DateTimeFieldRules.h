#pragma once

#include <QString>

#include <array>
#include <optional>

// The editing rules of the date and time dialog's six two-digit fields,
// without widgets. Each group (date: month, day, year; time: hours, minutes,
// seconds) has one scroll bar that serves the field that last had the focus,
// holding the negated value so that its up arrow increases the field.
class DateTimeFieldRules {
public:
    enum Group { Date = 0, Time = 1 };
    struct Range {
        int min, max;
    };

    static Range range(Group group, int field);
    // The scroll bar's range for a field: the negated field range.
    static Range scrollRange(Group group, int field);
    static QString twoDigits(int value);

    // The field the group's scroll bar serves.
    int attached(Group group) const { return m_groups[group].field; }
    bool invalid(Group group) const { return m_groups[group].invalid; }

    // A field got the focus holding text: it is remembered, the scroll bar
    // attached, the text validated. The scroll bar's value, when the text is
    // in range.
    std::optional<int> gotFocus(Group group, int field, const QString &text);

    // Checks the text against the attached field's range and sets the group's
    // invalid flag; the scroll bar's value when it is in range.
    std::optional<int> validate(Group group, const QString &text);

    // After a change: the text is complete and valid, so the focus moves on.
    bool advances(Group group, const QString &text) const;

    struct Leave {
        QString text; // what the field shows afterwards
        bool refused = false;
    };
    // The field loses the focus: padded to two digits; a value out of range
    // is refused and the text it had on getting the focus put back.
    Leave lostFocus(Group group, const QString &text);

    // The scroll bar moved to a (negated) value: the text for the field.
    QString scrolled(Group group, int scrollValue);

private:
    struct State {
        int field = 0;
        bool invalid = false;
        QString focusText;
    };
    std::array<State, 2> m_groups{};
};

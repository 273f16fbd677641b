#include "editors/datetime/DateTimeFieldRules.h"

namespace {
constexpr DateTimeFieldRules::Range kRanges[2][3] = {{{1, 12}, {1, 31}, {0, 99}}, {{0, 23}, {0, 59}, {0, 59}}};

std::optional<int> number(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}
} // namespace

DateTimeFieldRules::Range DateTimeFieldRules::range(Group group, int field)
{
    return kRanges[group][field];
}

DateTimeFieldRules::Range DateTimeFieldRules::scrollRange(Group group, int field)
{
    const Range r = range(group, field);
    return {-r.max, -r.min};
}

QString DateTimeFieldRules::twoDigits(int value)
{
    return QString::number(value).rightJustified(2, QLatin1Char('0'));
}

std::optional<int> DateTimeFieldRules::gotFocus(Group group, int field, const QString &text)
{
    State &s = m_groups[group];
    s.focusText = text;
    s.field = field;
    return validate(group, text);
}

std::optional<int> DateTimeFieldRules::validate(Group group, const QString &text)
{
    State &s = m_groups[group];
    const std::optional<int> value = number(text);
    const Range r = range(group, s.field);
    s.invalid = !value || *value < r.min || *value > r.max;
    if (s.invalid)
        return std::nullopt;
    return -*value;
}

bool DateTimeFieldRules::advances(Group group, const QString &text) const
{
    return text.size() == 2 && !m_groups[group].invalid;
}

DateTimeFieldRules::Leave DateTimeFieldRules::lostFocus(Group group, const QString &text)
{
    State &s = m_groups[group];
    Leave leave{text.rightJustified(2, QLatin1Char('0')), false};
    validate(group, leave.text);
    if (s.invalid) {
        s.invalid = false;
        leave.refused = true;
        leave.text = s.focusText;
    }
    return leave;
}

QString DateTimeFieldRules::scrolled(Group group, int scrollValue)
{
    m_groups[group].invalid = false;
    return twoDigits(-scrollValue);
}

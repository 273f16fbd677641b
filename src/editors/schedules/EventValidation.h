#pragma once

#include <QString>

// The four rules an event must pass before it is stored, all tested every
// time, and the one message that lists every rule that failed.
struct EventValidation {
    bool formatOk = true;    // the start time reads as hh:mm
    bool duplicateOk = true; // no other event of the schedule starts then
    bool durationOk = true;  // 1-59 seconds
    bool pageGroupOk = true; // at least one page group

    // startTimeTaken: the duplicate look-up's answer (true also when the
    // look-up failed), or false when the rule does not apply.
    static EventValidation check(const QString &startTime, bool startTimeTaken, const QString &duration,
                                 bool anyPageGroup);

    bool valid() const { return formatOk && duplicateOk && durationOk && pageGroupOk; }
    // "Cannot save current event:" and one line per failed rule, CR LF between;
    // "" when valid.
    QString message() const;
};

// The duration box holds a whole number of seconds from 1 to 59.
bool durationTextValid(const QString &duration);

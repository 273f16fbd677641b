#pragma once

#include <QString>

#include <array>

struct RememberedEvent;

// One timed event of a schedule: an Event row without its schedule number.
struct ScheduleEvent {
    static constexpr int kPageGroups = 16;
    static constexpr int kMinDuration = 1;
    static constexpr int kMaxDuration = 59;
    static constexpr int kRelayTypes = 4;

    QString StartTime;
    int Tone = 1; // relay type 1-4
    int Duration = 1;
    std::array<bool, kPageGroups> PageGroup{};

    // The event a new one starts from when nothing is remembered: 00:00,
    // relay type 1, 1 second, no page group.
    static ScheduleEvent defaultEvent();
    // A new event copied from the remembered one. A relay type or duration the
    // remembered event never had (0 until first set) is taken from the default
    // event, so the copy is never born with values no box can show.
    static ScheduleEvent fromRemembered(const RememberedEvent &remembered);
    RememberedEvent remembered() const;

    bool anyPageGroup() const;
    // The page groups that are set, ascending, "1,3,16"; "" when none.
    QString pageGroupList() const;
    // The event list's line: start time TAB "Relay n" TAB "d sec" TAB page groups.
    QString line() const;

    bool operator==(const ScheduleEvent &) const = default;
};

// Reading an event list line back: the start time, relay type and duration of
// the selected event are taken from its line.
namespace EventLine {
QString startTime(const QString &line);
// 0 when the field cannot be read.
int tone(const QString &line);
int duration(const QString &line);
} // namespace EventLine

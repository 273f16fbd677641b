#pragma once

#include "editors/schedules/EventValidation.h"
#include "editors/schedules/ScheduleEvent.h"

#include <QObject>

#include <optional>

class ScheduleEvents;
struct AppContext;

// What the event editor does to one schedule's events, without its widgets:
// which event is shown and whether it is being added or edited, the duplicate
// rule, and storing and deleting with the counts they keep (TotalEvents,
// ScheduleEventCount), the remembered event (LastEvent) and the unsaved mark.
// The window shows the event and reads the fields back; the schedule view that
// lists the same rows follows the signals, so neither window calls the other.
class EventSession : public QObject {
    Q_OBJECT
public:
    enum class Mode { View, Add, Edit };
    static constexpr int kFirst = 0, kPrevious = 1, kNext = 2, kLast = 3;

    // row: the event shown first, -1 (or out of range) for none.
    EventSession(AppContext &context, ScheduleEvents &events, int row, QObject *parent = nullptr);

    int schedule() const;
    Mode mode() const { return m_mode; }
    // The row shown, -1 for none. The schedule view lists the same rows in the
    // same order, so this is also the index of the view's line of the event.
    int currentRow() const { return m_row; }
    int rowCount() const;
    // The stored event as shown; a new or changed entry is compared with it.
    const ScheduleEvent &shown() const { return m_shown; }
    bool canAdd() const;

    // Starts a new event as a copy of the remembered one (the default event
    // when nothing is remembered); shownStartTime is the start time on screen.
    // Returns the event to show, or nothing when no event may be added now.
    std::optional<ScheduleEvent> beginAdd(const QString &shownStartTime);
    bool beginEdit();
    // Back to view mode with the stored event shown again.
    void cancel();
    void enterViewMode() { m_mode = Mode::View; }

    // A new event, or a stored one whose start time differs from startTime.
    bool startTimeChanged(const QString &startTime) const;
    // Whether another stored event starts at startTime; a failed look-up is
    // logged and counts as one.
    bool Duplicate_Time(const QString &startTime);
    // The four rules, the duplicate rule only where it applies.
    EventValidation validate(const QString &startTime, const QString &duration, bool anyPageGroup);

    // Stores the entry (already validated) and shows it in view mode. False,
    // logged and still in add or edit mode, when nothing could be written.
    bool save(const ScheduleEvent &event);
    // Deletes the shown event and shows the one at its place (or the new last).
    bool remove();
    // Shows the first, previous, next or last event; no wrap-around.
    bool move(int direction);
    // The window closes: in view mode the start time shown is remembered.
    void closing(const QString &shownStartTime);

signals:
    // Rows were stored or deleted; row is the one shown now (-1 for none).
    void rowsChanged(int row);
    // Another stored row is shown.
    void rowShown(int row);

private:
    void showRow(int row);
    void markChanged();
    void logError(const QString &procedure, const QString &description);

    AppContext &m_context;
    ScheduleEvents &m_events;
    Mode m_mode = Mode::View;
    int m_row = -1;
    ScheduleEvent m_shown;
};

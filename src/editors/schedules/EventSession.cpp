#include "editors/schedules/EventSession.h"

#include "core/AppContext.h"
#include "core/MainWindowHost.h"
#include "editors/schedules/ScheduleEvents.h"
#include "platform/Database.h"

using namespace Qt::StringLiterals;

namespace {
const QString kWindowName = u"frmEvent"_s;
}

EventSession::EventSession(AppContext &context, ScheduleEvents &events, int row, QObject *parent)
    : QObject(parent), m_context(context), m_events(events)
{
    showRow(row);
}

int EventSession::schedule() const
{
    return m_events.schedule();
}

int EventSession::rowCount() const
{
    return m_events.count();
}

bool EventSession::canAdd() const
{
    return m_context.state.TotalEvents < AppState::kMaxEvents;
}

void EventSession::showRow(int row)
{
    m_row = (row >= 0 && row < m_events.count()) ? row : -1;
    if (m_row >= 0) {
        m_shown = m_events.event(m_row);
    } else {
        // Nothing to show: no relay type is selected.
        m_shown = ScheduleEvent{};
        m_shown.Tone = 0;
    }
}

std::optional<ScheduleEvent> EventSession::beginAdd(const QString &shownStartTime)
{
    if (m_mode != Mode::View || !canAdd())
        return std::nullopt;
    RememberedEvent &last = m_context.state.LastEvent;
    last.StartTime = m_row >= 0 ? shownStartTime : QString();
    m_mode = Mode::Add;
    return last.StartTime.isEmpty() ? ScheduleEvent::defaultEvent() : ScheduleEvent::fromRemembered(last);
}

bool EventSession::beginEdit()
{
    if (m_mode != Mode::View || m_row < 0)
        return false;
    m_mode = Mode::Edit;
    return true;
}

void EventSession::cancel()
{
    showRow(m_row);
    m_mode = Mode::View;
}

bool EventSession::startTimeChanged(const QString &startTime) const
{
    return m_mode == Mode::Add || startTime != m_shown.StartTime;
}

bool EventSession::Duplicate_Time(const QString &startTime)
{
    const auto taken = m_events.startTimeTaken(startTime);
    if (!taken) {
        logError(u"Duplicate_Time"_s, m_events.database().lastError());
        return true;
    }
    return *taken;
}

EventValidation EventSession::validate(const QString &startTime, const QString &duration, bool anyPageGroup)
{
    const bool taken = startTimeChanged(startTime) && Duplicate_Time(startTime);
    return EventValidation::check(startTime, taken, duration, anyPageGroup);
}

bool EventSession::save(const ScheduleEvent &event)
{
    if (m_mode == Mode::View)
        return false;
    AppState &state = m_context.state;
    const bool isNew = m_mode == Mode::Add;
    // A new row, or one whose start time changed, takes another place in the
    // start-time order.
    const bool moves = startTimeChanged(event.StartTime);
    state.LastEvent.StartTime = event.StartTime;
    const bool stored = isNew ? m_events.insert(event) : m_events.update(m_row, event);
    if (!stored) {
        logError(u"cmdSave"_s, m_events.database().lastError());
        return false;
    }
    if (moves) {
        if (!isNew && !m_events.reload())
            logError(u"cmdSave"_s, m_events.database().lastError());
        m_row = m_events.find(state.LastEvent.StartTime);
    }
    m_shown = m_events.event(m_row);
    if (m_row >= 0)
        state.LastEvent = m_shown.remembered();
    if (isNew) {
        ++state.ScheduleEventCount[schedule() - 1];
        ++state.TotalEvents;
    }
    m_mode = Mode::View;
    markChanged();
    emit rowsChanged(m_row);
    return true;
}

bool EventSession::remove()
{
    if (m_mode != Mode::View || m_row < 0)
        return false;
    const int deleted = m_row;
    if (!m_events.remove(deleted)) {
        logError(u"cmdDelete"_s, m_events.database().lastError());
        return false;
    }
    AppState &state = m_context.state;
    --state.ScheduleEventCount[schedule() - 1];
    --state.TotalEvents;
    markChanged();
    const int left = m_events.count();
    if (left == 0) {
        m_row = -1;
    } else {
        showRow(deleted >= left ? left - 1 : deleted);
        state.LastEvent = m_shown.remembered();
    }
    emit rowsChanged(m_row);
    return true;
}

bool EventSession::move(int direction)
{
    const int count = m_events.count();
    if (m_mode != Mode::View || count == 0)
        return false;
    int row = std::max(m_row, 0);
    switch (direction) {
    case kFirst: row = 0; break;
    case kPrevious: row = row > 0 ? row - 1 : row; break;
    case kNext: row = row < count - 1 ? row + 1 : row; break;
    case kLast: row = count - 1; break;
    default: return false;
    }
    showRow(row);
    m_context.state.LastEvent = m_shown.remembered();
    emit rowShown(m_row);
    return true;
}

void EventSession::closing(const QString &shownStartTime)
{
    if (m_mode == Mode::View && m_row >= 0)
        m_context.state.LastEvent.StartTime = shownStartTime;
}

void EventSession::markChanged()
{
    m_context.state.markUnsaved();
    if (m_context.host)
        m_context.host->setSaveEnabled(true);
}

void EventSession::logError(const QString &procedure, const QString &description)
{
    m_context.log.LogError(ErrNo::DatabaseError, description, kWindowName, kWindowName, procedure);
}

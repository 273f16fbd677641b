#pragma once

#include "core/Capacities.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>

// The settings kept in settings.ini between runs.
struct SettingsValues {
    qint16 CommPort = 1;       // 1-16
    qint16 DebugMenu = 0;      // non-zero shows Help > Debug; never written back
    qint32 MdiHeight = 0;      // main window height, twips
    qint32 MdiWidth = 0;       // main window width, twips
    qint16 SwitchBoardTop = 0; // switchboard position and size, twips
    qint16 SwitchBoardLeft = 0;
    qint16 SwitchBoardWidth = 0;
    qint16 SwitchBoardHeight = 0;
    std::array<QString, 4> FileArray; // recent files, [0] the most recent; "" a free entry
};

// The variant record: the texts that differ between brands and models, filled
// once at start-up.
struct VariantRecord {
    QString BrandName;
    QString ModelName;
    QString ProductTitle;
    QString ReleaseDate;
    QString ReleaseTitle;
    QString VersionText;
    QString NoticeText;
    QString HelpFileName;
    QString IconName; // begins with "/", relative to the application folder
};

// The remembered event of the schedule windows: the event last selected or
// shown. A new event starts as a copy of it, and a rebuilt event list
// reselects its start time. Relay type and duration are 0 until first set.
struct RememberedEvent {
    QString StartTime;
    int Tone = 0;
    int Duration = 0;
    std::array<bool, Capacities::kPageGroups> PageGroup{};
};

// A Boolean that tells one observer when its value changes; it reads and is
// assigned like a bool. UnsavedChanges is one: while it is set the file
// lifecycle keeps a marker on disk, so the next start after a crash can offer
// the unsaved work back, whichever window set it.
class ChangeFlag {
public:
    ChangeFlag() = default;
    ChangeFlag(bool value) : m_value(value) {}
    // A copy takes the value, never the observer: the observer belongs to the place.
    ChangeFlag(const ChangeFlag &other) : m_value(other.m_value) {}
    ChangeFlag &operator=(const ChangeFlag &other) { return *this = other.m_value; }
    ChangeFlag &operator=(bool value)
    {
        if (value != m_value) {
            m_value = value;
            if (m_observer)
                m_observer(value);
        }
        return *this;
    }
    operator bool() const { return m_value; }

    // Called with the new value after each change; an empty function removes it.
    void setObserver(std::function<void(bool)> observer) { m_observer = std::move(observer); }

private:
    bool m_value = false;
    std::function<void(bool)> m_observer;
};

// The state shared by the windows, the file commands and the transfers. One
// instance, owned by the application and passed by reference.
struct AppState {
    static constexpr int kMaxEvents = Capacities::kMaxEvents;

    VariantRecord variant;
    SettingsValues settings;

    // Revisions: the tool's own (stored in every saved file) and the controller
    // software revision it was made for.
    QString ToolRev = Capacities::kToolRev;
    QString SupportedControllerRev = Capacities::kSupportedControllerRev;

    // The open configuration: "" when none, "Untitled" when not yet saved, else
    // the full path of the user's file.
    QString CurrentFileName;
    int ExpansionBoards = 0; // 0-3
    bool ClockBoard = false;
    int TotalEvents = 0; // all schedules together, at most kMaxEvents
    ChangeFlag UnsavedChanges = false;
    int CurrentSchedule = 1; // 1-6
    RememberedEvent LastEvent;
    std::array<int, Capacities::kSchedules>
        ScheduleEventCount{}; // events per schedule (index schedule - 1), as last counted

    // Main-window flags read by Close, Exit and shut-down.
    bool CancelClose = false;
    bool AcceptAllChanges = false;

    // Trace switches, off at every start, set in the debug window.
    bool DebugTrace = false;
    bool ATCommandTrace = false;

    bool DateTimeInProgress = false;
    bool ModemReleasing = false;

    // The open configuration now differs from its file: every editor's OK,
    // every received or converted programming marks it through here.
    void markUnsaved() { UnsavedChanges = true; }

    QString untitled() const { return QStringLiteral("Untitled"); }
    bool configurationOpen() const { return !CurrentFileName.isEmpty(); }
};

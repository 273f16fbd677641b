#pragma once

#include "editors/schedules/ScheduleDays.h"
#include "ui/EditorWindow.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>

class Database;
class QCheckBox;
class QMdiSubWindow;
class QPushButton;
class QTreeWidget;
class ScheduleEvents;
class frmEvent;
struct AppContext;

// The window of one master clock schedule: its events in start-time order,
// its active days, and Add/Edit/Delete (Add and Edit open the event editor;
// Enter and a double-click on a line edit it). While the editor is open the
// list follows the editor's session: the editor never touches this window.
// One instance per schedule; inside the main window's workspace it follows
// the activation of its sub-window, on its own that of its top-level window.
// Its days are written when it closes and its events by the event editor, so
// it never holds uncommitted changes: OK and Cancel both just close it.
class frmSched : public QWidget, public EditorWindow {
    Q_OBJECT
public:
    static constexpr int kAdd = 0, kEdit = 1, kDelete = 2;

    frmSched(AppContext &context, int schedule, QWidget *parent = nullptr);
    ~frmSched() override;

    int schedule() const { return m_schedule; }
    ScheduleEvents &events() { return *m_events; }

    // The event list: one line per event, the lines of the event rows in order.
    QStringList lines() const;
    int selectedLine() const; // -1 when none
    void selectLine(int index);

    // Re-reads the schedule's events and refills the list.
    void Build_lstEvent();
    // Writes the day boxes when a day was clicked since the last write.
    void Update_Days();
    void Form_Activate();
    void Form_Deactivate();

    // The event editor while it is open.
    frmEvent *editor() const;

    // EditorWindow
    bool UncommittedChanges() const override { return false; }
    void cmdOk_Click() override { close(); }
    void cmdCancel_Click() override { close(); }

protected:
    bool event(QEvent *e) override;
    void changeEvent(QEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void Form_Load();
    int lineCount() const;
    void clearLines();
    void addLine(const QString &line);
    void removeLine(int index);
    // Refills the list from the rows and selects the line of row (none for -1).
    void showRows(int row);
    void cmdEvent_Click(int index);
    void chkDay_Click(int index);
    void lstEvent_DblClick();
    void cmdClose_Click();
    void openEditor(bool addMode);
    void enableAdd();
    void saveDaysOfOtherWindows();
    void followWorkspaceFrame();
    QMdiSubWindow *subWindow() const;
    void logError(const QString &procedure, const QString &description);

    AppContext &m_context;
    int m_schedule = 1;
    std::unique_ptr<Database> m_db;
    std::unique_ptr<ScheduleEvents> m_events;
    std::unique_ptr<ScheduleDays> m_days;

    QTreeWidget *m_list = nullptr;
    std::array<QPushButton *, 3> m_cmdEvent{};
    std::array<QCheckBox *, ScheduleDays::kDays> m_chkDay{};
    QPushButton *m_cmdClose = nullptr;

    QPointer<frmEvent> m_editor;
    bool m_DaysChanged = false;
    bool m_LoadingDays = false;
    bool m_loaded = false; // false after closing: showing again reloads
};

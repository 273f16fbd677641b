#pragma once

#include "editors/schedules/EventSession.h"
#include "ui/EditorWindow.h"

#include <QDialog>

#include <memory>

class QLabel;
class ScheduleEvents;
struct AppContext;
class StartTimeBox;
struct EventEditorLayout;

// The modal editor of one schedule's events: shows them one at a time, adds,
// edits and deletes them. The session does the storing and keeps the counts;
// this window shows the session's event, reads the fields back and runs the
// start-time and duration boxes. It opens positioned on an event and is put
// into add or edit mode by the schedule window before it is shown; that
// window keeps its list in step through the session's signals.
//
// As an editor window its OK is the Save button and its Cancel the Cancel
// button: both lead back to view mode, and the editor closes with the
// schedule window that opened it.
class frmEvent : public QDialog, public EditorWindow {
    Q_OBJECT
public:
    using Mode = EventSession::Mode;

    // row: the event shown first (-1 when the schedule has none).
    frmEvent(AppContext &context, ScheduleEvents &events, int row, QWidget *parent = nullptr);
    ~frmEvent() override;

    EventSession &session() { return m_session; }
    Mode mode() const { return m_session.mode(); }
    int currentRow() const { return m_session.currentRow(); }

    void cmdAdd_Click();
    void cmdEdit_Click();
    void cmdSave_Click();
    void cmdDelete_Click();
    void cmdMove_Click(int index);
    void cmdClose_Click();

    // EditorWindow: an entry is being added, or a stored event edited and changed.
    bool UncommittedChanges() const override;
    void cmdOk_Click() override { cmdSave_Click(); }
    void cmdCancel_Click() override;

    // Escape closes through the same steps as the title bar.
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void connectControls();
    void Form_Load();
    void Form_Activate();
    void Begin_View_Mode();
    void Begin_Add_Edit_Mode(QLabel *modeLabel);
    bool Validate_Event();
    bool Is_PageGroup_Selected() const;
    bool DataChanged() const;
    void Prompt_Save(const QString &title);

    void optTone_Click(int tone);
    void setTone(int tone);
    void txtDuration_Change();
    void vsbDuration_Change();
    void cmdInclude_Click();
    void cmdRemove_Click();

    void showFields(const ScheduleEvent &event);
    ScheduleEvent fieldsEvent() const;
    void keepCheckedToneTabStop();
    void finish();
    QString modeTitle() const;

    AppContext &m_context;
    EventSession m_session;
    std::unique_ptr<EventEditorLayout> m_ui;
    std::unique_ptr<StartTimeBox> m_startTime;

    int m_tone = 0;
    bool m_DurationInvalid = false;
    bool m_EventValid = false;
    bool m_Activated = false;
    bool m_ClosingByButton = false;
    bool m_finished = false;
};

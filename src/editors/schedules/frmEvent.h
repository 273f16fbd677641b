#pragma once

#include "editors/schedules/ScheduleEvent.h"
#include "editors/schedules/StartTime.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class frmSched;
struct AppContext;

// The modal editor of one schedule's events: shows them one at a time, adds,
// edits and deletes them, and keeps the opening schedule window's list in
// step. It opens positioned on an event and is put into add or edit mode by
// the schedule window before it is shown.
class frmEvent : public QDialog {
    Q_OBJECT
public:
    enum class Mode { View, Add, Edit };

    // row: the event shown first (-1 when the schedule has none).
    frmEvent(AppContext &context, frmSched &view, int row);
    ~frmEvent() override;

    Mode mode() const { return m_mode; }
    int currentRow() const { return m_row; }

    void cmdAdd_Click();
    void cmdEdit_Click();
    void cmdSave_Click();
    void cmdCancel_Click();
    void cmdDelete_Click();
    void cmdMove_Click(int index);
    void cmdClose_Click();

    // Escape closes through the same steps as the title bar.
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void Form_Load();
    void Form_Activate();
    void Begin_View_Mode();
    void Begin_Add_Edit_Mode(QLabel *modeLabel);
    void Default_Event();
    bool Validate_Event();
    bool Duplicate_Time();
    bool Is_PageGroup_Selected() const;
    bool DataChanged() const;
    void Prompt_Save(const QString &title);
    void RefreshFrmSched();

    void optTone_Click(int tone);
    void setTone(int tone);
    void txtStartTime_Change();
    void txtStartTime_LostFocus();
    void vsbStartTime_Change(int index);
    void txtDuration_Change();
    void vsbDuration_Change();
    void cmdInclude_Click();
    void cmdRemove_Click();

    void showFields(const ScheduleEvent &event);
    void showRow(int row);
    ScheduleEvent fieldsEvent() const;
    void setTimeBars(TimeOfDay time);
    void writeTimeFromBars();
    bool startTimeChanged() const;
    void completeTypedStartTime();
    void selectViewLine();
    void finish();
    QString modeTitle() const;
    void logError(const QString &procedure, const QString &description);

    AppContext &m_context;
    frmSched &m_view;
    int m_schedule = 1;
    int m_row = -1;        // the stored event shown, -1 for none
    ScheduleEvent m_shown; // the stored event as it was shown (for changes)
    Mode m_mode = Mode::View;

    QLabel *m_lblViewEvent = nullptr;
    QLabel *m_lblAddEvent = nullptr;
    QLabel *m_lblEditEvent = nullptr;
    QLabel *m_lblTone = nullptr;
    QLabel *m_txtHideScreen = nullptr;
    QGroupBox *m_fraEvent = nullptr;
    QLineEdit *m_txtStartTime = nullptr;
    std::array<QScrollBar *, 2> m_vsbStartTime{};
    std::array<QRadioButton *, ScheduleEvent::kRelayTypes + 1> m_optTone{}; // 1-4 used
    QLineEdit *m_txtDuration = nullptr;
    QScrollBar *m_vsbDuration = nullptr;
    std::array<QCheckBox *, ScheduleEvent::kPageGroups> m_chkPageGroup{};
    QPushButton *m_cmdInclude = nullptr;
    QPushButton *m_cmdRemove = nullptr;
    QPushButton *m_cmdAdd = nullptr;
    QPushButton *m_cmdEdit = nullptr;
    QPushButton *m_cmdDelete = nullptr;
    QPushButton *m_cmdSave = nullptr;
    QPushButton *m_cmdCancel = nullptr;
    std::array<QPushButton *, 4> m_cmdMove{};
    QPushButton *m_cmdClose = nullptr;

    int m_tone = 0;
    int m_ViewListIndex = -1;
    bool m_StartTimeTyped = false;
    bool m_SyncingTime = false;
    bool m_DurationInvalid = false;
    bool m_EventValid = false;
    bool m_Activated = false;
    bool m_ClosingByButton = false;
    bool m_checkingStartTime = false;
    bool m_finished = false;
};

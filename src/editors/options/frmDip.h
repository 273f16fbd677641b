#pragma once

#include "editors/options/DipOptions.h"
#include "ui/EditorWindow.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>

class BoundRow;
class Database;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class frmDipSw;
struct AppContext;

// The system options window: the DipSwitch row's tones, tone source,
// low-priority stations, ring pattern and priority-phone options. The three
// two-way and three-way choices are option buttons kept in step with hidden
// controls that carry their columns. OK writes the changed columns and
// closes; Cancel and closing the frame write nothing.
class frmDip : public QWidget, public EditorWindow {
    Q_OBJECT
public:
    explicit frmDip(AppContext &context, QWidget *parent = nullptr);
    ~frmDip() override;

    // The options as the controls show them now, unsaved changes included.
    DipOptions currentOptions() const;
    // The switch picture while it is open.
    frmDipSw *dipSwitchWindow() const;

    void cmdDipswitch_Click();

    // EditorWindow
    bool UncommittedChanges() const override { return m_UncommittedChanges; }
    void cmdOk_Click() override;
    void cmdCancel_Click() override;

protected:
    bool event(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void Form_Load();
    void showRow();
    void markIfChanged(DipOptions::Field field);
    void optToneSource_Click(int index);
    void optPriority_Click(int index);
    void optRingPattern_Click(int index);
    void chkExtToneSource_Click();
    void chkPriorityGlobal_Click();
    void lblRingPattern_Change();
    void closeWindow();
    void logError(const QString &procedure, const QString &description);

    AppContext &m_context;
    std::unique_ptr<Database> m_db;
    std::unique_ptr<BoundRow> m_row;
    DipOptions m_shown; // what reading the row put into the controls

    // Boxes by field; the option fields have none.
    std::array<QCheckBox *, DipOptions::kFields> m_box{};
    std::array<QRadioButton *, 2> m_optToneSource{};
    std::array<QRadioButton *, 2> m_optPriority{};
    std::array<QRadioButton *, 3> m_optRingPattern{};
    QCheckBox *m_chkExtToneSource = nullptr;
    QCheckBox *m_chkPriorityGlobal = nullptr;
    QLabel *m_lblRingPattern = nullptr;
    QPushButton *m_cmdDipswitch = nullptr;
    QPushButton *m_cmdOK = nullptr;
    QPushButton *m_cmdCancel = nullptr;
    QPointer<frmDipSw> m_dipSw;

    bool m_UncommittedChanges = false;
    bool m_OkPressed = false;
};

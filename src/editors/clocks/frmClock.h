#pragma once

#include "ui/EditorWindow.h"

#include <QWidget>

#include <array>
#include <memory>

class BoundRow;
class ClockCatalogue;
class Database;
class DropDownCombo;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
struct AppContext;

// The clock board window: the type of clock lines A and B (chosen from the
// Clocks catalogue, stored as 1-based positions), the direction of the clock
// interface and the digital code format, all in the ClockDef row. Hidden
// fields carry the row's four columns and follow the visible controls both
// ways; OK writes the changed fields, Cancel and closing the frame nothing.
class frmClock : public QWidget, public EditorWindow {
    Q_OBJECT
public:
    // The row's columns in the order of the hidden fields.
    enum Field { ClockA, ClockB, Direction, BCDType, kFields };

    explicit frmClock(AppContext &context, QWidget *parent = nullptr);
    ~frmClock() override;

    // EditorWindow
    bool UncommittedChanges() const override { return m_UncommittedChanges; }
    void cmdOk_Click() override;
    void cmdCancel_Click() override;

protected:
    bool event(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void Form_Load();
    void LoadClockAListBox();
    void LoadClockBListBox();
    void loadClockList(DropDownCombo *list, const QString &procedure);
    void showRow();
    void GetClockAVars(const QString &name);
    void GetClockBVars(const QString &name);
    void showCorrection(QLabel *label, const QString &name, const QString &procedure);
    void cbClock_Click(Field field, int index);
    void fieldChanged(Field field);
    void txtClock_Change(Field field);
    void txtDirection_Change();
    void txtBCD_Type_Change();
    void optClicked(Field field, int index);
    void markChanged();
    void closeWindow();
    void logError(const QString &procedure, const QString &description);

    AppContext &m_context;
    std::unique_ptr<Database> m_db;
    std::unique_ptr<ClockCatalogue> m_catalogue;
    std::unique_ptr<BoundRow> m_row;

    QTabWidget *m_sss = nullptr;
    QGroupBox *m_fraBCDType = nullptr;
    std::array<QRadioButton *, 2> m_optDirection{};
    std::array<QRadioButton *, 4> m_optBCDType{};
    DropDownCombo *m_cbClockA = nullptr;
    DropDownCombo *m_cbClockB = nullptr;
    QLabel *m_lblCorrection = nullptr;
    QLabel *m_lblCorrectionB = nullptr;
    QPushButton *m_cmdOk = nullptr;
    QPushButton *m_cmdCancel = nullptr;
    std::array<QLineEdit *, kFields> m_field{}; // txtclockA, txtClockB, txtDirection, txtBCD_Type
    std::array<QString, kFields> m_shown;       // the fields' texts as the row gave them

    bool m_loaded = false;
    bool m_accepted = false;
    bool m_UncommittedChanges = false;
};

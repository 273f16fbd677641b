#pragma once

#include <QDialog>

class QCheckBox;
class QTableWidget;
struct AppContext;

// The debug window: the error log oldest first, Clear to empty it, and the two
// trace switches, which only Ok applies.
class frmDebug : public QDialog {
    Q_OBJECT
public:
    frmDebug(AppContext &context, QWidget *parent = nullptr);

    void LoadGrid();
    void cmdOk_Click();
    void cmdClear_Click();

private:
    AppContext &m_context;
    QCheckBox *m_comm = nullptr;
    QCheckBox *m_at = nullptr;
    QTableWidget *m_grid = nullptr;
};

#pragma once

#include "reports/ReportList.h"
#include "reports/ReportPrinting.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QGroupBox;
class QPushButton;
struct AppContext;

// The Print dialog: one box per report of the list, Print, Select All and
// Cancel. Print sends the checked reports, in list order, to the default
// printer (or to PDF files, see PrintDestination) and closes the dialog. The
// clock report's box is hidden without a clock board. When a definition file
// is missing the dialog says so once and Print stays disabled.
class frmPrint : public QDialog {
    Q_OBJECT
public:
    explicit frmPrint(AppContext &context, QWidget *parent = nullptr);

    QCheckBox *chkPrint(int index) const { return m_chkPrint.at(index); }
    const PrintDestination &destination() const { return m_destination; }
    void setDestination(const PrintDestination &destination) { m_destination = destination; }

    void cmdPrint_Click();
    void cmdSelectAll_Click();
    void cmdCancel_Click();

public slots:
    // Escape and the window frame's close act as Cancel.
    void reject() override;

private:
    void Form_Load();

    AppContext &m_context;
    PrintDestination m_destination;
    QGroupBox *m_frame = nullptr;
    std::array<QCheckBox *, ReportList::kCount> m_chkPrint{};
    QPushButton *m_cmdPrint = nullptr;
    QPushButton *m_cmdSelectAll = nullptr;
    QPushButton *m_cmdCancel = nullptr;
};

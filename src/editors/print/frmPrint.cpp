#include "editors/print/frmPrint.h"

#include "core/AppContext.h"
#include "ui/WindowUtil.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
const QString kWindowName = u"frmPrint"_s;
const QString kTitle = u"Print"_s;
constexpr int kWidthTwips = 4800;
constexpr int kHeightTwips = 3900;
// Without the clock report's box the dialog and its frame are this much lower.
constexpr int kClockRowTwips = 300;

} // namespace

frmPrint::frmPrint(AppContext &context, QWidget *parent) : QDialog(parent), m_context(context)
{
    setObjectName(kWindowName);
    setWindowTitle(kTitle);
    setModal(true);

    m_frame = new QGroupBox(u"Select data to print"_s, this);
    m_frame->setObjectName(u"Frame1"_s);
    auto *boxes = new QVBoxLayout(m_frame);
    boxes->setSpacing(2);
    for (int i = 0; i < ReportList::kCount; ++i) {
        m_chkPrint[i] = new QCheckBox(ReportList::caption(i), m_frame);
        m_chkPrint[i]->setObjectName(u"chkPrint"_s + QString::number(i));
        boxes->addWidget(m_chkPrint[i]);
    }
    boxes->addStretch();

    m_cmdPrint = commandButton(u"Print"_s, u"cmdPrint"_s, this);
    m_cmdSelectAll = commandButton(u"Select All"_s, u"cmdSelectAll"_s, this);
    m_cmdCancel = commandButton(u"Cancel"_s, u"cmdCancel"_s, this);
    connect(m_cmdPrint, &QPushButton::clicked, this, &frmPrint::cmdPrint_Click);
    connect(m_cmdSelectAll, &QPushButton::clicked, this, &frmPrint::cmdSelectAll_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &frmPrint::cmdCancel_Click);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_cmdPrint);
    buttons->addWidget(m_cmdSelectAll);
    buttons->addWidget(m_cmdCancel);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(9, 9, 9, 9);
    layout->addWidget(m_frame, 1);
    layout->addLayout(buttons);

    Form_Load();
}

void frmPrint::Form_Load()
{
    m_destination = PrintDestination::resolve(m_context.paths.appDir());
    int height = kHeightTwips;
    if (!m_context.state.ClockBoard) {
        m_chkPrint[ReportList::kClockOptions]->hide();
        height -= kClockRowTwips;
    }
    // The layout's own size wins where the fonts need more room (a larger
    // scale or font than the design's).
    const QSize hint = sizeHint();
    setFixedSize(std::max(twips(kWidthTwips), hint.width()), std::max(twips(height), hint.height()));
    CenterScreen(this);

    for (int i = 0; i < ReportList::kCount; ++i) {
        if (!m_context.files.IsFile(ReportList::definitionPath(m_context.paths.appDir(), i))) {
            m_cmdPrint->setEnabled(false);
            m_context.prompter.message(u"Cannot print data because print files not found."_s, kTitle,
                                       Prompter::Exclamation);
            break;
        }
    }
}

void frmPrint::cmdSelectAll_Click()
{
    for (int i = 0; i < ReportList::kCount; ++i)
        m_chkPrint[i]->setChecked(i != ReportList::kClockOptions || m_context.state.ClockBoard);
}

void frmPrint::cmdPrint_Click()
{
    QList<int> checked;
    for (int i = 0; i < ReportList::kCount; ++i)
        if (m_chkPrint[i]->isChecked())
            checked << i;
    if (!checked.isEmpty()) {
        setEnabled(false);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const ReportPrinting printing(m_context.paths.appDir(), m_context.paths.TempDbPath(),
                                      m_context.state.CurrentFileName, m_context.clock.wallNow());
        const PrintOutcome outcome =
            printing.printAll(checked, m_destination, [] { QCoreApplication::processEvents(); });
        QApplication::restoreOverrideCursor();
        setEnabled(true);
        if (outcome.failed >= 0) {
            m_context.log.LogError(ErrNo::InvalidProcedureCall, outcome.error, kWindowName, kWindowName, u"cmdPrint"_s);
            m_context.prompter.message(u"\""_s + ReportList::caption(outcome.failed).trimmed() +
                                           u"\" could not be printed: "_s + outcome.error + u"."_s,
                                       kTitle, Prompter::Exclamation);
        }
        if (m_destination.noPrinter && !outcome.printed.isEmpty())
            m_context.prompter.message(u"No printer is available. The reports were saved as PDF files in "_s +
                                           m_destination.pdfDir + u"."_s,
                                       kTitle, Prompter::Information);
    }
    accept();
}

void frmPrint::cmdCancel_Click()
{
    QDialog::reject();
}

void frmPrint::reject()
{
    cmdCancel_Click();
}

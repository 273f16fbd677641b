#include "editors/stations/frmAuto.h"

#include "config/Schema.h"
#include "core/AppContext.h"
#include "editors/stations/AutoNumbering.h"
#include "ui/WindowUtil.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
QLabel *label(const QString &text, const QString &name, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}
} // namespace

frmAuto::frmAuto(AppContext &context, int startStation, const QString &startArchnum, QWidget *parent)
    : QDialog(parent), m_context(context), m_startStation(startStation), m_startArchnum(startArchnum)
{
    setObjectName(u"frmAuto"_s);
    setWindowTitle(u"Auto Numbering"_s);
    setModal(true);

    m_txtStopArchnum = new QLineEdit(startArchnum, this);
    m_txtStopArchnum->setObjectName(u"txtStopArchnum"_s);
    m_txtStopArchnum->setMaxLength(Schema::kArchNumWidth);
    m_txtStopArchnum->setValidator(new QRegularExpressionValidator(QRegularExpression(u"[0-9]*"_s), m_txtStopArchnum));
    m_txtStopArchnum->setMaximumWidth(m_txtStopArchnum->fontMetrics().horizontalAdvance(u"00000000"_s) + 12);
    m_txtStopArchnum->installEventFilter(this);

    auto *grid = new QGridLayout;
    grid->addWidget(label(u"Station :"_s, u"Label2"_s, this), 0, 0);
    grid->addWidget(label(QString::number(startStation), u"lblStartStation"_s, this), 0, 1);
    grid->addWidget(label(u"Arch Number :"_s, u"Label3"_s, this), 1, 0);
    grid->addWidget(label(startArchnum, u"lblStartArchnum"_s, this), 1, 1);
    grid->setColumnStretch(2, 1);
    grid->setContentsMargins(16, 0, 0, 0);

    auto *prompt = label(u"Enter last Arch Number in auto numbering sequence:"_s, u"Label4"_s, this);
    prompt->setBuddy(m_txtStopArchnum);

    auto *cmdOK = commandButton(u"OK"_s, u"cmdOK"_s, this);
    auto *cmdCancel = commandButton(u"Cancel"_s, u"cmdCancel"_s, this);
    connect(cmdOK, &QPushButton::clicked, this, &frmAuto::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmAuto::cmdCancel_Click);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label(u"Automatically increment Arch Numbers starting from "_s, u"Label1"_s, this));
    layout->addLayout(grid);
    layout->addWidget(prompt);
    layout->addWidget(m_txtStopArchnum);
    layout->addLayout(buttons);
    adjustSize();
    CenterScreen(this);
}

bool frmAuto::Exceeds_Max_Station() const
{
    return AutoNumbering::Exceeds_Max_Station(m_startStation, AutoNumbering::value(m_startArchnum),
                                              AutoNumbering::value(m_txtStopArchnum->text()),
                                              m_context.state.ExpansionBoards);
}

bool frmAuto::Conflicts_In_Range() const
{
    return AutoNumbering::Conflicts_In_Range(m_startArchnum, AutoNumbering::value(m_startArchnum),
                                             AutoNumbering::value(m_txtStopArchnum->text()));
}

void frmAuto::cmdOk_Click()
{
    const QString last = m_txtStopArchnum->text();
    if (const auto refusal =
            AutoNumbering::check(m_startStation, m_startArchnum, last, m_context.state.ExpansionBoards)) {
        m_context.prompter.ask(*refusal, AutoNumbering::kCheckTitle, Prompter::Ok, Prompter::Exclamation);
        m_txtStopArchnum->setText(m_startArchnum);
        m_txtStopArchnum->selectAll();
        m_txtStopArchnum->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_stopStation = AutoNumbering::lastStation(m_startStation, m_startArchnum, last);
    done(Accepted);
}

void frmAuto::cmdCancel_Click()
{
    m_stopStation.reset();
    done(Rejected);
}

void frmAuto::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    m_txtStopArchnum->setFocus(Qt::OtherFocusReason);
}

bool frmAuto::eventFilter(QObject *watched, QEvent *e)
{
    if (watched == m_txtStopArchnum && e->type() == QEvent::FocusIn)
        QTimer::singleShot(0, m_txtStopArchnum, [box = m_txtStopArchnum] { box->selectAll(); });
    return QDialog::eventFilter(watched, e);
}

#include "editors/sysconfig/frmConfig.h"

#include "core/AppContext.h"
#include "editors/sysconfig/frmDetail.h"
#include "ui/WindowUtil.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
constexpr int kWidthTwips = 5400;
constexpr int kHeightTwips = 2900;

} // namespace

frmConfig::frmConfig(AppContext &context, QWidget *parent) : QDialog(parent), m_context(context), m_change(context)
{
    setObjectName(u"frmConfig"_s);
    setWindowTitle(u"System Configuration"_s);
    setModal(true);

    auto *frame = new QGroupBox(u"Select System Configuration"_s, this);
    frame->setObjectName(u"Frame1"_s);
    auto *options = new QVBoxLayout(frame);
    m_group = new QButtonGroup(this);
    const QString captions[] = {u" Main Board"_s, u" Main Board + Expansion 1"_s, u" Main Board + Expansion 1, 2"_s,
                                u" Main Board + Expansion 1, 2, 3"_s};
    for (int i = 0; i < int(m_optConfig.size()); ++i) {
        m_optConfig[i] = new QRadioButton(captions[i], frame);
        m_optConfig[i]->setObjectName(u"optConfig"_s + QString::number(i));
        m_group->addButton(m_optConfig[i], i);
        options->addWidget(m_optConfig[i]);
    }
    m_cbClock = new QCheckBox(u" Clock Board"_s, this);
    m_cbClock->setObjectName(u"cbClock"_s);

    auto *ok = commandButton(u"OK"_s, u"cmdOK"_s, this);
    auto *cancel = commandButton(u"Cancel"_s, u"cmdCancel"_s, this);
    auto *details = commandButton(u"Details..."_s, u"cmdDetails"_s, this);
    connect(ok, &QPushButton::clicked, this, &frmConfig::cmdOk_Click);
    connect(cancel, &QPushButton::clicked, this, &frmConfig::cmdCancel_Click);
    connect(details, &QPushButton::clicked, this, &frmConfig::cmdDetails_Click);

    auto *left = new QVBoxLayout;
    left->addWidget(frame);
    left->addWidget(m_cbClock);
    left->addStretch();
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    buttons->addWidget(details);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    Form_Load();
}

void frmConfig::Form_Load()
{
    // The layout's own size wins where the fonts need more room than the design's.
    const QSize hint = sizeHint();
    setFixedSize(std::max(twips(kWidthTwips), hint.width()), std::max(twips(kHeightTwips), hint.height()));
    CenterScreen(this);
    m_cbClock->setChecked(m_change.oldClockBoard());
    m_optConfig[std::clamp(m_change.oldBoards(), 0, 3)]->setChecked(true);
}

int frmConfig::selectedBoards() const
{
    return std::max(m_group->checkedId(), 0);
}

void frmConfig::cmdOk_Click()
{
    // Declining the removal of boards closes the window as Cancel does.
    if (m_change.apply(selectedBoards(), m_cbClock->isChecked()))
        accept();
    else
        QDialog::reject();
}

void frmConfig::cmdCancel_Click()
{
    QDialog::reject();
}

void frmConfig::reject()
{
    cmdCancel_Click();
}

void frmConfig::cmdDetails_Click()
{
    frmDetail details(this);
    details.exec();
}

void frmConfig::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isMaximized())
        showNormal();
    QDialog::changeEvent(event);
}

#include "editors/options/frmDip.h"

#include "core/AppContext.h"
#include "core/MainWindowHost.h"
#include "editors/options/BoundRow.h"
#include "editors/options/frmDipSw.h"
#include "platform/Database.h"
#include "ui/SubWindowActivation.h"
#include "ui/WindowUtil.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
const QString kWindowName = u"frmDip"_s;
constexpr int kWidthTwips = 6405;
constexpr int kHeightTwips = 5895;

using F = DipOptions::Field;

QPushButton *button(const QString &name, const QString &caption, QWidget *parent)
{
    return commandButton(caption, name, parent);
}

QRadioButton *option(const QString &name, const QString &caption, QWidget *parent, QButtonGroup *group, int id)
{
    auto *o = new QRadioButton(caption, parent);
    o->setObjectName(name);
    group->addButton(o, id);
    return o;
}

// Selects the option of a group whose id is value; none when no option has it.
template <std::size_t N> void selectOption(const std::array<QRadioButton *, N> &options, int value)
{
    if (value >= 0 && value < int(N)) {
        options[value]->setChecked(true);
        return;
    }
    QButtonGroup *group = options[0]->group();
    group->setExclusive(false);
    for (QRadioButton *o : options)
        o->setChecked(false);
    group->setExclusive(true);
}
} // namespace

frmDip::frmDip(AppContext &context, QWidget *parent) : QWidget(parent), m_context(context)
{
    setObjectName(kWindowName);
    setWindowTitle(u"System Options"_s);

    m_db = std::make_unique<Database>(context.paths.TempDbPath());
    m_row = std::make_unique<BoundRow>(*m_db, u"DipSwitch"_s, DipOptions::columns());

    const auto box = [this](F field, const QString &name, const QString &caption, QWidget *frame) {
        auto *b = new QCheckBox(caption, frame);
        b->setObjectName(name);
        m_box[field] = b;
        connect(b, &QCheckBox::toggled, this, [this, field] { markIfChanged(field); });
        return b;
    };

    auto *frame3 = new QGroupBox(u"Tone Options"_s, this);
    frame3->setObjectName(u"Frame3"_s);
    auto *toneLayout = new QVBoxLayout(frame3);
    toneLayout->addWidget(box(F::DialTone, u"chkDialTone"_s, u" Dial Tone"_s, frame3));
    toneLayout->addWidget(box(F::QueueTone, u"chkQueueTone"_s, u" Queue Tone"_s, frame3));
    toneLayout->addWidget(box(F::HfAlertTone, u"chkHfAlertTone"_s, u" Handsfree Alert Tone"_s, frame3));
    toneLayout->addWidget(box(F::PageAlertTone, u"chkPageAlertTone"_s, u" Page Alert Tone"_s, frame3));
    toneLayout->addWidget(box(F::RingbackTone, u"chkRingbackTone"_s, u" Ringback Tone"_s, frame3));
    toneLayout->addWidget(box(F::PrivacyTone, u"chkPrivacyTone"_s, u" Privacy Tone"_s, frame3));

    auto *frame2 = new QGroupBox(u"Tone Source"_s, this);
    frame2->setObjectName(u"Frame2"_s);
    auto *sourceGroup = new QButtonGroup(frame2);
    auto *sourceLayout = new QVBoxLayout(frame2);
    const QStringList sources{u" Internal"_s, u" External"_s};
    for (int i = 0; i < 2; ++i) {
        m_optToneSource[i] = option(u"optToneSource"_s + QString::number(i), sources[i], frame2, sourceGroup, i);
        connect(m_optToneSource[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optToneSource_Click(i);
        });
        sourceLayout->addWidget(m_optToneSource[i]);
    }

    auto *frame1 = new QGroupBox(u"Low Priority Options"_s, this);
    frame1->setObjectName(u"Frame1"_s);
    auto *lowLayout = new QVBoxLayout(frame1);
    for (int i = 0; i < 4; ++i)
        lowLayout->addWidget(box(F(F::LowStn21 + i), u"chkLowStation"_s + QString::number(i),
                                 u" Station "_s + QString::number(21 + i), frame1));

    auto *frame4 = new QGroupBox(u"Ring Pattern"_s, this);
    frame4->setObjectName(u"Frame4"_s);
    auto *ringGroup = new QButtonGroup(frame4);
    auto *ringLayout = new QVBoxLayout(frame4);
    const QStringList rings{u" American"_s, u" Dutch"_s, u" British"_s};
    for (int i = 0; i < 3; ++i) {
        m_optRingPattern[i] = option(u"optRingPattern"_s + QString::number(i), rings[i], frame4, ringGroup, i);
        connect(m_optRingPattern[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optRingPattern_Click(i);
        });
        ringLayout->addWidget(m_optRingPattern[i]);
    }

    auto *frame5 = new QGroupBox(u"Priority Phone Options"_s, this);
    frame5->setObjectName(u"Frame5"_s);
    auto *label1 = new QLabel(u"Offhook generates :"_s, frame5);
    label1->setObjectName(u"Label1"_s);
    auto *priorityGroup = new QButtonGroup(frame5);
    const QStringList priorities{u" Local All Call"_s, u" Global All Call"_s};
    for (int i = 0; i < 2; ++i) {
        m_optPriority[i] = option(u"optPriority"_s + QString::number(i), priorities[i], frame5, priorityGroup, i);
        connect(m_optPriority[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optPriority_Click(i);
        });
    }
    auto *label2 = new QLabel(u"(multi-system)"_s, frame5);
    label2->setObjectName(u"Label2"_s);
    QCheckBox *chkOverride = box(F::PriorityOverride, u"chkOverride"_s, u" Override External Global"_s, frame5);
    auto *label3 = new QLabel(u"All Call (multi-system)"_s, frame5);
    label3->setObjectName(u"Label3"_s);
    // The second line of each option's caption sits under its text, not under
    // the button's indicator.
    const int indent = m_optPriority[1]->sizeHint().width() -
                       m_optPriority[1]->fontMetrics().horizontalAdvance(m_optPriority[1]->text());
    label2->setIndent(indent);
    label3->setIndent(indent);
    auto *priorityLayout = new QGridLayout(frame5);
    priorityLayout->setVerticalSpacing(2);
    priorityLayout->addWidget(label1, 0, 0);
    priorityLayout->addWidget(m_optPriority[0], 0, 1);
    priorityLayout->addWidget(m_optPriority[1], 1, 1);
    priorityLayout->addWidget(label2, 2, 1);
    priorityLayout->addWidget(chkOverride, 3, 1);
    priorityLayout->addWidget(label3, 4, 1);
    priorityLayout->setColumnStretch(1, 1);

    // The columns behind the option buttons; never shown.
    m_chkExtToneSource = new QCheckBox(u"Ext Tone Source"_s, this);
    m_chkExtToneSource->setObjectName(u"chkExtToneSource"_s);
    m_chkPriorityGlobal = new QCheckBox(u"Priority Global"_s, this);
    m_chkPriorityGlobal->setObjectName(u"chkPriorityGlobal"_s);
    m_lblRingPattern = new QLabel(this);
    m_lblRingPattern->setObjectName(u"lblRingPattern"_s);
    for (QWidget *hidden : {static_cast<QWidget *>(m_chkExtToneSource), static_cast<QWidget *>(m_chkPriorityGlobal),
                            static_cast<QWidget *>(m_lblRingPattern)})
        hidden->hide();
    connect(m_chkExtToneSource, &QCheckBox::toggled, this, &frmDip::chkExtToneSource_Click);
    connect(m_chkPriorityGlobal, &QCheckBox::toggled, this, &frmDip::chkPriorityGlobal_Click);

    m_cmdDipswitch = button(u"cmdDipswitch"_s, u"Dip Switch"_s, this);
    m_cmdOK = button(u"cmdOK"_s, u"OK"_s, this);
    m_cmdCancel = button(u"cmdCancel"_s, u"Cancel"_s, this);
    connect(m_cmdDipswitch, &QPushButton::clicked, this, &frmDip::cmdDipswitch_Click);
    connect(m_cmdOK, &QPushButton::clicked, this, &frmDip::cmdOk_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &frmDip::cmdCancel_Click);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &frmDip::cmdCancel_Click);

    auto *left = new QVBoxLayout;
    left->addWidget(frame3);
    left->addWidget(frame2);
    left->addStretch();
    auto *right = new QVBoxLayout;
    right->addWidget(frame1);
    right->addWidget(frame4);
    right->addStretch();
    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_cmdDipswitch);
    buttons->addStretch();
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(frame5);
    layout->addStretch();
    layout->addLayout(buttons);

    // The design size, grown where the fonts need more room than it gives.
    resize(QSize(twips(kWidthTwips), twips(kHeightTwips)).expandedTo(minimumSizeHint()));
    Form_Load();
}

frmDip::~frmDip() = default;

frmDipSw *frmDip::dipSwitchWindow() const
{
    return m_dipSw;
}

void frmDip::logError(const QString &procedure, const QString &description)
{
    m_context.log.LogError(ErrNo::DatabaseError, description, kWindowName, kWindowName, procedure);
}

void frmDip::Form_Load()
{
    m_OkPressed = false;
    m_UncommittedChanges = false;
    if (!m_db->isOpen() || !m_row->read())
        logError(u"Form_Load"_s, m_db->isOpen() ? m_row->lastError() : m_db->lastError());
    showRow();
}

void frmDip::showRow()
{
    // What the controls are given here is what later clicks are compared
    // with, so reading the row never counts as a change.
    m_shown = DipOptions::fromRow(*m_row);
    for (int f = 0; f < DipOptions::kFields; ++f)
        if (m_box[f])
            m_box[f]->setChecked(m_shown.on(F(f)));
    m_chkExtToneSource->setChecked(m_shown.on(F::ExtToneSource));
    m_chkPriorityGlobal->setChecked(m_shown.on(F::PriorityGlobal));
    selectOption(m_optToneSource, m_shown.value(F::ExtToneSource));
    selectOption(m_optPriority, m_shown.value(F::PriorityGlobal));
    const int ring = m_shown.value(F::RingPattern);
    m_lblRingPattern->setText(ring == DipOptions::kNoRingPattern ? QString() : QString::number(ring));
    selectOption(m_optRingPattern, ring);
}

DipOptions frmDip::currentOptions() const
{
    DipOptions options;
    for (int f = 0; f < DipOptions::kFields; ++f)
        if (m_box[f])
            options.set(F(f), m_box[f]->isChecked() ? 1 : 0);
    options.set(F::ExtToneSource, m_chkExtToneSource->isChecked() ? 1 : 0);
    options.set(F::PriorityGlobal, m_chkPriorityGlobal->isChecked() ? 1 : 0);
    bool number = false;
    const int ring = m_lblRingPattern->text().toInt(&number);
    options.set(F::RingPattern, number ? ring : DipOptions::kNoRingPattern);
    return options;
}

void frmDip::markIfChanged(DipOptions::Field field)
{
    if (currentOptions().value(field) == m_shown.value(field))
        return;
    m_UncommittedChanges = true;
    if (m_context.host)
        m_context.host->setSaveEnabled(true);
}

void frmDip::optToneSource_Click(int index)
{
    m_chkExtToneSource->setChecked(index == 1);
}

void frmDip::optPriority_Click(int index)
{
    m_chkPriorityGlobal->setChecked(index == 1);
}

void frmDip::optRingPattern_Click(int index)
{
    const QString text = QString::number(index);
    if (m_lblRingPattern->text() == text)
        return;
    m_lblRingPattern->setText(text);
    lblRingPattern_Change();
}

void frmDip::chkExtToneSource_Click()
{
    selectOption(m_optToneSource, m_chkExtToneSource->isChecked() ? 1 : 0);
    markIfChanged(F::ExtToneSource);
}

void frmDip::chkPriorityGlobal_Click()
{
    selectOption(m_optPriority, m_chkPriorityGlobal->isChecked() ? 1 : 0);
    markIfChanged(F::PriorityGlobal);
}

void frmDip::lblRingPattern_Change()
{
    bool number = false;
    const int ring = m_lblRingPattern->text().toInt(&number);
    selectOption(m_optRingPattern, number ? ring : DipOptions::kNoRingPattern);
    markIfChanged(F::RingPattern);
}

void frmDip::cmdDipswitch_Click()
{
    if (m_dipSw)
        return;
    auto *picture = new frmDipSw(currentOptions(), this);
    picture->setAttribute(Qt::WA_DeleteOnClose);
    m_dipSw = picture;
    picture->setWindowModality(Qt::ApplicationModal);
    picture->show();
}

void frmDip::cmdOk_Click()
{
    // The row is written before the window goes, so a failed write keeps the
    // window and its changes instead of closing as if they were stored.
    if (!m_row->write(currentOptions().changesFrom(m_shown))) {
        logError(u"cmdOk_Click"_s, m_row->lastError());
        m_context.prompter.message(u"The system options could not be saved:\r\n"_s + m_row->lastError(),
                                   m_context.state.variant.ProductTitle, Prompter::Exclamation);
        return;
    }
    m_shown = currentOptions();
    if (m_UncommittedChanges)
        m_context.state.markUnsaved();
    m_OkPressed = true;
    closeWindow();
}

void frmDip::cmdCancel_Click()
{
    m_OkPressed = false;
    closeWindow();
}

void frmDip::closeWindow()
{
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->close();
    else
        close();
}

bool frmDip::event(QEvent *e)
{
    if (e->type() == QEvent::ParentChange)
        restoreNormalWhenActivated(this);
    return QWidget::event(e);
}

void frmDip::closeEvent(QCloseEvent *e)
{
    if (m_dipSw)
        m_dipSw->close();
    // Without OK nothing was written; the controls go back to the row so a
    // window shown again starts from what is stored.
    if (!m_OkPressed)
        showRow();
    m_OkPressed = false;
    m_UncommittedChanges = false;
    if (m_context.host)
        m_context.host->UpdateFileSaveOpt();
    e->accept();
}

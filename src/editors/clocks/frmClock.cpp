#include "editors/clocks/frmClock.h"

#include "core/AppContext.h"
#include "core/MainWindowHost.h"
#include "editors/clocks/ClockCatalogue.h"
#include "editors/options/BoundRow.h"
#include "platform/Database.h"
#include "ui/DropDownCombo.h"
#include "ui/SubWindowActivation.h"
#include "ui/WindowUtil.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
const QString kWindowName = u"frmClock"_s;
constexpr int kWidthTwips = 6015;
constexpr int kHeightTwips = 4215;

const QStringList &columnNames()
{
    static const QStringList names{u"ClockA"_s, u"ClockB"_s, u"Direction"_s, u"BCD_Type"_s};
    return names;
}

// Checks option value of a group, or none when value is not one of its options.
template <std::size_t N> bool selectOption(const std::array<QRadioButton *, N> &options, const QString &text)
{
    bool number = false;
    const int value = text.toInt(&number);
    if (number && value >= 0 && value < int(N)) {
        options[value]->setChecked(true);
        return true;
    }
    QButtonGroup *group = options[0]->group();
    group->setExclusive(false);
    for (QRadioButton *o : options)
        o->setChecked(false);
    group->setExclusive(true);
    return text.isEmpty();
}

QWidget *clockPage(const QString &listName, DropDownCombo *&list, const QString &labelName, QLabel *&correction)
{
    auto *page = new QWidget;
    list = new DropDownCombo(page);
    list->setObjectName(listName);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    list->setMinimumContentsLength(18);
    correction = new QLabel(page);
    correction->setObjectName(labelName);
    correction->setWordWrap(true);
    auto *form = new QFormLayout;
    form->addRow(u"Clock Type "_s, list);
    form->addRow(u"Corrected:"_s, correction);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(form);
    layout->addStretch();
    return page;
}
} // namespace

frmClock::frmClock(AppContext &context, QWidget *parent) : QWidget(parent), m_context(context)
{
    setObjectName(kWindowName);
    setWindowTitle(u"Modify Clock Configurations"_s);

    m_db = std::make_unique<Database>(context.paths.TempDbPath());
    m_catalogue = std::make_unique<ClockCatalogue>(*m_db);
    m_row = std::make_unique<BoundRow>(*m_db, u"ClockDef"_s, columnNames());

    m_sss = new QTabWidget(this);
    m_sss->setObjectName(u"sss"_s);

    auto *digital = new QWidget;
    auto *fraDirection = new QGroupBox(u"Direction"_s, digital);
    fraDirection->setObjectName(u"fraDirection"_s);
    auto *directionGroup = new QButtonGroup(fraDirection);
    auto *directionLayout = new QVBoxLayout(fraDirection);
    const QStringList directions{u"Input"_s, u"Output"_s};
    for (int i = 0; i < 2; ++i) {
        m_optDirection[i] = new QRadioButton(directions[i], fraDirection);
        m_optDirection[i]->setObjectName(u"optDirection"_s + QString::number(i));
        directionGroup->addButton(m_optDirection[i], i);
        connect(m_optDirection[i], &QRadioButton::clicked, this, [this, i] { optClicked(Direction, i); });
        directionLayout->addWidget(m_optDirection[i]);
    }
    directionLayout->addStretch();
    m_fraBCDType = new QGroupBox(u"BCD Type"_s, digital);
    m_fraBCDType->setObjectName(u"fraBCDType"_s);
    auto *formatGroup = new QButtonGroup(m_fraBCDType);
    auto *formatLayout = new QVBoxLayout(m_fraBCDType);
    const QStringList formats{u"12 Hour"_s, u"24  Hour"_s, u"12 Hour Enhanced"_s, u"24 Hour Enhanced"_s};
    for (int i = 0; i < 4; ++i) {
        m_optBCDType[i] = new QRadioButton(formats[i], m_fraBCDType);
        m_optBCDType[i]->setObjectName(u"optBCDType"_s + QString::number(i));
        formatGroup->addButton(m_optBCDType[i], i);
        connect(m_optBCDType[i], &QRadioButton::clicked, this, [this, i] { optClicked(BCDType, i); });
        formatLayout->addWidget(m_optBCDType[i]);
    }
    auto *digitalLayout = new QHBoxLayout(digital);
    digitalLayout->addWidget(fraDirection);
    digitalLayout->addWidget(m_fraBCDType, 1);
    m_sss->addTab(digital, u"BCD"_s);
    m_sss->addTab(clockPage(u"cbClockA"_s, m_cbClockA, u"lblCorrection"_s, m_lblCorrection), u"Clock A"_s);
    m_sss->addTab(clockPage(u"cbClockB"_s, m_cbClockB, u"lblCorrectionB"_s, m_lblCorrectionB), u"Clock B"_s);

    connect(m_cbClockA, &QComboBox::currentIndexChanged, this, [this](int index) { cbClock_Click(ClockA, index); });
    connect(m_cbClockB, &QComboBox::currentIndexChanged, this, [this](int index) { cbClock_Click(ClockB, index); });
    connect(m_cbClockA, &DropDownCombo::droppedDown, this, &frmClock::markChanged);
    connect(m_cbClockB, &DropDownCombo::droppedDown, this, &frmClock::markChanged);

    // The row's columns; never shown.
    const QStringList fieldNames{u"txtclockA"_s, u"txtClockB"_s, u"txtDirection"_s, u"txtBCD_Type"_s};
    for (int f = 0; f < kFields; ++f) {
        m_field[f] = new QLineEdit(this);
        m_field[f]->setObjectName(fieldNames[f]);
        m_field[f]->hide();
    }
    for (int f = 0; f < kFields; ++f)
        connect(m_field[f], &QLineEdit::textChanged, this, [this, f] { fieldChanged(Field(f)); });

    m_cmdOk = new QPushButton(u"OK"_s, this);
    m_cmdOk->setObjectName(u"cmdOk"_s);
    m_cmdCancel = new QPushButton(u"Cancel"_s, this);
    m_cmdCancel->setObjectName(u"cmdCancel"_s);
    for (QPushButton *b : {m_cmdOk, m_cmdCancel})
        b->setAutoDefault(false);
    connect(m_cmdOk, &QPushButton::clicked, this, &frmClock::cmdOk_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &frmClock::cmdCancel_Click);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &frmClock::cmdCancel_Click);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdOk);
    buttons->addWidget(m_cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_sss, 1);
    layout->addLayout(buttons);

    Form_Load();
}

frmClock::~frmClock() = default;

void frmClock::logError(const QString &procedure, const QString &description)
{
    m_context.log.LogError(ErrNo::DatabaseError, description, kWindowName, kWindowName, procedure);
}

void frmClock::Form_Load()
{
    m_loaded = false;
    // The design size, grown where the fonts need more room than it gives.
    resize(QSize(twips(kWidthTwips), twips(kHeightTwips)).expandedTo(minimumSizeHint()));
    m_sss->setTabText(0, u"Digital"_s);
    m_fraBCDType->setTitle(u"Digital Type"_s);
    LoadClockAListBox();
    LoadClockBListBox();
    m_accepted = false;
    m_UncommittedChanges = false;
    if (!m_db->isOpen() || !m_row->read())
        logError(u"dtaClock"_s, m_db->isOpen() ? m_row->lastError() : m_db->lastError());
    showRow();
    m_loaded = true;
}

void frmClock::LoadClockAListBox()
{
    loadClockList(m_cbClockA, u"LoadClockA"_s);
}

void frmClock::LoadClockBListBox()
{
    loadClockList(m_cbClockB, u"LoadClockBListBox"_s);
}

void frmClock::loadClockList(DropDownCombo *list, const QString &procedure)
{
    list->clear();
    if (!m_catalogue->load())
        logError(procedure, m_catalogue->lastError());
    list->addItems(m_catalogue->names());
    list->setCurrentIndex(-1);
}

void frmClock::showRow()
{
    // Every field selects its control even when its text does not change.
    for (int f = 0; f < kFields; ++f) {
        m_shown[f] = m_row->stored(columnNames()[f]).toString();
        const QSignalBlocker blocker(m_field[f]);
        m_field[f]->setText(m_shown[f]);
    }
    for (int f = 0; f < kFields; ++f)
        fieldChanged(Field(f));
}

void frmClock::fieldChanged(Field field)
{
    switch (field) {
    case ClockA:
    case ClockB: txtClock_Change(field); break;
    case Direction: txtDirection_Change(); break;
    case BCDType: txtBCD_Type_Change(); break;
    default: break;
    }
}

void frmClock::markChanged()
{
    if (!m_loaded)
        return;
    m_UncommittedChanges = true;
    if (m_context.host)
        m_context.host->setSaveEnabled(true);
}

void frmClock::optClicked(Field field, int index)
{
    m_field[field]->setText(QString::number(index));
    markChanged();
}

void frmClock::txtDirection_Change()
{
    if (!selectOption(m_optDirection, m_field[Direction]->text()))
        logError(u"txtDir"_s, u"No direction "_s + m_field[Direction]->text());
}

void frmClock::txtBCD_Type_Change()
{
    if (!selectOption(m_optBCDType, m_field[BCDType]->text()))
        logError(u"txtBCD"_s, u"No digital type "_s + m_field[BCDType]->text());
}

void frmClock::txtClock_Change(Field field)
{
    DropDownCombo *list = field == ClockA ? m_cbClockA : m_cbClockB;
    const QString text = m_field[field]->text();
    bool outOfRange = false;
    const int index = ClockCatalogue::entryIndex(text.toInt(), list->count(), &outOfRange);
    if (outOfRange)
        logError(field == ClockA ? u"txtClockA"_s : u"txtClockB"_s,
                 u"No clock type at position "_s + text + u" of "_s + QString::number(list->count()));
    if (list->currentIndex() != index)
        list->setCurrentIndex(index);
    // A clock type chosen from the keyboard is an edit too; opening the list
    // already counted as one.
    if (text != m_shown[field])
        markChanged();
}

void frmClock::cbClock_Click(Field field, int index)
{
    if (index < 0)
        return;
    DropDownCombo *list = field == ClockA ? m_cbClockA : m_cbClockB;
    if (field == ClockA)
        GetClockAVars(list->itemText(index));
    else
        GetClockBVars(list->itemText(index));
    const QString position = QString::number(index + 1);
    if (m_field[field]->text() != position)
        m_field[field]->setText(position);
}

void frmClock::GetClockAVars(const QString &name)
{
    showCorrection(m_lblCorrection, name, u"GetClockAVars"_s);
}

void frmClock::GetClockBVars(const QString &name)
{
    showCorrection(m_lblCorrectionB, name, u"GetClockBVars"_s);
}

void frmClock::showCorrection(QLabel *label, const QString &name, const QString &procedure)
{
    if (const auto text = m_catalogue->correction(name))
        label->setText(*text);
    else if (!m_catalogue->lastError().isEmpty())
        logError(procedure, m_catalogue->lastError());
}

void frmClock::cmdOk_Click()
{
    QHash<QString, QVariant> changes;
    for (int f = 0; f < kFields; ++f)
        if (m_field[f]->text() != m_shown[f])
            changes.insert(columnNames()[f], m_field[f]->text().toInt());
    // Written before the window goes: a failed write keeps the window and its
    // changes instead of closing as if they were stored.
    if (!m_row->write(changes)) {
        logError(u"GetClockAVars"_s, m_row->lastError());
        m_context.prompter.message(u"The clock configuration could not be saved:\r\n"_s + m_row->lastError(),
                                   m_context.state.variant.ProductTitle, Prompter::Exclamation);
        return;
    }
    for (int f = 0; f < kFields; ++f)
        m_shown[f] = m_field[f]->text();
    if (m_UncommittedChanges)
        m_context.state.markUnsaved();
    m_accepted = true;
    closeWindow();
}

void frmClock::cmdCancel_Click()
{
    m_accepted = false;
    closeWindow();
}

void frmClock::closeWindow()
{
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->close();
    else
        close();
}

bool frmClock::event(QEvent *e)
{
    if (e->type() == QEvent::ParentChange)
        restoreNormalWhenActivated(this);
    return QWidget::event(e);
}

void frmClock::closeEvent(QCloseEvent *e)
{
    if (!m_accepted) {
        m_loaded = false;
        showRow();
        m_loaded = true;
    }
    m_accepted = false;
    m_UncommittedChanges = false;
    if (m_context.host)
        m_context.host->UpdateFileSaveOpt();
    e->accept();
}

#include "editors/schedules/frmEvent.h"

#include "core/AppContext.h"
#include "core/MainWindowHost.h"
#include "editors/schedules/EventValidation.h"
#include "editors/schedules/ScheduleEvents.h"
#include "editors/schedules/frmSched.h"
#include "platform/Database.h"
#include "ui/WindowUtil.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
const QString kWindowName = u"frmEvent"_s;
constexpr int kHour = 0, kMinute = 1;
constexpr int kFirst = 0, kPrevious = 1, kNext = 2, kLast = 3;
constexpr int kPageGroupsPerBoard = 4;
constexpr int kMaxExpansionBoards = 3;
constexpr QChar kDeleteChar = QChar(0x7f);

// The bars count up towards their upper arrow. A scroll bar's value grows
// towards its lower arrow, so each bar holds the negated number: barValue()
// and setBarValue() read and write the number itself.
QScrollBar *upDownBar(QWidget *parent, const QString &name, int min, int max)
{
    auto *bar = new QScrollBar(Qt::Vertical, parent);
    bar->setObjectName(name);
    bar->setRange(-max, -min);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setFixedSize(17, 26);
    return bar;
}

int barValue(const QScrollBar *bar)
{
    return -bar->value();
}

void setBarValue(QScrollBar *bar, int value)
{
    bar->setValue(-value);
}

bool isPrintable(QChar c)
{
    return c.unicode() >= 0x20 && c != kDeleteChar;
}
} // namespace

frmEvent::frmEvent(AppContext &context, frmSched &view, int row)
    : QDialog(&view), m_context(context), m_view(view), m_schedule(view.schedule())
{
    setObjectName(kWindowName);
    setModal(true);

    m_lblViewEvent = new QLabel(u"View Events :"_s, this);
    m_lblViewEvent->setObjectName(u"lblViewEvent"_s);
    m_lblAddEvent = new QLabel(u"Add New Event :"_s, this);
    m_lblAddEvent->setObjectName(u"lblAddEvent"_s);
    m_lblEditEvent = new QLabel(u"Edit Event :"_s, this);
    m_lblEditEvent->setObjectName(u"lblEditEvent"_s);
    for (QLabel *label : {m_lblViewEvent, m_lblAddEvent, m_lblEditEvent}) {
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
    }

    m_fraEvent = new QGroupBox(this);
    m_fraEvent->setObjectName(u"fraEvent"_s);
    auto *grid = new QGridLayout(m_fraEvent);
    grid->setColumnStretch(2, 1);

    // Start time: the box and its hour and minute bars.
    m_txtStartTime = new QLineEdit(m_fraEvent);
    m_txtStartTime->setObjectName(u"txtStartTime"_s);
    m_txtStartTime->setMaxLength(StartTime::kMaxLength);
    m_txtStartTime->setValidator(new QRegularExpressionValidator(QRegularExpression(u"[0-9:]*"_s), m_txtStartTime));
    m_txtStartTime->setFixedWidth(m_txtStartTime->fontMetrics().horizontalAdvance(u"00:000"_s) + 12);
    m_txtStartTime->installEventFilter(this);
    connect(m_txtStartTime, &QLineEdit::textChanged, this, &frmEvent::txtStartTime_Change);
    connect(m_txtStartTime, &QLineEdit::textEdited, this, [this] { m_StartTimeTyped = true; });
    m_vsbStartTime[kHour] = upDownBar(m_fraEvent, u"vsbStartTime0"_s, 0, StartTime::kLastHour);
    m_vsbStartTime[kHour]->setToolTip(u"Hour"_s);
    // The minute bar reaches one step past each end so a step there can carry
    // into the hour.
    m_vsbStartTime[kMinute] = upDownBar(m_fraEvent, u"vsbStartTime1"_s, -1, StartTime::kLastMinute + 1);
    m_vsbStartTime[kMinute]->setToolTip(u"Minute"_s);
    for (int i : {kHour, kMinute})
        connect(m_vsbStartTime[i], &QScrollBar::valueChanged, this, [this, i] { vsbStartTime_Change(i); });
    auto *timeRow = new QHBoxLayout;
    timeRow->setSpacing(2);
    timeRow->addWidget(m_txtStartTime);
    timeRow->addSpacing(4);
    timeRow->addWidget(m_vsbStartTime[kHour]);
    timeRow->addWidget(m_vsbStartTime[kMinute]);
    timeRow->addStretch();
    grid->addWidget(new QLabel(u"Start Time :"_s, m_fraEvent), 0, 0);
    grid->addLayout(timeRow, 0, 1, 1, 2);

    // Relay type.
    m_lblTone = new QLabel(m_fraEvent);
    m_lblTone->setObjectName(u"lblTone"_s);
    m_lblTone->hide();
    auto *toneRow = new QHBoxLayout;
    for (int n = 1; n <= ScheduleEvent::kRelayTypes; ++n) {
        m_optTone[n] = new QRadioButton(u" "_s + QString::number(n), m_fraEvent);
        m_optTone[n]->setObjectName(u"optTone"_s + QString::number(n));
        connect(m_optTone[n], &QRadioButton::clicked, this, [this, n] { optTone_Click(n); });
        toneRow->addWidget(m_optTone[n]);
    }
    toneRow->addStretch();
    grid->addWidget(new QLabel(u"Relay Type :"_s, m_fraEvent), 1, 0);
    grid->addLayout(toneRow, 1, 1, 1, 2);

    // Duration.
    m_txtDuration = new QLineEdit(m_fraEvent);
    m_txtDuration->setObjectName(u"txtDuration"_s);
    m_txtDuration->setMaxLength(2);
    m_txtDuration->setValidator(new QRegularExpressionValidator(QRegularExpression(u"[0-9]*"_s), m_txtDuration));
    m_txtDuration->setFixedWidth(m_txtStartTime->width());
    m_txtDuration->installEventFilter(this);
    connect(m_txtDuration, &QLineEdit::textChanged, this, &frmEvent::txtDuration_Change);
    m_vsbDuration = upDownBar(m_fraEvent, u"vsbDuration"_s, ScheduleEvent::kMinDuration, ScheduleEvent::kMaxDuration);
    connect(m_vsbDuration, &QScrollBar::valueChanged, this, &frmEvent::vsbDuration_Change);
    auto *durationRow = new QHBoxLayout;
    durationRow->setSpacing(2);
    durationRow->addWidget(m_txtDuration);
    durationRow->addSpacing(4);
    durationRow->addWidget(m_vsbDuration);
    durationRow->addSpacing(8);
    durationRow->addWidget(new QLabel(u"(1 - 59 secs)"_s, m_fraEvent));
    durationRow->addStretch();
    grid->addWidget(new QLabel(u"Relay Duration :"_s, m_fraEvent), 2, 0);
    grid->addLayout(durationRow, 2, 1, 1, 2);

    // Page groups, two rows of eight.
    auto *groups = new QGridLayout;
    groups->setHorizontalSpacing(10);
    for (int i = 0; i < ScheduleEvent::kPageGroups; ++i) {
        m_chkPageGroup[i] = new QCheckBox(u" "_s + QString::number(i + 1), m_fraEvent);
        m_chkPageGroup[i]->setObjectName(u"chkPageGroup"_s + QString::number(i));
        groups->addWidget(m_chkPageGroup[i], i / 8, i % 8);
    }
    m_cmdInclude = new QPushButton(u"&Include All"_s, m_fraEvent);
    m_cmdInclude->setObjectName(u"cmdInclude"_s);
    connect(m_cmdInclude, &QPushButton::clicked, this, &frmEvent::cmdInclude_Click);
    m_cmdRemove = new QPushButton(u"&Remove All"_s, m_fraEvent);
    m_cmdRemove->setObjectName(u"cmdRemove"_s);
    connect(m_cmdRemove, &QPushButton::clicked, this, &frmEvent::cmdRemove_Click);
    auto *groupButtons = new QHBoxLayout;
    groupButtons->addWidget(m_cmdInclude);
    groupButtons->addWidget(m_cmdRemove);
    groupButtons->addStretch();
    auto *pageGroupLabel = new QLabel(u"Page Groups :"_s, m_fraEvent);
    grid->addWidget(pageGroupLabel, 3, 0, Qt::AlignTop);
    grid->addLayout(groups, 3, 1, 1, 2);
    grid->addLayout(groupButtons, 4, 1, 1, 2);

    // Commands.
    auto button = [this](const QString &caption, const QString &name) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        // Enter in a box must never press a command.
        b->setAutoDefault(false);
        return b;
    };
    m_cmdAdd = button(u"&Add"_s, u"cmdAdd"_s);
    m_cmdEdit = button(u"&Edit"_s, u"cmdEdit"_s);
    m_cmdDelete = button(u"&Delete"_s, u"cmdDelete"_s);
    m_cmdSave = button(u"&Save"_s, u"cmdSave"_s);
    m_cmdCancel = button(u"&Cancel"_s, u"cmdCancel"_s);
    m_cmdClose = button(u"Close"_s, u"cmdClose"_s);
    connect(m_cmdAdd, &QPushButton::clicked, this, &frmEvent::cmdAdd_Click);
    connect(m_cmdEdit, &QPushButton::clicked, this, &frmEvent::cmdEdit_Click);
    connect(m_cmdDelete, &QPushButton::clicked, this, &frmEvent::cmdDelete_Click);
    connect(m_cmdSave, &QPushButton::clicked, this, &frmEvent::cmdSave_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &frmEvent::cmdCancel_Click);
    connect(m_cmdClose, &QPushButton::clicked, this, &frmEvent::cmdClose_Click);
    const QStringList arrows{u"<<"_s, u"<"_s, u">"_s, u">>"_s};
    for (int i = 0; i < 4; ++i) {
        m_cmdMove[i] = button(arrows[i], u"cmdMove"_s + QString::number(i));
        m_cmdMove[i]->setFixedWidth(36);
        // Hidden while adding or editing; the window keeps its width.
        QSizePolicy policy = m_cmdMove[i]->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        m_cmdMove[i]->setSizePolicy(policy);
        connect(m_cmdMove[i], &QPushButton::clicked, this, [this, i] { cmdMove_Click(i); });
    }

    m_txtHideScreen = new QLabel(u"Saving Event ..."_s, this);
    m_txtHideScreen->setObjectName(u"txtHideScreen"_s);
    m_txtHideScreen->hide();

    auto *modeRow = new QHBoxLayout;
    modeRow->addWidget(m_lblViewEvent);
    modeRow->addWidget(m_lblAddEvent);
    modeRow->addWidget(m_lblEditEvent);
    modeRow->addStretch();
    modeRow->addWidget(m_txtHideScreen);
    auto *navigation = new QHBoxLayout;
    navigation->setSpacing(2);
    for (QPushButton *b : m_cmdMove)
        navigation->addWidget(b);
    auto *commands = new QHBoxLayout;
    for (QPushButton *b : {m_cmdAdd, m_cmdEdit, m_cmdDelete, m_cmdSave, m_cmdCancel})
        commands->addWidget(b);
    commands->addStretch();
    commands->addLayout(navigation);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(m_cmdClose);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(modeRow);
    layout->addWidget(m_fraEvent);
    layout->addLayout(commands);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Form_Load();
    showRow(row);
    Begin_View_Mode();
}

frmEvent::~frmEvent() = default;

void frmEvent::logError(const QString &procedure, const QString &description)
{
    m_context.log.LogError(ErrNo::DatabaseError, description, kWindowName, kWindowName, procedure);
}

QString frmEvent::modeTitle() const
{
    return m_mode == Mode::Add ? u"Add Event"_s : u"Edit Event"_s;
}

void frmEvent::Form_Load()
{
    m_ClosingByButton = false;
    m_Activated = false;
    m_cmdAdd->setEnabled(m_context.state.TotalEvents < AppState::kMaxEvents);
    setWindowTitle(u"Events - Schedule "_s + u" - "_s + QString::number(m_schedule));
    const int boards = std::clamp(m_context.state.ExpansionBoards, 0, kMaxExpansionBoards);
    const int available = kPageGroupsPerBoard * (boards + 1);
    for (int i = 0; i < ScheduleEvent::kPageGroups; ++i)
        m_chkPageGroup[i]->setEnabled(i < available);
}

void frmEvent::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!m_Activated) {
        CenterScreen(this);
        Form_Activate();
    }
}

void frmEvent::Form_Activate()
{
    writeTimeFromBars();
    if (m_txtDuration->text() != QString::number(barValue(m_vsbDuration)))
        vsbDuration_Change();
    int checked = 1;
    for (int n = 1; n <= ScheduleEvent::kRelayTypes; ++n)
        if (m_optTone[n]->isChecked())
            checked = n;
    setTone(checked);
    m_Activated = true;
    m_ViewListIndex = m_view.selectedLine();
    if (m_mode != Mode::View)
        m_txtStartTime->setFocus();
}

// ---- showing an event -------------------------------------------------------

void frmEvent::showRow(int row)
{
    m_row = (row >= 0 && row < m_view.events().count()) ? row : -1;
    if (m_row >= 0) {
        m_shown = m_view.events().event(m_row);
    } else {
        m_shown = ScheduleEvent{};
        m_shown.Tone = 0;
    }
    showFields(m_shown);
}

void frmEvent::showFields(const ScheduleEvent &event)
{
    m_StartTimeTyped = false;
    m_txtStartTime->setText(event.StartTime);
    if (const auto time = StartTime::parse(event.StartTime))
        setTimeBars(*time);
    setTone(event.Tone);
    m_txtDuration->setText(QString::number(event.Duration));
    for (int i = 0; i < ScheduleEvent::kPageGroups; ++i)
        m_chkPageGroup[i]->setChecked(event.PageGroup[i]);
}

ScheduleEvent frmEvent::fieldsEvent() const
{
    ScheduleEvent e;
    e.StartTime = m_txtStartTime->text();
    e.Tone = m_tone;
    e.Duration = m_txtDuration->text().toInt();
    for (int i = 0; i < ScheduleEvent::kPageGroups; ++i)
        e.PageGroup[i] = m_chkPageGroup[i]->isChecked();
    return e;
}

void frmEvent::selectViewLine()
{
    m_view.selectLine(m_ViewListIndex);
}

// ---- modes ------------------------------------------------------------------

void frmEvent::Begin_View_Mode()
{
    m_mode = Mode::View;
    m_fraEvent->setEnabled(false);
    m_cmdAdd->setEnabled(m_context.state.TotalEvents < AppState::kMaxEvents);
    m_cmdEdit->setEnabled(m_row >= 0);
    m_cmdDelete->setEnabled(m_row >= 0);
    m_cmdSave->setEnabled(false);
    m_cmdCancel->setEnabled(false);
    for (QPushButton *b : m_cmdMove)
        b->setVisible(true);
    m_lblViewEvent->setVisible(true);
    m_lblAddEvent->setVisible(false);
    m_lblEditEvent->setVisible(false);
    if (m_cmdAdd->isEnabled())
        m_cmdAdd->setFocus();
}

void frmEvent::Begin_Add_Edit_Mode(QLabel *modeLabel)
{
    m_fraEvent->setEnabled(true);
    m_cmdAdd->setEnabled(false);
    m_cmdEdit->setEnabled(false);
    m_cmdDelete->setEnabled(false);
    m_cmdSave->setEnabled(true);
    m_cmdCancel->setEnabled(true);
    for (QPushButton *b : m_cmdMove)
        b->setVisible(false);
    for (QLabel *label : {m_lblViewEvent, m_lblAddEvent, m_lblEditEvent})
        label->setVisible(label == modeLabel);
    // A stored relay type outside 1-4 (a damaged file) cannot be shown by the
    // options; the event is edited as relay type 1 so it is never stored so.
    if (m_tone < 1 || m_tone > ScheduleEvent::kRelayTypes)
        setTone(1);
    if (m_Activated)
        m_txtStartTime->setFocus();
}

void frmEvent::cmdAdd_Click()
{
    AppState &state = m_context.state;
    if (m_mode != Mode::View || state.TotalEvents >= AppState::kMaxEvents)
        return;
    state.LastEvent.StartTime = m_row >= 0 ? m_txtStartTime->text() : QString();
    m_mode = Mode::Add;
    Default_Event();
    Begin_Add_Edit_Mode(m_lblAddEvent);
}

void frmEvent::Default_Event()
{
    const RememberedEvent &last = m_context.state.LastEvent;
    showFields(last.StartTime.isEmpty() ? ScheduleEvent::defaultEvent() : ScheduleEvent::fromRemembered(last));
}

void frmEvent::cmdEdit_Click()
{
    if (m_mode != Mode::View || m_row < 0)
        return;
    m_mode = Mode::Edit;
    Begin_Add_Edit_Mode(m_lblEditEvent);
}

// ---- relay type ---------------------------------------------------------------

void frmEvent::optTone_Click(int tone)
{
    m_tone = tone;
    m_lblTone->setText(QString::number(tone));
}

void frmEvent::setTone(int tone)
{
    m_tone = tone;
    m_lblTone->setText(QString::number(tone));
    if (tone >= 1 && tone <= ScheduleEvent::kRelayTypes) {
        m_optTone[tone]->setChecked(true);
        return;
    }
    if (tone != 0)
        m_context.log.LogError(ErrNo::InvalidProcedureCall, u"Relay type "_s + QString::number(tone), kWindowName,
                               kWindowName, u"lblTone"_s);
    // No option shows a relay type outside 1-4: clear them all rather than
    // leave the previous event's option ticked.
    for (int n = 1; n <= ScheduleEvent::kRelayTypes; ++n) {
        m_optTone[n]->setAutoExclusive(false);
        m_optTone[n]->setChecked(false);
        m_optTone[n]->setAutoExclusive(true);
    }
}

// ---- start time ---------------------------------------------------------------

void frmEvent::setTimeBars(TimeOfDay time)
{
    m_SyncingTime = true;
    setBarValue(m_vsbStartTime[kHour], time.hour);
    setBarValue(m_vsbStartTime[kMinute], time.minute);
    m_SyncingTime = false;
}

void frmEvent::writeTimeFromBars()
{
    TimeOfDay time{barValue(m_vsbStartTime[kHour]), barValue(m_vsbStartTime[kMinute])};
    if (time.minute > StartTime::kLastMinute)
        time = StartTime::stepMinute({time.hour, StartTime::kLastMinute}, 1);
    else if (time.minute < 0)
        time = StartTime::stepMinute({time.hour, 0}, -1);
    setTimeBars(time);
    m_txtStartTime->setText(time.text());
    m_txtStartTime->selectAll();
    m_txtStartTime->setFocus();
}

void frmEvent::vsbStartTime_Change(int)
{
    if (m_SyncingTime)
        return;
    writeTimeFromBars();
}

void frmEvent::txtStartTime_Change()
{
    const QString text = m_txtStartTime->text();
    if (m_StartTimeTyped || text.isEmpty())
        return;
    if (const auto time = StartTime::parse(text)) {
        setTimeBars(*time);
        return;
    }
    if (text != u"00:"_s)
        m_context.prompter.message(u"Start Time format must be hh:mm"_s, m_context.state.variant.ProductTitle,
                                   Prompter::Exclamation);
    setTimeBars({});
}

void frmEvent::txtStartTime_LostFocus()
{
    if (!m_StartTimeTyped || m_checkingStartTime)
        return;
    m_checkingStartTime = true;
    const StartTime::Normalised entry = StartTime::normalise(m_txtStartTime->text());
    if (entry.text != m_txtStartTime->text())
        m_txtStartTime->setText(entry.text);
    if (entry.valid) {
        setTimeBars(*StartTime::parse(entry.text));
    } else {
        m_context.prompter.message(u"Invalid 'Start Time' entry"_s, modeTitle(), Prompter::Exclamation);
        m_txtStartTime->setFocus();
    }
    m_checkingStartTime = false;
}

// Save may be pressed by its shortcut while the typed time is still in the
// box, not yet completed by leaving it: complete it here so a valid entry is
// always stored as "hh:mm".
void frmEvent::completeTypedStartTime()
{
    static const QRegularExpression stored(u"^[0-9]{2}:[0-9]{2}$"_s);
    const QString text = m_txtStartTime->text();
    if (stored.match(text).hasMatch())
        return;
    const StartTime::Normalised entry = StartTime::normalise(text);
    if (!entry.valid)
        return;
    m_txtStartTime->setText(entry.text);
    setTimeBars(*StartTime::parse(entry.text));
}

bool frmEvent::startTimeChanged() const
{
    return m_mode == Mode::Add || m_txtStartTime->text() != m_shown.StartTime;
}

// ---- duration -------------------------------------------------------------------

void frmEvent::txtDuration_Change()
{
    const QString text = m_txtDuration->text();
    m_DurationInvalid = !durationTextValid(text);
    if (!m_DurationInvalid)
        setBarValue(m_vsbDuration, text.toInt());
}

void frmEvent::vsbDuration_Change()
{
    const int seconds = barValue(m_vsbDuration);
    if (m_txtDuration->text() == QString::number(seconds))
        return;
    if (!m_DurationInvalid && m_txtDuration->text().toInt() == seconds)
        return;
    m_txtDuration->setText(QString::number(seconds));
    m_DurationInvalid = false;
    m_txtDuration->selectAll();
    m_txtDuration->setFocus();
}

// ---- page groups ------------------------------------------------------------------

void frmEvent::cmdInclude_Click()
{
    for (QCheckBox *box : m_chkPageGroup)
        if (box->isEnabled())
            box->setChecked(true);
}

void frmEvent::cmdRemove_Click()
{
    for (QCheckBox *box : m_chkPageGroup)
        box->setChecked(false);
}

bool frmEvent::Is_PageGroup_Selected() const
{
    for (QCheckBox *box : m_chkPageGroup)
        if (box->isChecked())
            return true;
    return false;
}

// ---- validation and storing -------------------------------------------------------

bool frmEvent::Duplicate_Time()
{
    const auto taken = m_view.events().startTimeTaken(m_txtStartTime->text());
    if (!taken) {
        logError(u"Duplicate_Time"_s, m_view.events().database().lastError());
        return true;
    }
    return *taken;
}

bool frmEvent::Validate_Event()
{
    const bool taken = startTimeChanged() && Duplicate_Time();
    const EventValidation v =
        EventValidation::check(m_txtStartTime->text(), taken, m_txtDuration->text(), Is_PageGroup_Selected());
    m_EventValid = v.valid();
    if (!m_EventValid) {
        m_context.prompter.message(v.message(), u"Event"_s, Prompter::Exclamation);
        if (!v.formatOk || !v.duplicateOk)
            m_txtStartTime->setFocus();
    }
    return m_EventValid;
}

void frmEvent::cmdSave_Click()
{
    if (m_mode == Mode::View)
        return;
    completeTypedStartTime();
    const bool valid = Validate_Event();
    m_txtHideScreen->show();
    if (valid) {
        AppState &state = m_context.state;
        ScheduleEvents &events = m_view.events();
        const ScheduleEvent event = fieldsEvent();
        const bool isNew = m_mode == Mode::Add;
        const bool moves = startTimeChanged();
        state.LastEvent.StartTime = event.StartTime;
        const bool stored = isNew ? events.insert(event) : events.update(m_row, event);
        if (!stored) {
            // Nothing was written: stay in the mode so the entry is not lost.
            logError(u"cmdSave"_s, events.database().lastError());
            m_txtHideScreen->hide();
            return;
        }
        if (moves) {
            if (!isNew && !events.reload())
                logError(u"cmdSave"_s, events.database().lastError());
            m_row = events.find(state.LastEvent.StartTime);
        }
        m_shown = events.event(m_row);
        RefreshFrmSched();
        if (isNew) {
            ++state.ScheduleEventCount[m_schedule - 1];
            ++state.TotalEvents;
        }
        Begin_View_Mode();
        showFields(m_shown);
        state.UnsavedChanges = true;
        if (m_context.host)
            m_context.host->setSaveEnabled(true);
    }
    m_txtHideScreen->hide();
}

void frmEvent::RefreshFrmSched()
{
    ScheduleEvents &events = m_view.events();
    AppState &state = m_context.state;
    m_view.clearLines();
    for (int row = 0; row < events.count(); ++row) {
        const ScheduleEvent event = events.event(row);
        m_view.addLine(event.line());
        if (event.StartTime == state.LastEvent.StartTime)
            m_ViewListIndex = row;
    }
    if (m_row >= 0)
        state.LastEvent = events.event(m_row).remembered();
    selectViewLine();
}

void frmEvent::cmdCancel_Click()
{
    if (m_mode == Mode::View)
        return;
    showRow(m_row);
    Begin_View_Mode();
    if (m_view.events().count() == 0)
        finish();
}

void frmEvent::cmdDelete_Click()
{
    if (m_mode != Mode::View || m_row < 0)
        return;
    ScheduleEvents &events = m_view.events();
    AppState &state = m_context.state;
    const int deleted = m_row;
    if (!events.remove(deleted)) {
        logError(u"cmdDelete"_s, events.database().lastError());
        return;
    }
    --state.ScheduleEventCount[m_schedule - 1];
    --state.TotalEvents;
    m_cmdAdd->setEnabled(true);
    state.UnsavedChanges = true;
    if (m_context.host)
        m_context.host->setSaveEnabled(true);
    m_view.removeLine(m_ViewListIndex);

    if (events.count() == 0) {
        m_row = -1;
        finish();
        return;
    }
    if (deleted >= events.count()) {
        --m_ViewListIndex;
        showRow(events.count() - 1);
    } else {
        showRow(deleted);
    }
    state.LastEvent = m_shown.remembered();
    Begin_View_Mode();
    selectViewLine();
}

void frmEvent::cmdMove_Click(int index)
{
    const int count = m_view.events().count();
    if (m_mode != Mode::View || count == 0)
        return;
    int row = std::max(m_row, 0);
    switch (index) {
    case kFirst: row = 0; break;
    case kPrevious: row = row > 0 ? row - 1 : row; break;
    case kNext: row = row < count - 1 ? row + 1 : row; break;
    case kLast: row = count - 1; break;
    default: return;
    }
    showRow(row);
    m_ViewListIndex = m_row;
    m_context.state.LastEvent = m_shown.remembered();
    selectViewLine();
    m_StartTimeTyped = false;
}

// ---- closing ----------------------------------------------------------------------

bool frmEvent::DataChanged() const
{
    const ScheduleEvent now = fieldsEvent();
    return now.StartTime != m_shown.StartTime || now.Tone != m_shown.Tone ||
           m_txtDuration->text() != QString::number(m_shown.Duration) || now.PageGroup != m_shown.PageGroup;
}

void frmEvent::Prompt_Save(const QString &title)
{
    const Prompter::Answer answer =
        m_context.prompter.ask(u"Save current Event?"_s, title, Prompter::YesNo, Prompter::Exclamation);
    if (answer == Prompter::AnswerYes)
        cmdSave_Click();
    else
        cmdCancel_Click();
}

void frmEvent::cmdClose_Click()
{
    if (m_mode == Mode::Edit) {
        if (DataChanged())
            Prompt_Save(u"Edit Event"_s);
        else
            Begin_View_Mode();
    } else if (m_mode == Mode::Add) {
        Prompt_Save(u"Add Event"_s);
    }
    if (m_finished || m_mode != Mode::View)
        return;
    m_ClosingByButton = true;
    finish();
}

void frmEvent::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    if (m_mode == Mode::View && m_row >= 0)
        m_context.state.LastEvent.StartTime = m_txtStartTime->text();
    done(QDialog::Rejected);
}

void frmEvent::reject()
{
    close();
}

void frmEvent::closeEvent(QCloseEvent *e)
{
    // Closed from the title bar (or Escape): the Close button's steps first;
    // the window closes in every case, unsaved field changes are discarded.
    if (!m_finished && !m_ClosingByButton)
        cmdClose_Click();
    finish();
    e->accept();
}

// ---- keys and focus ---------------------------------------------------------------

bool frmEvent::eventFilter(QObject *watched, QEvent *e)
{
    const bool startTime = watched == m_txtStartTime;
    const bool duration = watched == m_txtDuration;
    if (!startTime && !duration)
        return QDialog::eventFilter(watched, e);

    switch (e->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(e);
        const QString text = key->text();
        if (startTime && (!text.isEmpty() || key->key() == Qt::Key_Delete))
            m_StartTimeTyped = true;
        if (text.isEmpty() || !isPrintable(text.front()))
            break; // editing and navigation keys, Backspace, shortcuts
        const bool accepted = startTime ? StartTime::isAcceptedKey(text.front())
                                        : Utility::Allow_digits_only(text.front().unicode()) != 0;
        if (!accepted || text.size() > 1)
            return true; // the key is discarded
        break;
    }
    case QEvent::FocusIn: {
        // Entering a box selects its whole text (after the click that placed the caret).
        auto *box = static_cast<QLineEdit *>(watched);
        QTimer::singleShot(0, box, &QLineEdit::selectAll);
        break;
    }
    case QEvent::FocusOut: {
        // Focus leaving for a message box or another program is not leaving
        // the box. Nor is a click on Cancel or Close: the entry is about to be
        // discarded or offered for saving, and a refusal here would put the
        // focus back before the button could act, so it could never be pressed.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(e)->reason();
        const QWidget *next = QApplication::focusWidget();
        if (startTime && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            next != m_cmdCancel && next != m_cmdClose)
            txtStartTime_LostFocus();
        break;
    }
    default: break;
    }
    return QDialog::eventFilter(watched, e);
}

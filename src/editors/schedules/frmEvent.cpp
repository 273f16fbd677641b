#include "editors/schedules/frmEvent.h"

#include "core/AppContext.h"
#include "editors/schedules/EventEditorLayout.h"
#include "editors/schedules/ScheduleEvents.h"
#include "editors/schedules/StartTimeBox.h"
#include "ui/WindowUtil.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
const QString kWindowName = u"frmEvent"_s;
constexpr int kPageGroupsPerBoard = 4;
constexpr int kMaxExpansionBoards = 3;
constexpr QChar kDeleteChar = QChar(0x7f);
} // namespace

frmEvent::frmEvent(AppContext &context, ScheduleEvents &events, int row, QWidget *parent)
    : QDialog(parent), m_context(context), m_session(context, events, row),
      m_ui(std::make_unique<EventEditorLayout>(*this)),
      m_startTime(std::make_unique<StartTimeBox>(*m_ui->txtStartTime, *m_ui->vsbStartTime[EventEditorLayout::kHour],
                                                 *m_ui->vsbStartTime[EventEditorLayout::kMinute], context.prompter,
                                                 context.state.variant.ProductTitle, [this] { return modeTitle(); }))
{
    setObjectName(kWindowName);
    setModal(true);
    connectControls();
    Form_Load();
    showFields(m_session.shown());
    Begin_View_Mode();
}

frmEvent::~frmEvent() = default;

void frmEvent::connectControls()
{
    EventEditorLayout &ui = *m_ui;
    m_startTime->setNotLeavingFor({ui.cmdCancel, ui.cmdClose});
    ui.txtDuration->installEventFilter(this);
    for (int n = 1; n <= ScheduleEvent::kRelayTypes; ++n) {
        connect(ui.optTone[n], &QRadioButton::clicked, this, [this, n] { optTone_Click(n); });
        connect(ui.optTone[n], &QRadioButton::toggled, this, &frmEvent::keepCheckedToneTabStop);
    }
    connect(ui.txtDuration, &QLineEdit::textChanged, this, &frmEvent::txtDuration_Change);
    connect(ui.vsbDuration, &QScrollBar::valueChanged, this, &frmEvent::vsbDuration_Change);
    connect(ui.cmdInclude, &QPushButton::clicked, this, &frmEvent::cmdInclude_Click);
    connect(ui.cmdRemove, &QPushButton::clicked, this, &frmEvent::cmdRemove_Click);
    connect(ui.cmdAdd, &QPushButton::clicked, this, &frmEvent::cmdAdd_Click);
    connect(ui.cmdEdit, &QPushButton::clicked, this, &frmEvent::cmdEdit_Click);
    connect(ui.cmdDelete, &QPushButton::clicked, this, &frmEvent::cmdDelete_Click);
    connect(ui.cmdSave, &QPushButton::clicked, this, &frmEvent::cmdSave_Click);
    connect(ui.cmdCancel, &QPushButton::clicked, this, &frmEvent::cmdCancel_Click);
    connect(ui.cmdClose, &QPushButton::clicked, this, &frmEvent::cmdClose_Click);
    for (int i = 0; i < int(ui.cmdMove.size()); ++i)
        connect(ui.cmdMove[i], &QPushButton::clicked, this, [this, i] { cmdMove_Click(i); });
}

QString frmEvent::modeTitle() const
{
    return mode() == Mode::Add ? u"Add Event"_s : u"Edit Event"_s;
}

void frmEvent::Form_Load()
{
    m_ClosingByButton = false;
    m_Activated = false;
    m_ui->cmdAdd->setEnabled(m_session.canAdd());
    setWindowTitle(u"Events - Schedule "_s + u" - "_s + QString::number(m_session.schedule()));
    const int boards = std::clamp(m_context.state.ExpansionBoards, 0, kMaxExpansionBoards);
    const int available = kPageGroupsPerBoard * (boards + 1);
    for (int i = 0; i < ScheduleEvent::kPageGroups; ++i)
        m_ui->chkPageGroup[i]->setEnabled(i < available);
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
    m_startTime->writeTimeFromBars();
    if (m_ui->txtDuration->text() != QString::number(EventEditorLayout::barValue(m_ui->vsbDuration)))
        vsbDuration_Change();
    int checked = 1;
    for (int n = 1; n <= ScheduleEvent::kRelayTypes; ++n)
        if (m_ui->optTone[n]->isChecked())
            checked = n;
    optTone_Click(checked);
    m_Activated = true;
    if (mode() != Mode::View)
        m_ui->txtStartTime->setFocus();
}

// ---- showing an event -------------------------------------------------------

void frmEvent::showFields(const ScheduleEvent &event)
{
    m_startTime->show(event.StartTime);
    setTone(event.Tone);
    m_ui->txtDuration->setText(QString::number(event.Duration));
    for (int i = 0; i < ScheduleEvent::kPageGroups; ++i)
        m_ui->chkPageGroup[i]->setChecked(event.PageGroup[i]);
}

ScheduleEvent frmEvent::fieldsEvent() const
{
    ScheduleEvent e;
    e.StartTime = m_startTime->text();
    e.Tone = m_tone;
    e.Duration = m_ui->txtDuration->text().toInt();
    for (int i = 0; i < ScheduleEvent::kPageGroups; ++i)
        e.PageGroup[i] = m_ui->chkPageGroup[i]->isChecked();
    return e;
}

// ---- modes ------------------------------------------------------------------

void frmEvent::Begin_View_Mode()
{
    const EventEditorLayout &ui = *m_ui;
    m_session.enterViewMode();
    const bool shown = m_session.currentRow() >= 0;
    ui.fraEvent->setEnabled(false);
    ui.cmdAdd->setEnabled(m_session.canAdd());
    ui.cmdEdit->setEnabled(shown);
    ui.cmdDelete->setEnabled(shown);
    ui.cmdSave->setEnabled(false);
    ui.cmdCancel->setEnabled(false);
    for (QPushButton *b : ui.cmdMove)
        b->setVisible(true);
    for (QLabel *label : {ui.lblViewEvent, ui.lblAddEvent, ui.lblEditEvent})
        label->setVisible(label == ui.lblViewEvent);
    if (ui.cmdAdd->isEnabled())
        ui.cmdAdd->setFocus();
}

void frmEvent::Begin_Add_Edit_Mode(QLabel *modeLabel)
{
    const EventEditorLayout &ui = *m_ui;
    ui.fraEvent->setEnabled(true);
    ui.cmdAdd->setEnabled(false);
    ui.cmdEdit->setEnabled(false);
    ui.cmdDelete->setEnabled(false);
    ui.cmdSave->setEnabled(true);
    ui.cmdCancel->setEnabled(true);
    for (QPushButton *b : ui.cmdMove)
        b->setVisible(false);
    for (QLabel *label : {ui.lblViewEvent, ui.lblAddEvent, ui.lblEditEvent})
        label->setVisible(label == modeLabel);
    // A stored relay type outside 1-4 (a damaged file) cannot be shown by the
    // options; the event is edited as relay type 1 so it is never stored so.
    if (m_tone < 1 || m_tone > ScheduleEvent::kRelayTypes)
        setTone(1);
    if (m_Activated)
        ui.txtStartTime->setFocus();
}

void frmEvent::cmdAdd_Click()
{
    const std::optional<ScheduleEvent> start = m_session.beginAdd(m_startTime->text());
    if (!start)
        return;
    showFields(*start);
    Begin_Add_Edit_Mode(m_ui->lblAddEvent);
}

void frmEvent::cmdEdit_Click()
{
    if (m_session.beginEdit())
        Begin_Add_Edit_Mode(m_ui->lblEditEvent);
}

// ---- relay type ---------------------------------------------------------------

void frmEvent::optTone_Click(int tone)
{
    m_tone = tone;
    m_ui->lblTone->setText(QString::number(tone));
}

void frmEvent::setTone(int tone)
{
    optTone_Click(tone);
    const auto &options = m_ui->optTone;
    if (tone >= 1 && tone <= ScheduleEvent::kRelayTypes) {
        options[tone]->setChecked(true);
        return;
    }
    if (tone != 0)
        m_context.log.LogError(ErrNo::InvalidProcedureCall, u"Relay type "_s + QString::number(tone), kWindowName,
                               kWindowName, u"lblTone"_s);
    // No option shows a relay type outside 1-4: clear them all rather than
    // leave the previous event's option ticked.
    for (int n = 1; n <= ScheduleEvent::kRelayTypes; ++n) {
        options[n]->setAutoExclusive(false);
        options[n]->setChecked(false);
        options[n]->setAutoExclusive(true);
    }
}

// Tab into the relay types lands on the checked option, and Tab from it leaves
// them: only the checked one is a tab stop (the arrow keys move between them).
// Qt itself keeps only the last focused option as the tab stop, which is a
// stale one once another event is shown.
void frmEvent::keepCheckedToneTabStop()
{
    const auto &options = m_ui->optTone;
    const bool anyChecked =
        std::any_of(options.begin() + 1, options.end(), [](const QRadioButton *o) { return o->isChecked(); });
    if (!anyChecked)
        return;
    for (int n = 1; n <= ScheduleEvent::kRelayTypes; ++n)
        options[n]->setFocusPolicy(options[n]->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

// ---- duration -------------------------------------------------------------------

void frmEvent::txtDuration_Change()
{
    const QString text = m_ui->txtDuration->text();
    m_DurationInvalid = !durationTextValid(text);
    if (!m_DurationInvalid)
        EventEditorLayout::setBarValue(m_ui->vsbDuration, text.toInt());
}

void frmEvent::vsbDuration_Change()
{
    QLineEdit *box = m_ui->txtDuration;
    const int seconds = EventEditorLayout::barValue(m_ui->vsbDuration);
    if (box->text() == QString::number(seconds))
        return;
    if (!m_DurationInvalid && box->text().toInt() == seconds)
        return;
    box->setText(QString::number(seconds));
    m_DurationInvalid = false;
    box->selectAll();
    box->setFocus();
}

// ---- page groups ------------------------------------------------------------------

void frmEvent::cmdInclude_Click()
{
    for (QCheckBox *box : m_ui->chkPageGroup)
        if (box->isEnabled())
            box->setChecked(true);
}

void frmEvent::cmdRemove_Click()
{
    for (QCheckBox *box : m_ui->chkPageGroup)
        box->setChecked(false);
}

bool frmEvent::Is_PageGroup_Selected() const
{
    const auto &boxes = m_ui->chkPageGroup;
    return std::any_of(boxes.begin(), boxes.end(), [](const QCheckBox *box) { return box->isChecked(); });
}

// ---- validation, storing, deleting, moving ----------------------------------------

bool frmEvent::Validate_Event()
{
    const EventValidation v =
        m_session.validate(m_startTime->text(), m_ui->txtDuration->text(), Is_PageGroup_Selected());
    m_EventValid = v.valid();
    if (!m_EventValid) {
        m_context.prompter.message(v.message(), u"Event"_s, Prompter::Exclamation);
        if (!v.formatOk || !v.duplicateOk)
            m_ui->txtStartTime->setFocus();
    }
    return m_EventValid;
}

void frmEvent::cmdSave_Click()
{
    if (mode() == Mode::View)
        return;
    m_startTime->complete();
    const bool valid = Validate_Event();
    m_ui->txtHideScreen->show();
    // A failed write stays in the mode so the entry is not lost.
    if (valid && m_session.save(fieldsEvent())) {
        Begin_View_Mode();
        showFields(m_session.shown());
    }
    m_ui->txtHideScreen->hide();
}

void frmEvent::cmdCancel_Click()
{
    if (mode() == Mode::View)
        return;
    m_session.cancel();
    showFields(m_session.shown());
    Begin_View_Mode();
    if (m_session.rowCount() == 0)
        finish();
}

void frmEvent::cmdDelete_Click()
{
    if (!m_session.remove())
        return;
    if (m_session.rowCount() == 0) {
        finish();
        return;
    }
    showFields(m_session.shown());
    Begin_View_Mode();
}

void frmEvent::cmdMove_Click(int index)
{
    if (!m_session.move(index))
        return;
    showFields(m_session.shown());
    m_startTime->clearTyped();
}

// ---- closing ----------------------------------------------------------------------

bool frmEvent::DataChanged() const
{
    const ScheduleEvent now = fieldsEvent();
    const ScheduleEvent &shown = m_session.shown();
    return now.StartTime != shown.StartTime || now.Tone != shown.Tone ||
           m_ui->txtDuration->text() != QString::number(shown.Duration) || now.PageGroup != shown.PageGroup;
}

bool frmEvent::UncommittedChanges() const
{
    return mode() == Mode::Add || (mode() == Mode::Edit && DataChanged());
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
    if (mode() == Mode::Edit) {
        if (DataChanged())
            Prompt_Save(u"Edit Event"_s);
        else
            Begin_View_Mode();
    } else if (mode() == Mode::Add) {
        Prompt_Save(u"Add Event"_s);
    }
    if (m_finished || mode() != Mode::View)
        return;
    m_ClosingByButton = true;
    finish();
}

void frmEvent::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    m_session.closing(m_startTime->text());
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

// ---- the duration box ------------------------------------------------------------

bool frmEvent::eventFilter(QObject *watched, QEvent *e)
{
    if (watched != m_ui->txtDuration)
        return QDialog::eventFilter(watched, e);
    if (e->type() == QEvent::KeyPress) {
        // Editing and navigation keys, Backspace and shortcuts pass; any other
        // character but a digit is discarded.
        const QString text = static_cast<QKeyEvent *>(e)->text();
        const bool printable = !text.isEmpty() && text.front().unicode() >= 0x20 && text.front() != kDeleteChar;
        if (printable && (text.size() > 1 || Utility::Allow_digits_only(text.front().unicode()) == 0))
            return true;
    } else if (e->type() == QEvent::FocusIn) {
        // Entering the box selects its whole text (after the click that placed the caret).
        QTimer::singleShot(0, m_ui->txtDuration, &QLineEdit::selectAll);
    }
    return QDialog::eventFilter(watched, e);
}

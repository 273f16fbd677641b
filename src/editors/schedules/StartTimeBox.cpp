#include "editors/schedules/StartTimeBox.h"

#include "editors/schedules/EventEditorLayout.h"
#include "platform/Prompter.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
constexpr QChar kDeleteChar = QChar(0x7f);
}

StartTimeBox::StartTimeBox(QLineEdit &box, QScrollBar &hour, QScrollBar &minute, Prompter &prompter,
                           QString productTitle, std::function<QString()> refusalTitle, QObject *parent)
    : QObject(parent), m_box(box), m_hour(hour), m_minute(minute), m_prompter(prompter),
      m_productTitle(std::move(productTitle)), m_refusalTitle(std::move(refusalTitle))
{
    m_box.installEventFilter(this);
    connect(&m_box, &QLineEdit::textChanged, this, &StartTimeBox::txtStartTime_Change);
    connect(&m_box, &QLineEdit::textEdited, this, [this] { m_StartTimeTyped = true; });
    for (QScrollBar *bar : {&m_hour, &m_minute}) {
        bar->installEventFilter(this);
        connect(bar, &QScrollBar::valueChanged, this, &StartTimeBox::vsbStartTime_Change);
    }
}

QString StartTimeBox::text() const
{
    return m_box.text();
}

void StartTimeBox::show(const QString &time)
{
    m_StartTimeTyped = false;
    m_box.setText(time);
    if (const auto parsed = StartTime::parse(time))
        setTimeBars(*parsed);
}

void StartTimeBox::setTimeBars(TimeOfDay time)
{
    m_SyncingTime = true;
    EventEditorLayout::setBarValue(&m_hour, time.hour);
    EventEditorLayout::setBarValue(&m_minute, time.minute);
    m_SyncingTime = false;
}

void StartTimeBox::writeTimeFromBars()
{
    TimeOfDay time{EventEditorLayout::barValue(&m_hour), EventEditorLayout::barValue(&m_minute)};
    // The minute bar reaches one step past each end: a step there carries.
    if (time.minute > StartTime::kLastMinute)
        time = StartTime::stepMinute({time.hour, StartTime::kLastMinute}, 1);
    else if (time.minute < 0)
        time = StartTime::stepMinute({time.hour, 0}, -1);
    setTimeBars(time);
    m_box.setText(time.text());
    m_box.selectAll();
    m_box.setFocus();
}

void StartTimeBox::vsbStartTime_Change()
{
    if (!m_SyncingTime)
        writeTimeFromBars();
}

void StartTimeBox::txtStartTime_Change()
{
    const QString text = m_box.text();
    if (m_StartTimeTyped || text.isEmpty())
        return;
    if (const auto time = StartTime::parse(text)) {
        setTimeBars(*time);
        return;
    }
    if (text != u"00:"_s)
        m_prompter.message(u"Start Time format must be hh:mm"_s, m_productTitle, Prompter::Exclamation);
    setTimeBars({});
}

void StartTimeBox::txtStartTime_LostFocus()
{
    if (!m_StartTimeTyped || m_checking)
        return;
    m_checking = true;
    const StartTime::Normalised entry = StartTime::normalise(m_box.text());
    if (entry.text != m_box.text())
        m_box.setText(entry.text);
    if (entry.valid) {
        setTimeBars(*StartTime::parse(entry.text));
    } else {
        m_prompter.message(u"Invalid 'Start Time' entry"_s, m_refusalTitle(), Prompter::Exclamation);
        m_box.setFocus();
    }
    m_checking = false;
}

// Save may be pressed by its shortcut while the typed time is still in the
// box, not yet completed by leaving it: completing it here means a valid entry
// is always stored as "hh:mm".
void StartTimeBox::complete()
{
    static const QRegularExpression stored(u"^[0-9]{2}:[0-9]{2}$"_s);
    if (stored.match(m_box.text()).hasMatch())
        return;
    const StartTime::Normalised entry = StartTime::normalise(m_box.text());
    if (!entry.valid)
        return;
    m_box.setText(entry.text);
    setTimeBars(*StartTime::parse(entry.text));
}

bool StartTimeBox::eventFilter(QObject *watched, QEvent *e)
{
    if (watched != &m_box) {
        // The bars never take the focus, so a click on them does not leave
        // the box: a typed time is completed first so the bar steps from it,
        // and an entry that is no time is refused as leaving would refuse it.
        const bool steps = e->type() == QEvent::MouseButtonPress || e->type() == QEvent::Wheel;
        if (steps && m_StartTimeTyped) {
            txtStartTime_LostFocus();
            return !StartTime::parse(m_box.text());
        }
        return false;
    }
    switch (e->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(e);
        const QString text = key->text();
        if (!text.isEmpty() || key->key() == Qt::Key_Delete)
            m_StartTimeTyped = true;
        const bool printable = !text.isEmpty() && text.front().unicode() >= 0x20 && text.front() != kDeleteChar;
        // Editing and navigation keys, Backspace and shortcuts pass; any other
        // character but a digit or ":" is discarded.
        return printable && (text.size() > 1 || !StartTime::isAcceptedKey(text.front()));
    }
    case QEvent::FocusIn:
        // Entering the box selects its whole text (after the click that placed the caret).
        QTimer::singleShot(0, &m_box, &QLineEdit::selectAll);
        return false;
    case QEvent::FocusOut: {
        // Focus leaving for a message box or another program is not leaving the box.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(e)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            !m_notLeavingFor.contains(QApplication::focusWidget()))
            txtStartTime_LostFocus();
        return false;
    }
    default: return false;
    }
}

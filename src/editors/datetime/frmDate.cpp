#include "editors/datetime/frmDate.h"

#include "core/AppContext.h"
#include "link/datetime/DateTimeCommand.h"
#include "link/datetime/DateTimeMessages.h"
#include "link/datetime/DateTimeSession.h"
#include "ui/WindowUtil.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

const QString frmDate::kTitle = QStringLiteral("Set System Date and Time");

namespace {
QPushButton *button(const char *name, const QString &caption, QWidget *parent)
{
    return commandButton(caption, QString::fromLatin1(name), parent);
}
} // namespace

frmDate::frmDate(AppContext &context, QWidget *parent) : QDialog(parent), m_context(context)
{
    setObjectName(QStringLiteral("frmDate"));
    setWindowTitle(kTitle);
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    const QString captions[2] = {QStringLiteral("&Date ( mm/dd/yy )"), QStringLiteral("&Time ( hh:mm:ss )")};
    const char *names[2] = {"txtDate(%1)", "txtTime(%1)"};
    const QString separators[2] = {QStringLiteral("/"), QStringLiteral(":")};
    const char *scrollNames[2] = {"scrollDate", "scrollTime"};
    for (int g = 0; g < 2; ++g) {
        auto *frame = new QGroupBox(captions[g], this);
        auto *row = new QHBoxLayout(frame);
        for (int i = 0; i < 3; ++i) {
            if (i > 0)
                row->addWidget(new QLabel(separators[g], frame));
            auto *edit = new QLineEdit(frame);
            edit->setObjectName(QString::fromLatin1(names[g]).arg(i));
            edit->setMaxLength(2);
            edit->setAlignment(Qt::AlignCenter);
            edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 12);
            edit->installEventFilter(this);
            connect(edit, &QLineEdit::textChanged, this, [this, g, i] { changed({Group(g), i}); });
            row->addWidget(edit);
            m_fields[g][i] = edit;
        }
        auto *bar = new QScrollBar(Qt::Vertical, frame);
        bar->setObjectName(QString::fromLatin1(scrollNames[g]));
        bar->setSingleStep(1);
        bar->setPageStep(1);
        bar->setFocusPolicy(Qt::NoFocus);
        connect(bar, &QScrollBar::valueChanged, this, [this, g](int v) { scrollChanged(Group(g), v); });
        row->addWidget(bar);
        row->addStretch();
        m_scrolls[g] = bar;
        layout->addWidget(frame);
    }
    // The frame's mnemonic goes to the first field of its group.
    for (int g = 0; g < 2; ++g)
        m_fields[g][0]->parentWidget()->setFocusProxy(m_fields[g][0]);

    m_daylight = new QCheckBox(QStringLiteral("Enable Automatic DST Adjustment"), this);
    m_daylight->setObjectName(QStringLiteral("daylight"));
    layout->addWidget(m_daylight);

    auto *buttons = new QHBoxLayout;
    m_cmdOK = button("cmdOK", QStringLiteral("Update"), this);
    m_cmdCancel = button("cmdCancel", QStringLiteral("Cancel"), this);
    buttons->addStretch();
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_cmdCancel);
    layout->addLayout(buttons);
    connect(m_cmdOK, &QPushButton::clicked, this, &frmDate::cmdOK_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &frmDate::cmdCancel_Click);

    QWidget *order[] = {m_fields[0][0], m_fields[0][1], m_fields[0][2], m_fields[1][0], m_fields[1][1],
                        m_fields[1][2], m_daylight,     m_cmdOK,        m_cmdCancel};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void frmDate::Load(DateTimeSession &session)
{
    m_session = &session;
    const DateTimeMessages::Fields f = DateTimeMessages::fields(session.reply);
    const QString texts[2][3] = {{f.month, f.day, f.year}, {f.hours, f.minutes, f.seconds}};
    for (int g = 0; g < 2; ++g)
        for (int i = 0; i < 3; ++i)
            m_fields[g][i]->setText(texts[g][i]);
    m_daylight->setChecked(session.daylight.enabled);
    m_daylight->setEnabled(session.daylight.supported);
    for (int g = 0; g < 2; ++g)
        setScroll(Group(g), 0, m_rules.gotFocus(Group(g), 0, texts[g][0]));
    m_loaded = true;
}

void frmDate::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    CenterScreen(this);
    m_fields[0][0]->setFocus(Qt::OtherFocusReason);
}

QLineEdit *frmDate::edit(Group group, int index) const
{
    return m_fields[group][index];
}

QScrollBar *frmDate::scroll(Group group) const
{
    return m_scrolls[group];
}

std::optional<frmDate::Field> frmDate::fieldOf(QObject *object) const
{
    for (int g = 0; g < 2; ++g)
        for (int i = 0; i < 3; ++i)
            if (m_fields[g][i] == object)
                return Field{Group(g), i};
    return std::nullopt;
}

bool frmDate::eventFilter(QObject *watched, QEvent *event)
{
    const std::optional<Field> f = fieldOf(watched);
    if (!f)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        // Digits and editing keys only: any other character is dropped.
        const QString text = static_cast<QKeyEvent *>(event)->text();
        if (!text.isEmpty() && text.front().isPrint() && !text.front().isDigit())
            return true;
        break;
    }
    case QEvent::FocusIn: gotFocus(*f); break;
    case QEvent::FocusOut: {
        // Another window coming to the front (a message box) is not leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            lostFocus(*f);
        break;
    }
    default: break;
    }
    return QDialog::eventFilter(watched, event);
}

void frmDate::setScroll(Group group, int field, std::optional<int> value)
{
    m_suppress = true;
    const DateTimeFieldRules::Range r = DateTimeFieldRules::scrollRange(group, field);
    scroll(group)->setRange(r.min, r.max);
    if (value)
        scroll(group)->setValue(*value);
    m_suppress = false;
}

void frmDate::gotFocus(Field f)
{
    QLineEdit *e = edit(f.group, f.index);
    setScroll(f.group, f.index, m_rules.gotFocus(f.group, f.index, e->text()));
    e->selectAll();
}

void frmDate::changed(Field f)
{
    QLineEdit *e = edit(f.group, f.index);
    if (m_rules.attached(f.group) != f.index)
        return; // filled by Load, not typed
    const std::optional<int> value = m_rules.validate(f.group, e->text());
    if (value) {
        m_suppress = true;
        scroll(f.group)->setValue(*value);
        m_suppress = false;
    }
    if (m_loaded && e->hasFocus() && m_rules.advances(f.group, e->text()))
        focusNextChild();
}

void frmDate::lostFocus(Field f)
{
    QLineEdit *e = edit(f.group, f.index);
    const DateTimeFieldRules::Leave leave = m_rules.lostFocus(f.group, e->text());
    {
        const QSignalBlocker block(e);
        e->setText(leave.text);
    }
    if (!leave.refused)
        return;
    // Told once the focus has settled in the next control: moving it back
    // from inside this focus change would make that control lose a focus it
    // never had.
    QMetaObject::invokeMethod(
        this,
        [this, f] {
            QApplication::beep();
            m_context.prompter.message(f.group == Group::Date ? QStringLiteral("Invalid date entry")
                                                              : QStringLiteral("Invalid time entry"),
                                       kTitle, Prompter::Exclamation);
            QLineEdit *field = edit(f.group, f.index);
            field->setFocus(Qt::OtherFocusReason);
            setScroll(f.group, f.index, m_rules.gotFocus(f.group, f.index, field->text()));
        },
        Qt::QueuedConnection);
}

void frmDate::scrollChanged(Group group, int value)
{
    const QString text = m_rules.scrolled(group, value);
    if (m_suppress)
        return;
    QLineEdit *e = edit(group, m_rules.attached(group));
    {
        const QSignalBlocker block(e);
        e->setText(text);
    }
    e->setFocus(Qt::OtherFocusReason);
    e->selectAll();
}

void frmDate::refuse(Group group)
{
    m_context.prompter.message(group == Group::Date ? QStringLiteral("Invalid date entry")
                                                    : QStringLiteral("Invalid time entry"),
                               kTitle, Prompter::Exclamation);
    edit(group, 0)->setFocus(Qt::OtherFocusReason);
}

void frmDate::cmdOK_Click()
{
    // Every field in range, and the date one the calendar has: a 02/31 would
    // be taken by the controller as some other day.
    for (int g = 0; g < 2; ++g)
        for (int i = 0; i < 3; ++i) {
            bool ok = false;
            const int v = edit(Group(g), i)->text().toInt(&ok);
            const DateTimeFieldRules::Range r = DateTimeFieldRules::range(Group(g), i);
            if (!ok || v < r.min || v > r.max)
                return refuse(Group(g));
        }
    auto text = [this](Group g, int i) { return DateTimeMessages::InsLeftZeroToOne(edit(g, i)->text()); };
    if (!DateTimeMessages::calendarDate(text(Group::Date, 0), text(Group::Date, 1), text(Group::Date, 2)).isValid())
        return refuse(Group::Date);

    const bool supported = m_session && m_session->daylight.supported;
    if (supported && m_session->sendDaylight)
        m_session->sendDaylight(m_daylight->isChecked());
    const QByteArray body =
        DateTimeMessages::dateTimeBody({text(Group::Time, 0), text(Group::Time, 1), text(Group::Time, 2),
                                        text(Group::Date, 0), text(Group::Date, 1), text(Group::Date, 2)});
    if (!m_session || !m_session->sendDateTime || !m_session->sendDateTime(body))
        m_context.prompter.message(DateTimeCommand::updateFailureText(), m_context.state.variant.ProductTitle,
                                   Prompter::NoIcon);
    accept();
}

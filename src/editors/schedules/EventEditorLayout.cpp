#include "editors/schedules/EventEditorLayout.h"

#include "editors/schedules/StartTime.h"

#include "ui/WindowUtil.h"

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
constexpr int kGroupsPerRow = 8;

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

// A push button in a dialog is an automatic default button unless told
// otherwise, and the first one would then take every Enter typed in a box.
QPushButton *button(QWidget *parent, const QString &caption, const QString &name)
{
    return commandButton(caption, name, parent);
}

QLabel *modeLabel(QWidget *parent, const QString &caption, const QString &name)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QLineEdit *box(QWidget *parent, const QString &name, int maxLength, const QString &allowed)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(allowed), edit));
    return edit;
}
} // namespace

int EventEditorLayout::barValue(const QScrollBar *bar)
{
    return -bar->value();
}

void EventEditorLayout::setBarValue(QScrollBar *bar, int value)
{
    bar->setValue(-value);
}

EventEditorLayout::EventEditorLayout(QDialog &dialog)
{
    lblViewEvent = modeLabel(&dialog, u"View Events :"_s, u"lblViewEvent"_s);
    lblAddEvent = modeLabel(&dialog, u"Add New Event :"_s, u"lblAddEvent"_s);
    lblEditEvent = modeLabel(&dialog, u"Edit Event :"_s, u"lblEditEvent"_s);

    fraEvent = new QGroupBox(&dialog);
    fraEvent->setObjectName(u"fraEvent"_s);
    auto *grid = new QGridLayout(fraEvent);
    grid->setColumnStretch(2, 1);

    // Start time: the box and its hour and minute bars.
    txtStartTime = box(fraEvent, u"txtStartTime"_s, StartTime::kMaxLength, u"[0-9:]*"_s);
    txtStartTime->setFixedWidth(txtStartTime->fontMetrics().horizontalAdvance(u"00:000"_s) + 12);
    vsbStartTime[kHour] = upDownBar(fraEvent, u"vsbStartTime0"_s, 0, StartTime::kLastHour);
    vsbStartTime[kHour]->setToolTip(u"Hour"_s);
    // The minute bar reaches one step past each end so a step there can carry
    // into the hour.
    vsbStartTime[kMinute] = upDownBar(fraEvent, u"vsbStartTime1"_s, -1, StartTime::kLastMinute + 1);
    vsbStartTime[kMinute]->setToolTip(u"Minute"_s);
    auto *timeRow = new QHBoxLayout;
    timeRow->setSpacing(2);
    timeRow->addWidget(txtStartTime);
    timeRow->addSpacing(4);
    timeRow->addWidget(vsbStartTime[kHour]);
    timeRow->addWidget(vsbStartTime[kMinute]);
    timeRow->addStretch();
    grid->addWidget(new QLabel(u"Start Time :"_s, fraEvent), 0, 0);
    grid->addLayout(timeRow, 0, 1, 1, 2);

    // Relay type.
    lblTone = new QLabel(fraEvent);
    lblTone->setObjectName(u"lblTone"_s);
    lblTone->hide();
    auto *toneRow = new QHBoxLayout;
    for (int n = 1; n <= ScheduleEvent::kRelayTypes; ++n) {
        optTone[n] = new QRadioButton(u" "_s + QString::number(n), fraEvent);
        optTone[n]->setObjectName(u"optTone"_s + QString::number(n));
        toneRow->addWidget(optTone[n]);
    }
    toneRow->addStretch();
    grid->addWidget(new QLabel(u"Relay Type :"_s, fraEvent), 1, 0);
    grid->addLayout(toneRow, 1, 1, 1, 2);

    // Duration.
    txtDuration = box(fraEvent, u"txtDuration"_s, 2, u"[0-9]*"_s);
    txtDuration->setFixedWidth(txtStartTime->width());
    vsbDuration = upDownBar(fraEvent, u"vsbDuration"_s, ScheduleEvent::kMinDuration, ScheduleEvent::kMaxDuration);
    auto *durationRow = new QHBoxLayout;
    durationRow->setSpacing(2);
    durationRow->addWidget(txtDuration);
    durationRow->addSpacing(4);
    durationRow->addWidget(vsbDuration);
    durationRow->addSpacing(8);
    durationRow->addWidget(new QLabel(u"(1 - 59 secs)"_s, fraEvent));
    durationRow->addStretch();
    grid->addWidget(new QLabel(u"Relay Duration :"_s, fraEvent), 2, 0);
    grid->addLayout(durationRow, 2, 1, 1, 2);

    // Page groups, two rows of eight.
    auto *groups = new QGridLayout;
    groups->setHorizontalSpacing(10);
    for (int i = 0; i < ScheduleEvent::kPageGroups; ++i) {
        chkPageGroup[i] = new QCheckBox(u" "_s + QString::number(i + 1), fraEvent);
        chkPageGroup[i]->setObjectName(u"chkPageGroup"_s + QString::number(i));
        groups->addWidget(chkPageGroup[i], i / kGroupsPerRow, i % kGroupsPerRow);
    }
    cmdInclude = button(fraEvent, u"&Include All"_s, u"cmdInclude"_s);
    cmdRemove = button(fraEvent, u"&Remove All"_s, u"cmdRemove"_s);
    auto *groupButtons = new QHBoxLayout;
    groupButtons->addWidget(cmdInclude);
    groupButtons->addWidget(cmdRemove);
    groupButtons->addStretch();
    grid->addWidget(new QLabel(u"Page Groups :"_s, fraEvent), 3, 0, Qt::AlignTop);
    grid->addLayout(groups, 3, 1, 1, 2);
    grid->addLayout(groupButtons, 4, 1, 1, 2);

    // Commands.
    cmdAdd = button(&dialog, u"&Add"_s, u"cmdAdd"_s);
    cmdEdit = button(&dialog, u"&Edit"_s, u"cmdEdit"_s);
    cmdDelete = button(&dialog, u"&Delete"_s, u"cmdDelete"_s);
    cmdSave = button(&dialog, u"&Save"_s, u"cmdSave"_s);
    cmdCancel = button(&dialog, u"&Cancel"_s, u"cmdCancel"_s);
    cmdClose = button(&dialog, u"Close"_s, u"cmdClose"_s);
    const QStringList arrows{u"<<"_s, u"<"_s, u">"_s, u">>"_s};
    for (int i = 0; i < int(cmdMove.size()); ++i) {
        cmdMove[i] = button(&dialog, arrows[i], u"cmdMove"_s + QString::number(i));
        cmdMove[i]->setFixedWidth(36);
        // Hidden while adding or editing; the window keeps its width.
        QSizePolicy policy = cmdMove[i]->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        cmdMove[i]->setSizePolicy(policy);
    }

    txtHideScreen = new QLabel(u"Saving Event ..."_s, &dialog);
    txtHideScreen->setObjectName(u"txtHideScreen"_s);
    txtHideScreen->hide();

    auto *modeRow = new QHBoxLayout;
    modeRow->addWidget(lblViewEvent);
    modeRow->addWidget(lblAddEvent);
    modeRow->addWidget(lblEditEvent);
    modeRow->addStretch();
    modeRow->addWidget(txtHideScreen);
    auto *navigation = new QHBoxLayout;
    navigation->setSpacing(2);
    for (QPushButton *b : cmdMove)
        navigation->addWidget(b);
    auto *commands = new QHBoxLayout;
    for (QPushButton *b : {cmdAdd, cmdEdit, cmdDelete, cmdSave, cmdCancel})
        commands->addWidget(b);
    commands->addStretch();
    commands->addLayout(navigation);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(cmdClose);

    auto *layout = new QVBoxLayout(&dialog);
    layout->addLayout(modeRow);
    layout->addWidget(fraEvent);
    layout->addLayout(commands);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

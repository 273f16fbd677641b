#pragma once

#include "editors/schedules/ScheduleEvent.h"

#include <array>

class QCheckBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

// The controls of the event editor, created with their names and captions and
// laid out in the dialog given; the editor wires them. No button is a default
// button: Enter in a box presses nothing.
struct EventEditorLayout {
    static constexpr int kHour = 0, kMinute = 1;

    explicit EventEditorLayout(QDialog &dialog);

    // The up/down bars count up towards their upper arrow, so they hold the
    // number negated: read and write it through these.
    static int barValue(const QScrollBar *bar);
    static void setBarValue(QScrollBar *bar, int value);

    QLabel *lblViewEvent = nullptr;
    QLabel *lblAddEvent = nullptr;
    QLabel *lblEditEvent = nullptr;
    QLabel *lblTone = nullptr; // hidden: the relay-type value
    QLabel *txtHideScreen = nullptr;
    QGroupBox *fraEvent = nullptr;
    QLineEdit *txtStartTime = nullptr;
    std::array<QScrollBar *, 2> vsbStartTime{};                           // hour, minute
    std::array<QRadioButton *, ScheduleEvent::kRelayTypes + 1> optTone{}; // 1-4 used
    QLineEdit *txtDuration = nullptr;
    QScrollBar *vsbDuration = nullptr;
    std::array<QCheckBox *, ScheduleEvent::kPageGroups> chkPageGroup{};
    QPushButton *cmdInclude = nullptr;
    QPushButton *cmdRemove = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdEdit = nullptr;
    QPushButton *cmdDelete = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdCancel = nullptr;
    std::array<QPushButton *, 4> cmdMove{}; // <<, <, >, >>
    QPushButton *cmdClose = nullptr;
};

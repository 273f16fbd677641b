#pragma once

#include "editors/datetime/DateTimeFieldRules.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QScrollBar;
struct AppContext;
struct DateTimeSession;

// "Set System Date and Time": edits the controller's date and time and its
// daylight-saving adjustment, and sends them on Update. It touches no
// configuration file. The field rules are DateTimeFieldRules'; this window
// only maps widget events onto them.
class frmDate : public QDialog {
    Q_OBJECT
public:
    static const QString kTitle;

    frmDate(AppContext &context, QWidget *parent = nullptr);

    // Fills the fields from the controller's reply and the daylight box from
    // its state; Update sends through the session.
    void Load(DateTimeSession &session);

    void cmdOK_Click();
    void cmdCancel_Click() { reject(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    using Group = DateTimeFieldRules::Group;
    struct Field {
        Group group;
        int index;
    };
    std::optional<Field> fieldOf(QObject *object) const;
    QLineEdit *edit(Group group, int index) const;
    QScrollBar *scroll(Group group) const;
    void gotFocus(Field f);
    void lostFocus(Field f);
    void changed(Field f);
    void scrollChanged(Group group, int value);
    // Moves a scroll bar without writing back into its field.
    void setScroll(Group group, int field, std::optional<int> value);
    void refuse(Group group);

    AppContext &m_context;
    DateTimeSession *m_session = nullptr;
    DateTimeFieldRules m_rules;
    std::array<std::array<QLineEdit *, 3>, 2> m_fields{};
    std::array<QScrollBar *, 2> m_scrolls{};
    QCheckBox *m_daylight = nullptr;
    QPushButton *m_cmdOK = nullptr;
    QPushButton *m_cmdCancel = nullptr;
    bool m_suppress = false;
    bool m_loaded = false;
};

#pragma once

#include "config/BoardConfiguration.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QPushButton;
class QRadioButton;
struct AppContext;

// "System Configuration": the modal window in which the user chooses the
// expansion boards and the clock board. OK applies the choice
// (BoardConfiguration); Cancel, Escape and the title bar close it without
// writing anything. Details... shows the board diagram.
class frmConfig : public QDialog {
    Q_OBJECT
public:
    explicit frmConfig(AppContext &context, QWidget *parent = nullptr);

    QRadioButton *optConfig(int index) const { return m_optConfig.at(index); }

    void cmdOk_Click();
    void cmdCancel_Click();
    void cmdDetails_Click();

public slots:
    void reject() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void Form_Load();
    int selectedBoards() const;

    AppContext &m_context;
    BoardConfiguration m_change;
    std::array<QRadioButton *, 4> m_optConfig{};
    QButtonGroup *m_group = nullptr;
    QCheckBox *m_cbClock = nullptr;
};
